#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace penvaro::core {

// One booked line of a bank statement as the bank wrote it, before it becomes a booking.
// Texts are UTF-8 and may be longer than the booking's fields.
struct StatementEntry {
    double valueDate = 0.0;            // day count
    std::optional<double> bookingDate; // day count; none when the bank gave none
    char16_t sign = u'+';              // "+" credit, "-" debit
    std::int64_t amount = 0;           // ten-thousandths of a euro, never negative
    std::string party;                 // the other side of the payment
    std::string purpose;
    std::string bookingType;
    // An entry that collects several payments and cannot be split into them keeps the first
    // party and counts the others here.
    int moreParties = 0;
    std::string partyIban = {}; // the other side's account; empty when the bank gave none
    std::string partyBic = {};
    // What identifies the bank's entry in any format the bank sends it (EntryReferenceKey);
    // the bookings of a split entry share the entry's.
    std::vector<std::string> references = {};
    // Not yet booked by the bank ("Umsatz vorgemerkt"): shown, never booked.
    bool pending = false;
    // What the reader had to make of the bank's text, for the preview ("Valutadatum 30.02.2016
    // gibt es nicht; ..."); empty when it was read as written.
    std::string note = {};

    friend bool operator==(const StatementEntry &, const StatementEntry &) = default;
};

// One bank statement: its booked entries in the bank's order.
struct Statement {
    std::string accountId; // IBAN or "bank code/account number", as the bank wrote it
    std::uint16_t number = 0;
    double date = 0.0;                          // day count
    std::optional<std::int64_t> closingBalance; // signed ten-thousandths
    std::vector<StatementEntry> entries;
    std::optional<double> closingDate = {}; // the day the closing balance is for; none: date

    friend bool operator==(const Statement &, const Statement &) = default;
};

// An amount as banks write it: digits with at most one decimal separator and no sign ("800,",
// "12,5", "0.01"). It must be exact in ten-thousandths: digits beyond the fourth decimal are
// accepted only when they are zeros. Nothing for anything else or a value beyond 64 bits.
std::optional<std::int64_t> ParseStatementAmount(std::string_view text, char decimalSeparator);

// The one currency an account file holds.
inline constexpr std::string_view AccountCurrency = "EUR";

enum class ReferenceKind {
    Bank,     // the bank's own reference of the entry (CAMT AcctSvcrRef, MT940 after "//")
    EndToEnd, // the payer's reference that travels with the payment (EndToEndId, "EREF+")
};

// The other party's IBAN and BIC as they are kept: upper case without blanks. Empty for a
// text of another shape, such as the bank code and account number older MT940 files give in
// the same places. Only the shape is looked at; a payment checks the IBAN before using it.
std::string PartyIban(std::string_view text);
std::string PartyBic(std::string_view text);

// The key under which an imported entry is remembered: the reference together with the
// entry's value date, direction and amount, so that a payer who uses one reference for every
// payment is not taken for one payment. Letter case and blanks at both ends do not count.
// Nothing for a text that is no reference: empty, a placeholder such as "NONREF" or
// "NOTPROVIDED", or longer than any format allows.
std::optional<std::string> EntryReferenceKey(ReferenceKind kind, std::string_view reference,
                                             double valueDate, char16_t sign, std::int64_t amount);

} // namespace penvaro::core
