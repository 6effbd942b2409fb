#pragma once

#include "core/bookingrecord.h"

#include <vector>

namespace penvaro::bench {

// An account of the given size (5000 records: full before the table grew): a start value and
// then completed bookings, every tenth one planned, on value dates spread over eleven years in
// random order, the same on every run.
std::vector<core::BookingRecord> FullAccount(int size = 5000);

} // namespace penvaro::bench
