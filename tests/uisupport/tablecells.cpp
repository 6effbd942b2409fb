#include "tablecells.h"

#include <QHeaderView>
#include <QTableView>

#include <algorithm>

namespace penvaro::testing {

int TableCells::rowCount() const {
    return m_view.model()->rowCount() + 1;
}

int TableCells::columnCount() const {
    return m_view.model()->columnCount();
}

QString TableCells::cell(int col, int row) const {
    if (row == 0)
        return m_view.model()->headerData(col, Qt::Horizontal, Qt::DisplayRole).toString();
    return m_view.model()->index(row - 1, col).data().toString();
}

QStringList TableCells::row(int row) const {
    QStringList texts;
    for (int col = 0; col < columnCount(); ++col)
        texts.append(cell(col, row));
    return texts;
}

QStringList TableCells::column(int col) const {
    QStringList texts;
    for (int row = 1; row < rowCount(); ++row)
        texts.append(cell(col, row));
    return texts;
}

QStringList TableCells::headers() const {
    return row(0);
}

int TableCells::columnWidth(int col) const {
    return m_view.columnWidth(col);
}

Qt::Alignment TableCells::alignment(int col) const {
    const QVariant aligned = m_view.model()->index(0, col).data(Qt::TextAlignmentRole);
    return Qt::Alignment(aligned.toInt()) & Qt::AlignHorizontal_Mask;
}

Qt::Alignment TableCells::headerAlignment(int col) const {
    const QVariant aligned = m_view.model()->headerData(col, Qt::Horizontal, Qt::TextAlignmentRole);
    return Qt::Alignment(aligned.toInt()) & Qt::AlignHorizontal_Mask;
}

QFont TableCells::font(int col) const {
    const QVariant own = m_view.model()->index(0, col).data(Qt::FontRole);
    return own.isValid() ? own.value<QFont>() : m_view.font();
}

int TableCells::rowHeight() const {
    return m_view.verticalHeader()->defaultSectionSize();
}

int TableCells::currentRow() const {
    const QModelIndex current = m_view.currentIndex();
    return current.isValid() ? current.row() + 1 : 0;
}

void TableCells::setCurrentCell(int col, int row) const {
    m_view.setCurrentIndex(m_view.model()->index(row - 1, col));
}

std::vector<int> TableCells::selectedRows() const {
    std::vector<int> rows;
    for (const QModelIndex &index : m_view.selectionModel()->selectedRows())
        rows.push_back(index.row() + 1);
    std::sort(rows.begin(), rows.end());
    return rows;
}

} // namespace penvaro::testing
