#pragma once

#include "formprint.h"
#include "result.h"
#include "sepatransfer.h"

namespace penvaro::core {

// What the paper form has room for: the recipient's name in one line of 27 characters, the
// purpose in two.
inline constexpr std::size_t SepaFormLineLength = 27;

// Whether the transfer fits the paper form; the reason names the field that is too long, since
// cutting it would send a payment with a text the user did not write.
Result<void> FitsSepaPaperForm(const SepaTransfer &transfer);

// The SEPA-Überweisung/Zahlschein as it is written onto the bank's paper, before the
// correction: recipient, IBAN, BIC, amount, two purpose lines, the account holder with the
// account's IBAN, and today's date; in its head the ordering bank's name and BIC.
FormPage SepaTransferFormPage(const SepaTransfer &transfer, const SepaDebtor &debtor, double today);

// The plain-paper receipt of the transfer, printed without correction.
FormPage SepaTransferReceiptPage(const SepaTransfer &transfer, const SepaDebtor &debtor,
                                 double today);

} // namespace penvaro::core
