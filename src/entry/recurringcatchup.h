#pragma once

#include "newbooking.h"

#include "core/bookingrecord.h"
#include "core/result.h"

#include <vector>

namespace penvaro::entry {

// The planned bookings that a recurring booking, entered or changed now, would have made on
// the catch-up days, so that the caller can store them together with the booking.
core::Result<std::vector<core::BookingRecord>>
CatchUpRecurring(const core::BookingRecord &recurring, const CatchUpDays &days);

} // namespace penvaro::entry
