#include "typedamount.h"

#include "asciidigits.h"

#include <limits>
#include <optional>
#include <string>

namespace penvaro::core {
namespace {

constexpr int shownDecimals = 2;
constexpr std::int64_t unitsPerCent = 100;

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}

std::string_view trimmed(std::string_view text) {
    while (!text.empty() && isBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && isBlank(text.back()))
        text.remove_suffix(1);
    return text;
}

Error refused(std::string_view text, std::string_view why = {}) {
    std::string message = "Unzulässiger Betrag: ";
    message += text;
    message += " (";
    message += why;
    message += why.empty() ? "z. B. 1.234,56)" : ", z. B. 1.234,56)";
    return {ErrorKind::Invalid, std::move(message)};
}

// The whole euros without their dots: plain digits, or groups of three behind a first group
// of one to three digits. Nothing when the dots do not group.
std::optional<std::string> ungrouped(std::string_view whole) {
    if (whole.find('.') == std::string_view::npos)
        return std::string(whole);
    std::string digits;
    std::size_t groupStart = 0;
    for (;;) {
        const std::size_t dot = whole.find('.', groupStart);
        const std::string_view group = whole.substr(groupStart, dot - groupStart);
        const bool first = groupStart == 0;
        if (first ? group.empty() || group.size() > 3 : group.size() != 3)
            return std::nullopt;
        digits += group;
        if (dot == std::string_view::npos)
            return digits;
        groupStart = dot + 1;
    }
}

} // namespace

Result<std::int64_t> ReadTypedAmount(std::string_view typed) {
    const std::string_view text = trimmed(typed);
    if (text.empty())
        return Error{ErrorKind::Invalid, "Kein Betrag eingegeben (z. B. 1.234,56)"};
    if (text.front() == '-' || text.front() == '+')
        return refused(text, "ohne Vorzeichen");

    const std::size_t comma = text.find(',');
    const std::string_view whole = text.substr(0, comma);
    const std::string_view cents =
        comma == std::string_view::npos ? std::string_view() : text.substr(comma + 1);
    const auto digits = ungrouped(whole);
    if (!digits || !AllAsciiDigits(*digits) || !AllAsciiDigits(cents)
        || (digits->empty() && cents.empty()))
        return refused(text);
    if (cents.size() > shownDecimals)
        return refused(text, "höchstens zwei Nachkommastellen");

    // Cents first: the limit of the ten-thousandths is then one comparison per digit.
    constexpr std::int64_t maxCents = std::numeric_limits<std::int64_t>::max() / unitsPerCent;
    std::int64_t value = 0;
    const std::string inCents =
        *digits + std::string(cents) + std::string(shownDecimals - cents.size(), '0');
    for (const char c : inCents) {
        const int digit = c - '0';
        if (value > (maxCents - digit) / 10)
            return refused(text, "zu groß");
        value = value * 10 + digit;
    }
    return value * unitsPerCent;
}

} // namespace penvaro::core
