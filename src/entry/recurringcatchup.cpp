#include "recurringcatchup.h"

#include "core/recurring.h"

namespace penvaro::entry {

core::Result<std::vector<core::BookingRecord>>
CatchUpRecurring(const core::BookingRecord &recurring, const CatchUpDays &days) {
    return core::PlanRecurringDaysFor(recurring, days.first, days.last, core::MaxBookings);
}

} // namespace penvaro::entry
