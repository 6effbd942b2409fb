#include "datepicker.h"

#include "platform/clock.h"

#include <QSignalBlocker>

#include <cmath>

namespace penvaro::evaluation {

DatePicker::DatePicker(QWidget *parent)
    : QDateEdit(parent) {
    setCalendarPopup(true);
    setDisplayFormat(QStringLiteral("dd.MM.yyyy"));
    setKeyboardTracking(false);
    // Bookings reach back to the start value of 1960 and beyond; the calendar's own lower
    // limit of 1752 would cut older dates silently.
    setMinimumDate(QDate(100, 1, 1));
}

double DatePicker::dayCount() const {
    return platform::DayCountOf(date());
}

void DatePicker::setDayCount(double dayCount) {
    const QSignalBlocker quiet(this);
    setDate(platform::DateOfDayCount(std::trunc(dayCount)));
}

} // namespace penvaro::evaluation
