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

} // namespace penvaro::core
