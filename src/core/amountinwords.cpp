#include "amountinwords.h"

#include "asciidigits.h"

#include <array>

namespace penvaro::core {
namespace {

constexpr std::array<std::string_view, 10> digitWords = {
    "null", "eins", "zwei", "drei", "vier", "fuenf", "sechs", "sieben", "acht", "neun",
};

constexpr std::int64_t unitsPerEuro = 10000;

// The digits of the whole euros; a negative amount has none to write.
std::string euroDigits(std::int64_t amount) {
    return amount < 0 ? std::string() : std::to_string(amount / unitsPerEuro);
}

// A line is cut after each word, so a word that no longer fits shows its beginning.
void appendWord(std::string &line, char digit) {
    line += DigitWord(digit);
    line += '*';
    if (line.size() > ChequeWordLineLength)
        line.resize(ChequeWordLineLength);
}

} // namespace

std::string_view DigitWord(char digit) {
    return IsAsciiDigit(digit) ? digitWords[static_cast<std::size_t>(digit - '0')]
                               : std::string_view{};
}

std::string AmountInWords(std::int64_t amount) {
    std::string words = "*";
    for (const char c : euroDigits(amount)) {
        words += DigitWord(c);
        words += '*';
    }
    return words;
}

ChequeWordLines CrossedChequeWords(std::int64_t amount) {
    constexpr std::size_t firstLineDigits = 3;
    ChequeWordLines lines{"*", "*"};
    const std::string digits = euroDigits(amount);
    for (std::size_t i = 0; i < digits.size(); ++i)
        appendWord(i < firstLineDigits ? lines.first : lines.second, digits[i]);
    return lines;
}

std::string EuroChequeWords(std::int64_t amount) {
    std::string line = "*";
    for (const char c : euroDigits(amount))
        appendWord(line, c);
    return line;
}

} // namespace penvaro::core
