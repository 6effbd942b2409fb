#include "recurringcatchup.h"

#include "core/recurring.h"

namespace penvaro::entry {

core::Result<std::vector<core::BookingRecord>>
CatchUpRecurring(const core::BookingRecord &recurring, const CatchUpDays &days) {
    // A table of its own, so that the real one changes only together with the file.
    core::BookingTable planned;
    for (double day = days.first; day <= days.last; day += 1.0) {
        if (auto created = core::ApplyRecurringDayFor(planned, recurring, day); !created)
            return created.error();
    }
    return std::vector<core::BookingRecord>(planned.used().begin(), planned.used().end());
}

} // namespace penvaro::entry
