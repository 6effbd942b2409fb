#pragma once

#include <QString>

#include <cstdint>
#include <optional>

namespace penvaro::options {

// Decimal numbers as the options show and read them: in the user's locale, never grouped,
// since a grouped number would not be read back. Only finite numbers are read: an infinite
// rate or interest would spread into every amount shown.
QString DecimalText(double value, int decimals);
std::optional<double> ReadDecimal(const QString &text);

// A whole number in 32 bits, with an optional sign; blanks around it are ignored.
std::optional<std::int32_t> ReadWholeNumber(const QString &text);

} // namespace penvaro::options
