#pragma once

#include "core/bookingtable.h"

#include <QAbstractTableModel>
#include <QFont>

#include <vector>

namespace penvaro::entry {

// The recurring bookings of the open account in table order: day of the month, interval, first
// day, kind, party, purpose, direction (bold) and amount. None listed keeps one empty row, which
// stands for no booking.
class RecurringBookingsModel : public QAbstractTableModel {
    Q_OBJECT

public:
    struct Column {
        const char16_t *title;
        int width;
        Qt::Alignment alignment;
    };
    static const std::vector<Column> &columns();

    explicit RecurringBookingsModel(const core::BookingTable &table, QObject *parent = nullptr);

    // Takes the table afresh; the direction is shown in the bold of this font.
    void reload(const QFont &font);
    // The slot of the booking in the row; 0 for the empty row.
    int slotAt(int row) const;
    int listedCount() const { return static_cast<int>(m_slots.size()); }

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    QString text(const core::BookingRecord &record, int column) const;

    const core::BookingTable &m_table;
    std::vector<int> m_slots;
    QFont m_bold;
};

} // namespace penvaro::entry
