#pragma once

#include "core/bookingtable.h"
#include "core/sortbookingtable.h"

namespace penvaro::testing {

// The quadratic selection sort with exchange, written out step by step, against which the
// fast sort is checked and measured.
void ReferenceSortBookingTable(core::BookingTable &table, const core::SortOrder &order);

} // namespace penvaro::testing
