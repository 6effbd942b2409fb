#include "amountinput.h"

#include "wideint.h"

#include <limits>

namespace penvaro::core {
namespace {

constexpr int keptDecimals = 4;

std::string_view trimmed(std::string_view text) {
    while (!text.empty() && text.front() == ' ')
        text.remove_prefix(1);
    while (!text.empty() && text.back() == ' ')
        text.remove_suffix(1);
    return text;
}

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

} // namespace

std::optional<std::int64_t> ParseAmount(std::string_view text, char decimalSeparator) {
    text = trimmed(text);
    bool negative = false;
    if (!text.empty() && (text.front() == '-' || text.front() == '+')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    const std::size_t separator = text.find(decimalSeparator);
    const std::string_view whole = text.substr(0, separator);
    const std::string_view fraction =
        separator == std::string_view::npos ? std::string_view() : text.substr(separator + 1);
    if (whole.empty() && fraction.empty())
        return std::nullopt;

    // Stopping at the 64-bit limit already in the whole part keeps the 128-bit accumulator
    // far from its own end, however many digits are typed.
    constexpr UInt128 limit = static_cast<UInt128>(std::numeric_limits<std::int64_t>::max()) + 1;
    UInt128 value = 0;
    for (const char c : whole) {
        if (!isDigit(c))
            return std::nullopt;
        value = value * 10 + static_cast<unsigned>(c - '0');
        if (value > limit)
            return std::nullopt;
    }
    int decimals = 0;
    bool beyondNonZero = false; // any non-zero digit after the first dropped one
    int firstDropped = -1;
    for (const char c : fraction) {
        if (!isDigit(c))
            return std::nullopt;
        const int digit = c - '0';
        if (decimals < keptDecimals) {
            value = value * 10 + static_cast<unsigned>(digit);
            ++decimals;
        } else if (firstDropped < 0) {
            firstDropped = digit;
        } else if (digit != 0) {
            beyondNonZero = true;
        }
    }
    for (; decimals < keptDecimals; ++decimals)
        value *= 10;
    const bool roundUp =
        firstDropped > 5 || (firstDropped == 5 && (beyondNonZero || value % 2 == 1));
    if (roundUp)
        ++value;
    if (negative ? value > limit : value >= limit)
        return std::nullopt;
    return negative ? static_cast<std::int64_t>(-static_cast<Int128>(value))
                    : static_cast<std::int64_t>(value);
}

} // namespace penvaro::core
