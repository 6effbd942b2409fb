#include "exchangerate.h"

#include <charconv>
#include <cmath>
#include <string_view>

namespace penvaro::core {

Result<ExchangeRate> ExchangeRateFromDouble(double rate) {
    if (!std::isfinite(rate))
        return Error{ErrorKind::Invalid, "Der Eurokurs ist keine Zahl."};
    // Shortest round-trip scientific form, for example "-1.95583e+00".
    char text[32];
    const auto written =
        std::to_chars(text, text + sizeof text, rate, std::chars_format::scientific);
    const std::string_view form(text, static_cast<std::size_t>(written.ptr - text));

    ExchangeRate result;
    std::size_t pos = 0;
    if (form[pos] == '-') {
        result.negative = true;
        ++pos;
    }
    int fractionDigits = 0;
    bool inFraction = false;
    for (; form[pos] != 'e'; ++pos) {
        if (form[pos] == '.') {
            inFraction = true;
            continue;
        }
        result.digits = result.digits * 10 + static_cast<std::uint64_t>(form[pos] - '0');
        fractionDigits += inFraction ? 1 : 0;
    }
    const bool negativeExponent = form[++pos] == '-';
    int exponent = 0;
    for (++pos; pos < form.size(); ++pos)
        exponent = exponent * 10 + (form[pos] - '0');
    result.exponent = (negativeExponent ? -exponent : exponent) - fractionDigits;
    if (result.digits == 0)
        result = ExchangeRate{};
    return result;
}

} // namespace penvaro::core
