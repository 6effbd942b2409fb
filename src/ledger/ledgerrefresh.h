#pragma once

#include "ledgerwidgets.h"

#include "core/result.h"

#include <cstdint>
#include <string>
#include <utility>

namespace penvaro::platform {
class AppState;
} // namespace penvaro::platform

namespace penvaro::ledger {

// Fills both booking grids from the table and its sums into the sum displays; the book
// balance goes to the account register. A sum that does not fit 64 bits is reported instead
// of being shown wrong.
class LedgerRefresh {
public:
    LedgerRefresh(platform::AppState &state, const LedgerWidgets &widgets);

    core::Result<void> RefreshLedger();
    core::Result<void> LayoutCompletedGrid();
    void LayoutPlannedGrid();
    // Recomputes the planned sum only (the button beside it).
    core::Result<void> ComputePlannedSum();

    // Stores the column widths the user dragged, then lays the grid out again.
    core::Result<void> TakeOverCompletedWidths();
    void TakeOverPlannedWidths();

    // The completed grid's width without its vertical scroll bar, for windows sized after it.
    int usableWidth() const { return m_usableWidth; }
    // The book balance of the last refresh.
    std::int64_t bookBalance() const { return m_bookBalance; }

private:
    void fillGrids();
    core::Result<void> computeSums();
    core::Result<void> fillRunningBalances();

    platform::AppState &m_state;
    LedgerWidgets m_w;
    int m_usableWidth = 0;
    std::int64_t m_bookBalance = 0;
    std::int64_t m_plannedSum = 0;
    // The account file and book balance last written into the account register.
    std::pair<std::string, std::int64_t> m_registered;
};

} // namespace penvaro::ledger
