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

    friend bool operator==(const StatementEntry &, const StatementEntry &) = default;
};

// One bank statement: its booked entries in the bank's order.
struct Statement {
    std::string accountId; // IBAN or "bank code/account number", as the bank wrote it
    std::uint16_t number = 0;
    double date = 0.0;                          // day count
    std::optional<std::int64_t> closingBalance; // signed ten-thousandths
    std::vector<StatementEntry> entries;

    friend bool operator==(const Statement &, const Statement &) = default;
};

// An amount as banks write it: digits with at most one decimal separator and no sign ("800,",
// "12,5", "0.01"). It must be exact in ten-thousandths: digits beyond the fourth decimal are
// accepted only when they are zeros. Nothing for anything else or a value beyond 64 bits.
std::optional<std::int64_t> ParseStatementAmount(std::string_view text, char decimalSeparator);

} // namespace penvaro::core
