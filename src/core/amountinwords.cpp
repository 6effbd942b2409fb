#include "amountinwords.h"

#include <array>

namespace penvaro::core {
namespace {

constexpr std::array<std::string_view, 10> digitWords = {
    "null", "eins", "zwei", "drei", "vier", "fuenf", "sechs", "sieben", "acht", "neun",
};

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

} // namespace

std::string_view DigitWord(char digit) {
    return isDigit(digit) ? digitWords[static_cast<std::size_t>(digit - '0')] : std::string_view{};
}

std::string AmountInWords(std::string_view amountText) {
    std::string words = "*";
    for (const char c : amountText) {
        if (!isDigit(c))
            break;
        words += DigitWord(c);
        words += '*';
    }
    return words;
}

namespace {

// A line is cut after each word, so a word that no longer fits shows its beginning.
void appendWord(std::string &line, char digit) {
    line += DigitWord(digit);
    line += '*';
    if (line.size() > ChequeWordLineLength)
        line.resize(ChequeWordLineLength);
}

} // namespace

ChequeWordLines CrossedChequeWords(std::string_view amountText) {
    constexpr std::size_t firstLineDigits = 3;
    ChequeWordLines lines{"*", "*"};
    std::size_t digits = 0;
    for (const char c : amountText) {
        if (!isDigit(c))
            break;
        appendWord(digits < firstLineDigits ? lines.first : lines.second, c);
        ++digits;
    }
    return lines;
}

std::string EuroChequeWords(std::string_view amountText) {
    std::string line = "*";
    for (const char c : amountText) {
        if (!isDigit(c))
            break;
        appendWord(line, c);
    }
    return line;
}

} // namespace penvaro::core
