#include "fieldtext.h"

#include "core/amountinput.h"

#include <QLocale>

namespace penvaro::entry {

std::optional<int> ReadInteger(const QString &text, int min, int max) {
    bool ok = false;
    const qlonglong value = text.trimmed().toLongLong(&ok, 10);
    if (!ok || value < min || value > max)
        return std::nullopt;
    return static_cast<int>(value);
}

char AmountDecimalSeparator() {
    const QString separator = QLocale().decimalPoint();
    if (separator.size() == 1 && separator.front().unicode() < 0x80)
        return static_cast<char>(separator.front().unicode());
    return '.';
}

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
           + QLatin1Char(AmountDecimalSeparator())
           + QStringLiteral("%1").arg(magnitude % 100, 2, 10, QLatin1Char('0'));
}

std::optional<std::int64_t> ReadAmountText(const QString &text) {
    return core::ParseAmount(text.toStdString(), AmountDecimalSeparator());
}

} // namespace penvaro::entry
