#pragma once

#include <string>
#include <string_view>

namespace penvaro::core {

// The word of a decimal digit as cheques spell it ("fuenf" with "ue").
std::string_view DigitWord(char digit);

// The amount in words as German cheques are filled: one word per digit, each followed by "*",
// behind a leading "*", for the digits before the first character that is not a digit.
// "1250,00" gives "*eins*zwei*fuenf*null*"; "1.250,00" gives "*eins*"; "" gives "*".
std::string AmountInWords(std::string_view amountText);

} // namespace penvaro::core
