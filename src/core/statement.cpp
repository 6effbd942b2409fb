#include "statement.h"

#include "amountinput.h"
#include "asciidigits.h"

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

} // namespace penvaro::core
