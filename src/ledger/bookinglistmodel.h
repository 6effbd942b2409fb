#pragma once

#include "amountdisplay.h"

#include "core/bookingtable.h"
#include "widgets/bookingcolumns.h"

#include <QAbstractTableModel>

#include <array>
#include <cstdint>
#include <vector>

namespace penvaro::ledger {

using widgets::LedgerColumn;
using widgets::ShownColumn;

// The bookings of one listing of the open account as the ledger shows them: a row per listed
// record in table order, the columns the options switch on, and the running balance after each
// booking. An empty listing keeps one empty row, so that it still looks like a table; that row
// stands for no record.
class BookingListModel : public QAbstractTableModel {
    Q_OBJECT

public:
    BookingListModel(const core::BookingTable &table, core::Listing listing,
                     QObject *parent = nullptr);

    core::Listing listing() const { return m_listing; }
    // Takes the table afresh with the columns and amounts of the settings; balances holds one
    // per listed record, or none when the balance column is off.
    void reload(const core::Settings &settings, std::vector<std::int64_t> balances);

    const std::vector<ShownColumn> &columns() const { return m_columns; }
    // The column that shows the given content; -1 when it is not shown.
    int columnOf(LedgerColumn column) const;
    // The slot of the record in the row; 0 for the empty row of an empty listing.
    int slotAt(int row) const;
    // The row that shows the slot; -1 when the listing does not hold it.
    int rowOf(int slot) const;
    int listedCount() const { return static_cast<int>(m_slots.size()); }
    // The advance of each Windows-1252 character in the table's font.
    using CharWidths = std::array<int, 256>;
    // Rows whose text in the column is among the widest, for a column that keeps its whole
    // text (widgets::ColumnFit::WholeText), found from the values without writing 65,535 texts:
    // the kind by the sum of its characters' widths, statement numbers and dates (whose digits
    // are of one width) by their length, amounts and balances by the largest and the smallest.
    std::vector<int> widestTextRows(int col, const CharWidths &widths) const;

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

    // What a cell shows; row from 0.
    QString text(int row, int col) const;

private:
    const core::BookingTable &m_table;
    core::Listing m_listing;
    AmountDisplay m_amounts;
    std::vector<ShownColumn> m_columns;
    std::vector<int> m_slots;
    std::vector<std::int64_t> m_balances;
};

} // namespace penvaro::ledger
