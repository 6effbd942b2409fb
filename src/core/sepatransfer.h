#pragma once

#include "bookingrecord.h"
#include "result.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace penvaro::core {

class AccountMethodCheck;
class BankCodeList;

// One SEPA credit transfer in euro, checked: texts in UTF-8, IBAN and BIC in electronic form.
struct SepaTransfer {
    std::string name; // the recipient ("Empfänger")
    std::string iban;
    std::string bic;         // may be empty for a German IBAN
    std::int64_t amount = 0; // ten-thousandths of a euro, whole cents
    std::string purpose;     // "Verwendungszweck"
    double execution = 0.0;  // day count of the requested execution date; 0 when none was given

    friend bool operator==(const SepaTransfer &, const SepaTransfer &) = default;
};

// The ordering party: the account holder with the account's IBAN and BIC (the BIC may be
// empty) and the bank's name as the account data hold it.
struct SepaDebtor {
    std::string name;
    std::string iban;
    std::string bic;
    std::string bankName;
};

// The limits of a SEPA transfer.
inline constexpr std::size_t SepaNameLength = 70;
inline constexpr std::size_t SepaPurposeLength = 140;
inline constexpr std::int64_t SepaMinimumAmount = 100;           // 0,01 EUR
inline constexpr std::int64_t SepaMaximumAmount = 9999999999900; // 999.999.999,99 EUR

// The checks of each field as typed, so that a window can put the focus on the first field
// that fails. Texts: no control characters, not empty (the purpose may be), at most their
// number of characters.
Result<std::string> CheckSepaName(std::string_view name);
Result<std::string> CheckSepaPurpose(std::string_view purpose);
Result<std::int64_t> CheckSepaAmount(std::int64_t amount);
// The BIC of the recipient's bank: for a German IBAN the bank code file's, which is not typed;
// otherwise the one typed, of a bank in the IBAN's country. Within the EEA it may be empty; a
// SEPA country outside it needs a BIC typed.
Result<std::string> CheckSepaBic(std::string_view bic, const std::string &ibanCountry,
                                 const std::string &bicFromFile);

// Checks a transfer as typed (IBAN and BIC in any form) field by field, in the order of the
// form, refusing an IBAN outside the SEPA countries, and gives it back with IBAN and BIC in
// electronic form.
Result<SepaTransfer> CheckSepaTransfer(const SepaTransfer &typed, const BankCodeList &banks,
                                       const AccountMethodCheck &methods);

// Characters, not bytes, of a UTF-8 text: what the limits of the SEPA fields count.
std::size_t Utf8Length(std::string_view text);

// "1234.56": the amount as SEPA files and GiroCodes write it.
std::string SepaAmountText(std::int64_t amount);

// "1.234,56": the amount as the forms and receipts spell it.
std::string GermanAmountText(std::int64_t amount);

// The planned debit that a SEPA transfer books, as the written forms do: "ÜB" to the recipient
// with the purpose, both cut to their fields, valued on the execution date or, when none was
// given, today.
BookingRecord SepaBooking(const SepaTransfer &transfer, double today);

} // namespace penvaro::core
