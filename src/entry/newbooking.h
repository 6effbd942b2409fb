#pragma once

#include "core/bookingtable.h"
#include "core/result.h"

#include <filesystem>

namespace penvaro::entry {

// The days, first to last, over which a newly entered recurring booking is checked at once.
struct CatchUpDays {
    double first = 0.0;
    double last = -1.0;
};

// The 31 days before today, and today too once the check at opening has passed it: each day
// the opening check has already done without the new booking, and none that the next opening
// will check again ("LM", the next check day; 0 when the account was never checked).
CatchUpDays RecurringCatchUpDays(double today, double nextCheckDay);

// The catch-up days of a changed recurring booking: those of a new one without the days the
// opening check has already done (before "LM"), since the booking existed then and got its
// planned bookings; checking them again would plan the same months twice.
CatchUpDays EditCatchUpDays(double today, double nextCheckDay);

// Adds a booking typed by the user to table and file. A recurring booking comes with the
// planned bookings that fell due on the catch-up days. All of them are stored or none: a
// table without room for them all, or a file that cannot be written, leaves both as they
// were. Returns how many planned bookings came with it.
core::Result<int> AddNewBooking(core::BookingTable &table, const core::BookingRecord &record,
                                const std::filesystem::path &accountFile, const CatchUpDays &days);

} // namespace penvaro::entry
