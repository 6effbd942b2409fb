#pragma once

#include "bookingtable.h"

#include <string_view>

namespace penvaro::core {

enum class DoneOrder {
    Normal,        // statement year, statement number, value date
    StatementDate, // "ad"
    ValueDate,     // "wd"
};

// Any value of the "SortBy" setting other than "ad" and "wd" orders as "normal".
DoneOrder DoneOrderFromSetting(std::string_view sortBy);

struct SortOrder {
    DoneOrder done = DoneOrder::Normal;
    bool doneAscending = true;    // "Sort1"
    bool plannedAscending = true; // "Sort2"
};

// Orders the used slots by kind, then each run by its own key, and sets the six run indices.
// Records with equal keys end up exactly where a selection sort with exchange puts them.
void SortBookingTable(BookingTable &table, const SortOrder &order);

} // namespace penvaro::core
