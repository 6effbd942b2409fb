#pragma once

#include "core/bookingrecord.h"

#include <vector>

namespace penvaro::bench {

// A full account: a start value and then completed bookings, every tenth one planned, on value
// dates spread over eleven years in random order, the same on every run.
std::vector<core::BookingRecord> FullAccount();

} // namespace penvaro::bench
