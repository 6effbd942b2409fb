#pragma once

#include "result.h"

#include <cstdint>
#include <string>

namespace penvaro::core {

// "Eurokurs", national units per euro, as the decimal the user typed: digits × 10^exponent.
// The setting is stored as a double, which holds 1.95583 only approximately; its shortest
// decimal that reads back as the same double is the typed number, and converting with that
// decimal keeps every national amount exact instead of carrying the double's binary error
// into the last displayed digit.
struct ExchangeRate {
    bool negative = false;
    std::uint64_t digits = 0; // at most 17 decimal digits
    int exponent = 0;

    friend bool operator==(const ExchangeRate &, const ExchangeRate &) = default;
};

// Refuses infinity and NaN.
Result<ExchangeRate> ExchangeRateFromDouble(double rate);

// "Waehrung" with its rate: the national currency, used for display only.
struct NationalCurrency {
    ExchangeRate rate;
    std::string name; // UTF-8
};

} // namespace penvaro::core
