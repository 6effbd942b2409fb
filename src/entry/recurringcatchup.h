#pragma once

#include "core/bookingrecord.h"
#include "core/result.h"

#include <vector>

namespace penvaro::entry {

// The planned bookings that a recurring booking, entered or changed today, would have made on
// the 31 days before today. Today itself is left to the next opening of the file, which checks
// every day from the last one checked.
core::Result<std::vector<core::BookingRecord>>
CatchUpRecurring(const core::BookingRecord &recurring, double today);

} // namespace penvaro::entry
