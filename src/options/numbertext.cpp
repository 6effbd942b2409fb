#include "numbertext.h"

#include <QLocale>

#include <cmath>

namespace penvaro::options {

namespace {

QLocale UngroupedLocale() {
    QLocale locale;
    locale.setNumberOptions(QLocale::OmitGroupSeparator | QLocale::RejectGroupSeparator);
    return locale;
}

} // namespace

QString DecimalText(double value, int decimals) {
    return UngroupedLocale().toString(value, 'f', decimals);
}

std::optional<double> ReadDecimal(const QString &text) {
    bool ok = false;
    const double value = UngroupedLocale().toDouble(text.trimmed(), &ok);
    if (!ok || !std::isfinite(value))
        return std::nullopt;
    return value;
}

std::optional<std::int32_t> ReadWholeNumber(const QString &text) {
    bool ok = false;
    const int value = text.trimmed().toInt(&ok, 10);
    if (!ok)
        return std::nullopt;
    return value;
}

} // namespace penvaro::options
