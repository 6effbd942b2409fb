#pragma once

#include <QString>
#include <QStringList>

#include <array>
#include <cstdint>

namespace penvaro::entry {

// How often a recurring booking falls due: the text the user picks and the months stored in
// the record's Auszugsjahr.
struct Interval {
    const char16_t *text;
    std::uint16_t months;
};

inline constexpr std::array<Interval, 5> Intervals{{
    {u"jeden Monat", 1},
    {u"alle 2 Monate", 2},
    {u"alle 3 Monate", 3},
    {u"alle 6 Monate", 6},
    {u"alle 12 Monate", 12},
}};

// The texts in the order the interval boxes offer them.
QStringList IntervalTexts();

// A text typed freely rather than picked means every month.
std::uint16_t IntervalMonths(const QString &text);

} // namespace penvaro::entry
