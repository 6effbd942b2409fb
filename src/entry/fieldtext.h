#pragma once

#include <QString>

#include <cstdint>
#include <optional>

namespace penvaro::entry {

// A whole number typed by the user, blanks around it allowed; nothing when it is not one or
// lies outside [min, max].
std::optional<int> ReadInteger(const QString &text, int min, int max);

// The decimal separator amounts are shown and typed with: the locale's, when it is a single
// ASCII character, else the point, so that whatever the field shows can be read back.
char AmountDecimalSeparator();

// The amount as an edit field shows it: two decimals, an exact half away from zero, no
// thousands separators ("12,50", "1234567,89").
QString AmountEditText(std::int64_t amount);

// The typed amount in ten-thousandths, exact; nothing for anything but a plain decimal number
// and for a value beyond 64 bits.
std::optional<std::int64_t> ReadAmountText(const QString &text);

} // namespace penvaro::entry
