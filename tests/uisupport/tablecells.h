#pragma once

#include <QFont>
#include <QStringList>
#include <QTableView>

#include <vector>

namespace penvaro::testing {

// Reads and moves in a table view by what the user sees, in the coordinates the window tests
// use: row 0 is the header, the model's rows follow from row 1.
class TableCells {
public:
    explicit TableCells(QTableView &view)
        : m_view(view) {}

    QTableView &view() const { return m_view; }
    // The header row counted.
    int rowCount() const;
    int columnCount() const;
    QString cell(int col, int row) const;
    QStringList row(int row) const;
    // The texts below the header.
    QStringList column(int col) const;
    QStringList headers() const;
    int columnWidth(int col) const;
    Qt::Alignment alignment(int col) const;
    Qt::Alignment headerAlignment(int col) const;
    // The font the cells of the column are painted in.
    QFont font(int col) const;
    int rowHeight() const;

    // From 1; 0 without a current row.
    int currentRow() const;
    void setCurrentCell(int col, int row) const;
    // The selected rows from 1, ascending.
    std::vector<int> selectedRows() const;

private:
    QTableView &m_view;
};

} // namespace penvaro::testing
