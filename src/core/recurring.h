#pragma once

#include "bookingtable.h"
#include "result.h"

#include <optional>
#include <vector>

namespace penvaro::core {

// Recurring bookings (kind 4) turn into planned bookings (kind 2) for the month after the
// check day on which they fall due. Nothing here reads or writes a file or the clock: the
// caller hands in the days, stores the bookings with the file and sorts the table.

// Appends a planned booking made from the recurring booking after the used slots, dated on its
// execution day of the month, or on the 1st of the following month when the month has no such
// day. Refuses with TooLarge when the table is full.
Result<void> CreatePlannedFromRecurring(BookingTable &table, const BookingRecord &recurring,
                                        int month, int year);

// Checks one day for every recurring booking among the used slots, in table order, and returns
// how many planned bookings it appended. When they do not all fit into the table, none is
// appended (TooLarge), so that the day can be checked again as a whole.
Result<int> ApplyRecurringDay(BookingTable &table, double day);

// The same check for one recurring booking; a record of any other kind yields nothing.
Result<int> ApplyRecurringDayFor(BookingTable &table, const BookingRecord &record, double day);

// The planned bookings one recurring booking makes on the check days firstDay through lastDay,
// in the order the days make them; TooLarge when there would be more than room.
Result<std::vector<BookingRecord>> PlanRecurringDaysFor(const BookingRecord &record,
                                                        double firstDay, double lastDay, int room);

struct DueBookings {
    std::vector<BookingRecord> planned; // in the order the check days made them
    double nextCheckDay = 0.0;          // the new "LM": the first day not checked yet
    // Set when the table had no room for the bookings of nextCheckDay; the days from there on
    // are checked at the next opening.
    std::optional<Error> stopped;
};

// The planned bookings the table's recurring bookings owe for every day from "LM" through
// today, as they would follow the used slots. The table is left as it is, so that the caller
// stores them together with the file or not at all. "LM" 0 means never checked: the check then
// starts at today's day one month earlier (clamped to that month's last day), and a booking the
// table already holds as planned, field for field, is not planned again: the file was checked
// where its "LM" was kept. An "LM" without a calendar date is damaged and is treated like 0.
Result<DueBookings> PlanDueRecurringBookings(const BookingTable &table, double nextCheckDay,
                                             double today);

// The planned bookings the recurring bookings among the used slots would make on the check days
// firstDay through lastDay, in the order the days make them. A forecast that is never stored,
// so the table's room does not limit it.
std::vector<BookingRecord> ForecastRecurringBookings(const BookingTable &table, double firstDay,
                                                     double lastDay);

} // namespace penvaro::core
