#pragma once

#include "exchangerate.h"

#include <cstdint>
#include <string>

namespace penvaro::core {

// The user's locale's characters, UTF-8 (a locale may group with a non-breaking space).
struct NumberSeparators {
    std::string decimal;
    std::string group;
};

inline const NumberSeparators GermanSeparators{",", "."};

// How many significant digits a display keeps. A value with more integer digits than that is
// written in exponent form.
enum class SignificantDigits {
    Standard = 11, // main window, printouts, sums everywhere
    Overview = 8,  // balances of the accounts overview
    Cell = 7,      // booking cells of the search results and the recurring bookings window
};

// Amounts are ten-thousandths of a euro. The number has two decimals and thousands grouping,
// rounded once, in decimal, to the two decimals or the significant digits, whichever keeps
// fewer, an exact half away from zero (10050 gives "1,01"). A value that rounds to zero has
// no sign. Beyond the significant digits the form is "1,2345678901E+15": the rounded digits
// without trailing zeros and a signed exponent of at least two digits.

// "1.234,56": the number alone, for a column or axis whose heading names the currency.
std::string FormatEuroNumber(std::int64_t amount, const NumberSeparators &separators,
                             SignificantDigits digits = SignificantDigits::Standard);
// Amount × rate ÷ 10000 alone, for example "2.414,47".
std::string FormatNationalNumber(std::int64_t amount, const ExchangeRate &rate,
                                 const NumberSeparators &separators,
                                 SignificantDigits digits = SignificantDigits::Standard);

// "1.234,56 €"
std::string FormatEuroText(std::int64_t amount, const NumberSeparators &separators,
                           SignificantDigits digits = SignificantDigits::Standard);

// Amount × rate ÷ 10000 + " " + name, for example "2.414,47 DM"; the product is exact.
std::string FormatNationalText(std::int64_t amount, const NationalCurrency &currency,
                               const NumberSeparators &separators,
                               SignificantDigits digits = SignificantDigits::Standard);

// "1.234,56 € = 2.414,47 DM"
std::string FormatCombinedText(std::int64_t amount, const NationalCurrency &currency,
                               const NumberSeparators &separators,
                               SignificantDigits digits = SignificantDigits::Standard);

} // namespace penvaro::core
