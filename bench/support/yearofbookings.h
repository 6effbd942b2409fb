#pragma once

#include "core/bookingrecord.h"

#include <vector>

namespace penvaro::bench {

// 5000 bookings that all fall into 2011, spread over forty categories and two hundred parties,
// with some planned and recurring ones for the projection; the same on every run.
std::vector<core::BookingRecord> YearOfBookings();

} // namespace penvaro::bench
