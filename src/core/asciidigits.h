#pragma once

#include <algorithm>
#include <string_view>

namespace penvaro::core {

// Only "0" to "9": the C library's isdigit depends on the locale and wants unsigned chars.
constexpr bool IsAsciiDigit(char c) {
    return c >= '0' && c <= '9';
}

// True for an empty text, too.
constexpr bool AllAsciiDigits(std::string_view text) {
    return std::all_of(text.begin(), text.end(), IsAsciiDigit);
}

} // namespace penvaro::core
