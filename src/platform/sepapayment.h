#pragma once

#include "paymentprinting.h"
#include "sepafile.h"

#include "core/bookingtable.h"
#include "core/formprint.h"
#include "core/result.h"
#include "core/sepatransfer.h"
#include "core/settings.h"

#include <QString>

#include <filesystem>
#include <vector>

namespace penvaro::core {
class AccountMethodCheck;
class BankCodeList;
} // namespace penvaro::core

namespace penvaro::platform {

class Account;
class AppState;

// The ordering party of the open account: "Kontoinhaber" with the stored IBAN and BIC, or,
// when no IBAN is stored, the one derived from "Kontonummer" and "Bankleitzahl" (its BIC from
// the bank code file). Fails, naming what is missing, when neither gives a valid IBAN.
core::Result<core::SepaDebtor> AccountDebtor(const core::Settings &settings,
                                             const core::BankCodeList &banks,
                                             const core::AccountMethodCheck &methods);

// Writes the transfer file and books one planned debit per transfer in the account: both or
// neither, also when the program is stopped in between. The file is written beside its target
// and put in place with the bookings' commit.
core::Result<void> WriteSepaFileAndBook(const QString &path, const QByteArray &document,
                                        Account &account,
                                        const std::vector<core::SepaTransfer> &transfers,
                                        double today);

// The GiroCode shown, or the form printed: books the planned debit and remembers the
// recipient with IBAN and BIC (a German IBAN also gives the old forms' account number and bank
// code). A failure has been shown.
PaymentOutcome BookSepaTransfer(AppState &state, const core::SepaTransfer &transfer,
                                const QString &bankName);

// Prints the paper form with the user's correction, then books and remembers as above. A
// printer that cannot begin or finish stops everything.
PaymentOutcome PrintSepaTransfer(AppState &state, core::Canvas &canvas, const core::FormPage &page,
                                 const core::SepaTransfer &transfer, const QString &bankName);

// The file of collected transfers: written and booked (both or neither), each recipient then
// remembered. Returns whether it was done; a failure has been shown.
bool WriteSepaTransfers(AppState &state, const QString &path, const core::SepaDebtor &debtor,
                        const std::vector<core::SepaTransfer> &transfers,
                        const std::vector<QString> &bankNames);

} // namespace penvaro::platform
