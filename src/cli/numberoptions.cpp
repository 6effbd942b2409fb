#include "numberoptions.h"

#include <algorithm>
#include <charconv>

namespace penvaro::cli {

std::optional<double> ParsePlainDecimal(std::string text) {
    std::replace(text.begin(), text.end(), ',', '.');
    // No sign, exponent, "inf" or "nan", which from_chars would take.
    const bool plain = text.find_first_not_of("0123456789.") == std::string::npos;
    double number = 0.0;
    const char *end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, number);
    if (!plain || error != std::errc{} || stop != end)
        return std::nullopt;
    return number;
}

} // namespace penvaro::cli
