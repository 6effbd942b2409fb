#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace penvaro::core {

// The word of a decimal digit as cheques spell it ("fuenf" with "ue").
std::string_view DigitWord(char digit);

// The amount in words as German cheques are filled: one word per digit, each followed by "*",
// behind a leading "*", for the digits before the first character that is not a digit.
// "1250,00" gives "*eins*zwei*fuenf*null*"; "1.250,00" gives "*eins*"; "" gives "*".
std::string AmountInWords(std::string_view amountText);

// A line of a cheque that carries the amount in words holds at most this many characters.
inline constexpr std::size_t ChequeWordLineLength = 40;

struct ChequeWordLines {
    std::string first;  // the words of the first three digits
    std::string second; // those of the fourth and later digits; "*" when there are none

    friend bool operator==(const ChequeWordLines &, const ChequeWordLines &) = default;
};

// The two word lines of the crossed cheque, each starting with "*" and cut to the line length.
ChequeWordLines CrossedChequeWords(std::string_view amountText);

// The one word line of the Euro cheque, cut to the line length.
std::string EuroChequeWords(std::string_view amountText);

} // namespace penvaro::core
