#include "recurringcatchup.h"

#include "core/recurring.h"

namespace penvaro::entry {

core::Result<std::vector<core::BookingRecord>>
CatchUpRecurring(const core::BookingRecord &recurring, double today) {
    // A table of its own, so that the caller can put the record and these bookings into the
    // real table and the file in one step, or neither.
    core::BookingTable planned;
    for (double day = today - 31.0; day < today; day += 1.0) {
        if (auto created = core::ApplyRecurringDayFor(planned, recurring, day); !created)
            return created.error();
    }
    return std::vector<core::BookingRecord>(planned.slots.begin(),
                                            planned.slots.begin() + planned.count);
}

} // namespace penvaro::entry
