#include "intervals.h"

namespace penvaro::entry {

QStringList IntervalTexts() {
    QStringList texts;
    for (const Interval &interval : Intervals)
        texts.append(QString::fromUtf16(interval.text));
    return texts;
}

std::uint16_t IntervalMonths(const QString &text) {
    for (const Interval &interval : Intervals) {
        if (text == QString::fromUtf16(interval.text))
            return interval.months;
    }
    return 1;
}

} // namespace penvaro::entry
