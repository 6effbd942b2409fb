#pragma once

#include <QDate>

namespace penvaro::platform {

// Where "today" comes from; tests hand in a fixed day.
class Clock {
public:
    virtual ~Clock() = default;
    virtual QDate today() const = 0;
};

class SystemClock final : public Clock {
public:
    QDate today() const override { return QDate::currentDate(); }
};

class FixedClock final : public Clock {
public:
    explicit FixedClock(QDate day)
        : m_day(day) {}
    QDate today() const override { return m_day; }
    void setToday(QDate day) { m_day = day; }

private:
    QDate m_day;
};

// The day count since 30.12.1899 that the booking records use.
double DayCountOf(QDate date);
QDate DateOfDayCount(double dayCount);

} // namespace penvaro::platform
