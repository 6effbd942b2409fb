#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace penvaro::core {

// The word of a decimal digit as cheques spell it ("fuenf" with "ue").
std::string_view DigitWord(char digit);

// The amount in words as German cheques are filled: one word per digit of the whole euros
// (amount in ten-thousandths, not below zero), each followed by "*", behind a leading "*";
// the cents are not written. 1250,00 gives "*eins*zwei*fuenf*null*", 1.234,56
// "*eins*zwei*drei*vier*", 0,50 "*null*".
std::string AmountInWords(std::int64_t amount);

// A line of a cheque that carries the amount in words holds at most this many characters.
inline constexpr std::size_t ChequeWordLineLength = 40;

struct ChequeWordLines {
    std::string first;  // the words of the first three digits
    std::string second; // those of the fourth and later digits; "*" when there are none

    friend bool operator==(const ChequeWordLines &, const ChequeWordLines &) = default;
};

// The two word lines of the crossed cheque, each starting with "*" and cut to the line length.
ChequeWordLines CrossedChequeWords(std::int64_t amount);

// The one word line of the Euro cheque, cut to the line length.
std::string EuroChequeWords(std::int64_t amount);

} // namespace penvaro::core
