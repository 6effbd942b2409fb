#pragma once

#include <QString>

#include <cstdint>
#include <optional>

namespace penvaro::entry {

// An amount in euro as typed, in ten-thousandths: the locale's decimal separator, an optional
// sign, no thousands separators; an exact half rounds to the even neighbour. Nothing when the
// text is no such number or the result does not fit 64 bits.
std::optional<std::int64_t> ParseTypedAmount(const QString &text);

// An amount typed beside a sign list: as above, but nothing for an amount typed below zero,
// so that a typed "-" can never turn the direction chosen in the list.
std::optional<std::int64_t> ParseUnsignedAmount(const QString &text);

} // namespace penvaro::entry
