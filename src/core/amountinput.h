#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace penvaro::core {

// Reads an amount written by another program (the amounts of statement files): an optional
// sign, digits, and at most one decimal separator (the file's), blanks around it allowed, no
// thousands separators. What a user types is read by ReadTypedAmount. The value is
// multiplied by 10000 and rounded to the nearest integer, an exact half to the even neighbour,
// on the decimal digits as written, so that 12,34565 and 0,00005 round as they read. Empty
// input, any other character and a result outside 64 bits give nothing.
std::optional<std::int64_t> ParseAmount(std::string_view text, char decimalSeparator);

} // namespace penvaro::core
