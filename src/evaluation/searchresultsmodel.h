#pragma once

#include "core/bookingtable.h"
#include "core/evaluationrows.h"
#include "core/search.h"
#include "widgets/bookingcolumns.h"

#include <QAbstractTableModel>

#include <vector>

namespace penvaro::evaluation {

// The bookings a search found, in the columns of the ledger's completed bookings without the
// balance column: a row per booking in table order, a single empty row when there is no
// result. Planned bookings are set in italics and say so to a screen reader, since money that
// has not moved yet must not be read as booked. The sums are the window's, below the table.
class SearchResultsModel : public QAbstractTableModel {
    Q_OBJECT

public:
    explicit SearchResultsModel(QObject *parent = nullptr);

    // The columns as the settings have them; clears the rows.
    void setColumns(const core::Settings &settings);
    const std::vector<widgets::ShownColumn> &columns() const { return m_columns; }
    void clear();
    void setResult(const core::BookingTable &table, const core::SearchResult &result,
                   const core::EvaluationLayout &layout);
    // The slots of the found bookings, row by row.
    const std::vector<int> &foundSlots() const { return m_slots; }
    bool isPlanned(int row) const;
    int foundCount() const { return static_cast<int>(m_rows.size()); }
    // The text of a found booking's cell; row from 0.
    const QString &cell(int row, int col) const {
        return m_rows[static_cast<std::size_t>(row)][static_cast<std::size_t>(col)];
    }

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    std::vector<widgets::ShownColumn> m_columns;
    std::vector<int> m_slots;
    std::vector<std::vector<QString>> m_rows;
    std::vector<bool> m_planned;
};

} // namespace penvaro::evaluation
