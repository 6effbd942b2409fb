#include "typedamount.h"

#include "core/amountinput.h"

#include <QLocale>

namespace penvaro::entry {

std::optional<std::int64_t> ParseTypedAmount(const QString &text) {
    const QString separator = QLocale().decimalPoint();
    // A separator outside ASCII cannot be matched byte by byte; such a locale types no
    // fractions, which is safer than misreading them.
    const char decimalSeparator = separator.size() == 1 && separator.at(0).unicode() < 0x80
                                      ? separator.at(0).toLatin1()
                                      : '\0';
    return core::ParseAmount(text.toStdString(), decimalSeparator);
}

std::optional<std::int64_t> ParseUnsignedAmount(const QString &text) {
    // "-0,001" rounds to zero yet was typed below zero: the text decides, not the rounding.
    if (text.trimmed().startsWith(QLatin1Char('-')))
        return std::nullopt;
    return ParseTypedAmount(text);
}

} // namespace penvaro::entry
