#include "amountedittext.h"

namespace penvaro::entry {

QString AmountEditText(std::int64_t amount) {
    // Rounded in whole numbers, so that even the largest amounts show exactly.
    std::int64_t cents = amount / 100;
    const std::int64_t rest = amount % 100;
    if (rest >= 50)
        ++cents;
    else if (rest <= -50)
        --cents;
    const bool negative = cents < 0;
    const std::uint64_t magnitude =
        negative ? 0 - static_cast<std::uint64_t>(cents) : static_cast<std::uint64_t>(cents);
    return (negative ? QStringLiteral("-") : QString()) + QString::number(magnitude / 100)
           + QLatin1Char(',') + QStringLiteral("%1").arg(magnitude % 100, 2, 10, QLatin1Char('0'));
}

} // namespace penvaro::entry
