#include "newbooking.h"

#include "core/bookingchanges.h"
#include "core/recurring.h"

#include <algorithm>
#include <vector>

namespace penvaro::entry {

CatchUpDays RecurringCatchUpDays(double today, double nextCheckDay) {
    CatchUpDays days{today - 31.0, today - 1.0};
    if (nextCheckDay > 0.0)
        days.last = std::min(today, nextCheckDay - 1.0);
    return days;
}

CatchUpDays EditCatchUpDays(double today, double nextCheckDay) {
    CatchUpDays days = RecurringCatchUpDays(today, nextCheckDay);
    days.first = std::max(days.first, nextCheckDay);
    return days;
}

core::Result<int> AddNewBooking(core::BookingTable &table, const core::BookingRecord &record,
                                const std::filesystem::path &accountFile, const CatchUpDays &days) {
    if (table.remaining() < 1)
        return core::TableFullError();
    if (record.Satzart != core::BookingKind::Recurring) {
        if (auto added = core::AddBooking(table, record, accountFile); !added)
            return added.error();
        return 0;
    }

    // The room left after the new record bounds the planned ones.
    auto planned = core::PlanRecurringDaysFor(record, days.first, days.last, table.remaining() - 1);
    if (!planned) {
        if (planned.error().kind == core::ErrorKind::TooLarge)
            return core::TableFullError();
        return planned.error();
    }
    std::vector<core::BookingRecord> added{record};
    added.insert(added.end(), planned->begin(), planned->end());
    const int plannedCount = static_cast<int>(added.size()) - 1;
    // One record is appended; with planned ones the whole file is written in one go.
    auto stored = plannedCount == 0 ? core::AddBooking(table, record, accountFile)
                                    : core::AddBookings(table, added, accountFile);
    if (!stored)
        return stored.error();
    return plannedCount;
}

} // namespace penvaro::entry
