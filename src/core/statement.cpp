#include "statement.h"

#include "amountinput.h"
#include "asciidigits.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace penvaro::core {

std::optional<std::int64_t> ParseStatementAmount(std::string_view text, char decimalSeparator) {
    const std::size_t separator = text.find(decimalSeparator);
    const std::string_view whole = text.substr(0, separator);
    const std::string_view fraction =
        separator == std::string_view::npos ? std::string_view() : text.substr(separator + 1);
    if (whole.empty() || !AllAsciiDigits(whole) || !AllAsciiDigits(fraction))
        return std::nullopt;
    // A statement amount is never rounded: a fifth decimal that is not zero is refused.
    constexpr std::size_t keptDecimals = 4;
    if (fraction.size() > keptDecimals
        && fraction.find_first_not_of('0', keptDecimals) != std::string_view::npos)
        return std::nullopt;
    return ParseAmount(text, decimalSeparator);
}

namespace {

bool isUpperLetter(char c) {
    return c >= 'A' && c <= 'Z';
}

bool isLetterOrDigit(char c) {
    return isUpperLetter(c) || IsAsciiDigit(c);
}

std::string upperWithoutBlanks(std::string_view text) {
    std::string result;
    for (const char c : text) {
        if (c != ' ')
            result += c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
    }
    return result;
}

} // namespace

std::string PartyIban(std::string_view text) {
    std::string iban = upperWithoutBlanks(text);
    // Country, two check digits and 11 to 30 letters or digits.
    if (iban.size() < 15 || iban.size() > 34 || !isUpperLetter(iban[0]) || !isUpperLetter(iban[1])
        || !IsAsciiDigit(iban[2]) || !IsAsciiDigit(iban[3])
        || !std::all_of(iban.begin(), iban.end(), isLetterOrDigit))
        return {};
    return iban;
}

std::string PartyBic(std::string_view text) {
    std::string bic = upperWithoutBlanks(text);
    // Institution and country in letters, location and branch in letters or digits.
    if ((bic.size() != 8 && bic.size() != 11)
        || !std::all_of(bic.begin(), bic.begin() + 6, isUpperLetter)
        || !std::all_of(bic.begin() + 6, bic.end(), isLetterOrDigit))
        return {};
    return bic;
}

std::optional<std::string> EntryReferenceKey(ReferenceKind kind, std::string_view reference,
                                             double valueDate, char16_t sign, std::int64_t amount) {
    const std::string folded = upperWithoutBlanks(reference);
    // What banks and payers write where the format wants a reference and they have none.
    static constexpr std::array<std::string_view, 3> placeholders = {"NONREF", "NOTPROVIDED",
                                                                     "NONE"};
    constexpr std::size_t longest = 35;
    if (folded.empty() || folded.size() > longest
        || std::find(placeholders.begin(), placeholders.end(), folded) != placeholders.end()
        || !(std::abs(valueDate) < 1e9))
        return std::nullopt;
    return std::string(kind == ReferenceKind::Bank ? "B " : "E ")
           + std::to_string(static_cast<std::int64_t>(std::floor(valueDate))) + ' '
           + (sign == u'+' ? '+' : '-') + ' ' + std::to_string(amount) + ' ' + folded;
}

} // namespace penvaro::core
