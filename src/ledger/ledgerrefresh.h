#pragma once

#include "ledgercolumns.h"
#include "ledgerwidgets.h"

#include "core/bookingtable.h"
#include "core/result.h"

#include <cstdint>
#include <vector>

namespace penvaro::platform {
class AppState;
} // namespace penvaro::platform

namespace penvaro::ledger {

// Fills both booking grids from the table and its sums into the sum displays. A sum that does
// not fit 64 bits is reported instead of being shown wrong. Laying the columns out is separate
// and changes no content, so that resizing never computes or writes anything.
class LedgerRefresh {
public:
    LedgerRefresh(platform::AppState &state, const LedgerWidgets &widgets);

    core::Result<void> refreshLedger();
    // Recomputes the planned sum only (the button beside it).
    core::Result<void> computePlannedSum();

    // Fits the columns into the grids' present width: free text gives way first, amounts,
    // dates and balances keep their whole text; the currency boxes follow their columns.
    void fitColumns();
    void placeCurrencyBoxes();
    // A column the user resized keeps that width in the settings of the file.
    void columnResized(core::Listing listing, int column, int width);

    // Grid row r (from 1) shows the record in slot rowSlots(listing)[r - 1].
    const std::vector<int> &rowSlots(core::Listing listing) const;
    // The book balance of the last refresh.
    std::int64_t bookBalance() const { return m_bookBalance; }

private:
    struct GridContent {
        std::vector<ShownColumn> columns;
        std::vector<int> rows;
        std::vector<int> minimumWidths;
    };

    void showOptions();
    void fillGrid(widgets::StringGrid &grid, GridContent &content, int rowHeight);
    core::Result<void> computeSums();
    core::Result<void> fillRunningBalances();
    void measure(const widgets::StringGrid &grid, GridContent &content) const;
    void fit(widgets::StringGrid &grid, const GridContent &content);

    platform::AppState &m_state;
    LedgerWidgets m_w;
    GridContent m_completed;
    GridContent m_planned;
    std::vector<int> m_noSlots;
    bool m_fitting = false;
    std::int64_t m_bookBalance = 0;
    std::int64_t m_plannedSum = 0;
};

} // namespace penvaro::ledger
