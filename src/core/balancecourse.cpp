#include "balancecourse.h"

#include "balances.h"
#include "date.h"
#include "recurring.h"
#include "wideint.h"

#include <algorithm>
#include <cmath>
#include <map>

namespace penvaro::core {
namespace {

Error overflow() {
    return {ErrorKind::Overflow, "Ein Kontostand ist zu groß, um ihn darzustellen."};
}

// The balance at the end of every day from first through last: the opening balance plus the
// changes of the days up to each one.
Result<std::vector<BalancePoint>>
dailyBalances(Int128 opening, const std::map<double, Int128> &changes, double first, double last) {
    std::vector<BalancePoint> points;
    if (last < first)
        return points;
    points.reserve(static_cast<std::size_t>(last - first) + 1);
    Int128 balance = opening;
    auto change = changes.lower_bound(first);
    for (double day = first; day <= last; day += 1.0) {
        for (; change != changes.end() && change->first <= day; ++change)
            balance += change->second;
        if (!FitsInt64(balance))
            return overflow();
        points.push_back({day, static_cast<std::int64_t>(balance)});
    }
    return points;
}

} // namespace

double ProjectionEnd(double today) {
    const auto date = CivilFromDayCount(std::trunc(today));
    if (!date)
        return today;
    const int year = date->year + 1;
    return DayCountFromCivil(
        {year, date->month, std::min(date->day, DaysInMonth(year, date->month))});
}

Result<BalanceCourse> BuildBalanceCourse(const BookingTable &table, int year, double today) {
    today = std::trunc(today);
    const double yearStart = DayCountFromCivil({year, 1, 1});
    const double yearEnd = DayCountFromCivil({year, 12, 31});

    BalanceCourse course;
    Int128 opening = 0; // the book balance at the end of the day before the year
    std::map<double, Int128> booked;
    for (const BookingRecord &record : table.used()) {
        if (record.Satzart == BookingKind::StartValue) {
            opening += SignedAmount(record);
        } else if (record.Satzart == BookingKind::Completed) {
            const double day = std::trunc(record.Wertdatum);
            if (day < yearStart)
                opening += SignedAmount(record);
            else
                booked[day] += SignedAmount(record);
        }
    }
    auto bookedPoints = dailyBalances(opening, booked, yearStart, std::min(yearEnd, today));
    if (!bookedPoints)
        return bookedPoints.error();
    course.booked = std::move(*bookedPoints);

    const double end = ProjectionEnd(today);
    const double first = std::max(today, yearStart);
    if (year < CivilFromDayCount(today).value_or(CivilDate{year, 1, 1}).year || first > end)
        return course;

    Int128 todays = 0; // what is booked or planned up to today, whatever its date
    std::map<double, Int128> coming;
    auto add = [&](const BookingRecord &record) {
        const double day = std::trunc(record.Wertdatum);
        if (day <= first)
            todays += SignedAmount(record);
        else if (day <= end)
            coming[day] += SignedAmount(record);
    };
    for (const BookingRecord &record : table.used()) {
        if (record.Satzart == BookingKind::StartValue)
            todays += SignedAmount(record);
        else if (record.Satzart == BookingKind::Completed || record.Satzart == BookingKind::Planned)
            add(record);
    }
    // Today's recurring bookings were checked when the file was opened.
    for (const BookingRecord &record : ForecastRecurringBookings(table, today + 1.0, end))
        add(record);
    auto projected = dailyBalances(todays, coming, first, end);
    if (!projected)
        return projected.error();
    course.projected = std::move(*projected);
    return course;
}

} // namespace penvaro::core
