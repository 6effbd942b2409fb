#include "recurring.h"

#include "date.h"

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

namespace penvaro::core {
namespace {

// The execution days a check day stands for: its own day, and on the last day of a short
// month also the days that month lacks. Otherwise a booking due on the 30th would never be
// checked for February and so never planned for March.
bool executesOn(int executionDay, const CivilDate &check) {
    return executionDay == check.day
           || (check.day == DaysInMonth(check.year, check.month) && executionDay > check.day
               && executionDay <= 31);
}

// N: the execution day one month after the check month. Always a real date.
double comparisonDate(const CivilDate &check, int executionDay) {
    if (check.month == 1 && executionDay >= 29)
        return DayCountFromCivil({check.year, 3, 1});
    if (check.month == 12)
        return DayCountFromCivil({check.year + 1, 1, executionDay});
    if (executionDay == 31)
        return DayCountFromCivil({check.year, check.month + 1, 30});
    return DayCountFromCivil({check.year, check.month + 1, executionDay});
}

// Intervals 2, 3 and 6 plan the months that leave the first execution's remainder; 12 follows
// the same rule, so a yearly booking repeats every year in the month of its first execution.
bool intervalAllows(int interval, int targetMonth, int firstMonth) {
    switch (interval) {
    case 1:
        return true;
    case 2:
    case 3:
    case 6:
    case 12:
        return targetMonth % interval == firstMonth % interval;
    default:
        return false;
    }
}

bool isDue(const BookingRecord &r, const CivilDate &check, const CivilDate &target) {
    if (r.Satzart != BookingKind::Recurring || !executesOn(r.Auszugsnr, check))
        return false;
    // Written so that a damaged (NaN) first execution is never due.
    if (!(r.Wertdatum <= comparisonDate(check, r.Auszugsnr) + 1.0))
        return false;
    const auto first = CivilFromDayCount(r.Wertdatum);
    return first && intervalAllows(r.Auszugsjahr, target.month, first->month);
}

CivilDate nextMonth(const CivilDate &date) {
    return date.month == 12 ? CivilDate{date.year + 1, 1, 1}
                            : CivilDate{date.year, date.month + 1, 1};
}

// The planned booking a recurring one makes for the month, dated on its execution day, or on
// the 1st of the following month when the month has no such day.
BookingRecord plannedFrom(const BookingRecord &recurring, const CivilDate &month) {
    const CivilDate wanted{month.year, month.month, recurring.Auszugsnr};
    BookingRecord planned;
    planned.Satzart = BookingKind::Planned;
    planned.Wertdatum = DayCountFromCivil(IsValidCivilDate(wanted) ? wanted : nextMonth(wanted));
    planned.Buchungsart = recurring.Buchungsart;
    planned.Absender = recurring.Absender;
    planned.Verwendungszweck = recurring.Verwendungszweck;
    planned.details = recurring.details;
    planned.SollHaben = recurring.SollHaben;
    planned.Betrag = recurring.Betrag;
    return planned;
}

Error tableFull(const CivilDate &check) {
    return {ErrorKind::TooLarge,
            "Die am " + FormatDate(DayCountFromCivil(check))
                + " fälligen monatlichen Buchungen passen nicht mehr in die Tabelle, die "
                  "höchstens "
                + MaxBookingsText() + " Datensätze aufnimmt."};
}

// Copies, so that they stay as they are while planned bookings are written into the table.
std::vector<BookingRecord> recurringRecords(const BookingTable &table) {
    std::vector<BookingRecord> records;
    for (const BookingRecord &r : table.used()) {
        if (r.Satzart == BookingKind::Recurring)
            records.push_back(r);
    }
    return records;
}

// The records due on the check day; each plans a booking in the month after it.
std::vector<const BookingRecord *> dueOn(const std::vector<BookingRecord> &records,
                                         const CivilDate &check) {
    const CivilDate target = nextMonth(check);
    std::vector<const BookingRecord *> due;
    for (const BookingRecord &r : records) {
        if (isDue(r, check, target))
            due.push_back(&r);
    }
    return due;
}

// The planned bookings of the due records among the given ones, all or none: none when more
// than room would be planned in all.
Result<void> planDay(std::vector<BookingRecord> &planned, const std::vector<BookingRecord> &records,
                     const CivilDate &check, int room) {
    const CivilDate target = nextMonth(check);
    const std::vector<const BookingRecord *> due = dueOn(records, check);
    if (due.empty())
        return {};
    if (planned.size() + due.size() > static_cast<std::size_t>(room))
        return tableFull(check);
    if (!IsValidCivilDate({target.year, target.month, 1}))
        return Error{ErrorKind::Invalid, "Der Monat " + std::to_string(target.month) + "/"
                                             + std::to_string(target.year) + " ist ungültig."};
    for (const BookingRecord *r : due)
        planned.push_back(plannedFrom(*r, target));
    return {};
}

Result<int> applyDay(BookingTable &table, const std::vector<BookingRecord> &records,
                     const CivilDate &check) {
    std::vector<BookingRecord> planned;
    if (auto made = planDay(planned, records, check, table.remaining()); !made)
        return made.error();
    for (BookingRecord &r : planned)
        table.append(std::move(r));
    return static_cast<int>(planned.size());
}

Result<CivilDate> checkDate(double day) {
    const auto date = CivilFromDayCount(day);
    if (!date)
        return Error{ErrorKind::Invalid, "Der Prüftag ist kein gültiges Datum."};
    return *date;
}

double oneMonthBefore(const CivilDate &today) {
    if (today.month == 1)
        return DayCountFromCivil({today.year - 1, 12, today.day});
    const int month = today.month - 1;
    return DayCountFromCivil(
        {today.year, month, std::min(today.day, DaysInMonth(today.year, month))});
}

} // namespace

Result<void> CreatePlannedFromRecurring(BookingTable &table, const BookingRecord &recurring,
                                        int month, int year) {
    if (!IsValidCivilDate({year, month, 1}))
        return Error{ErrorKind::Invalid, "Der Monat " + std::to_string(month) + "/"
                                             + std::to_string(year) + " ist ungültig."};
    if (table.remaining() < 1)
        return Error{ErrorKind::TooLarge, "Die Tabelle ist voll: Sie nimmt höchstens "
                                              + MaxBookingsText() + " Datensätze auf."};
    table.append(plannedFrom(recurring, {year, month, 1}));
    return {};
}

Result<int> ApplyRecurringDay(BookingTable &table, double day) {
    const auto check = checkDate(day);
    if (!check)
        return check.error();
    return applyDay(table, recurringRecords(table), *check);
}

Result<int> ApplyRecurringDayFor(BookingTable &table, const BookingRecord &record, double day) {
    const auto check = checkDate(day);
    if (!check)
        return check.error();
    return applyDay(table, std::vector<BookingRecord>{record}, *check);
}

Result<DueBookings> PlanDueRecurringBookings(const BookingTable &table, double nextCheckDay,
                                             double today) {
    const auto todayDate = CivilFromDayCount(today);
    if (!todayDate)
        return Error{ErrorKind::Invalid, "Das heutige Datum ist ungültig."};
    double day = std::trunc(nextCheckDay);
    const bool neverChecked = day == 0.0 || !CivilFromDayCount(day);
    if (neverChecked)
        day = oneMonthBefore(*todayDate);

    const std::vector<BookingRecord> records = recurringRecords(table);
    std::vector<BookingRecord> planned;

    DueBookings due;
    for (const double last = DayCountFromCivil(*todayDate); day <= last; day += 1.0) {
        // Only the days before 01.01.0001 have no calendar date; nothing is due on them.
        const auto check = CivilFromDayCount(day);
        if (!check)
            continue;
        if (auto created = planDay(planned, records, *check, table.remaining()); !created) {
            due.stopped = created.error();
            break;
        }
    }
    due.nextCheckDay = day;
    for (BookingRecord &r : planned) {
        // A file checked on another computer, or with its settings lost, comes without its
        // check day; the month checked again must not plan a booking the file already holds.
        if (neverChecked && SlotOf(table, r) != 0)
            continue;
        due.planned.push_back(std::move(r));
    }
    return due;
}

Result<std::vector<BookingRecord>> PlanRecurringDaysFor(const BookingRecord &record,
                                                        double firstDay, double lastDay, int room) {
    const std::vector<BookingRecord> records{record};
    std::vector<BookingRecord> planned;
    for (double day = firstDay; day <= lastDay; day += 1.0) {
        const auto check = checkDate(day);
        if (!check)
            return check.error();
        if (auto made = planDay(planned, records, *check, room); !made)
            return made.error();
    }
    return planned;
}

std::vector<BookingRecord> ForecastRecurringBookings(const BookingTable &table, double firstDay,
                                                     double lastDay) {
    const std::vector<BookingRecord> records = recurringRecords(table);
    std::vector<BookingRecord> planned;
    if (records.empty())
        return planned;
    for (double day = std::trunc(firstDay); day <= lastDay; day += 1.0) {
        const auto check = CivilFromDayCount(day);
        if (!check)
            continue;
        const CivilDate target = nextMonth(*check);
        for (const BookingRecord *r : dueOn(records, *check))
            planned.push_back(plannedFrom(*r, target));
    }
    return planned;
}

} // namespace penvaro::core
