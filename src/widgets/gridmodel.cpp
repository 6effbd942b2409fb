#include "gridmodel.h"

#include <algorithm>

namespace penvaro::widgets {

GridModel::GridModel(QObject *parent)
    : QAbstractTableModel(parent)
    , m_cells(static_cast<std::size_t>(m_cols * m_rows)) {}

std::size_t GridModel::offset(int col, int row) const {
    return static_cast<std::size_t>(row) * static_cast<std::size_t>(m_cols)
           + static_cast<std::size_t>(col);
}

void GridModel::setColumnCount(int count) {
    count = std::max(count, 1);
    if (count == m_cols)
        return;
    std::vector<QString> cells(static_cast<std::size_t>(count) * static_cast<std::size_t>(m_rows));
    const int kept = std::min(count, m_cols);
    for (int row = 0; row < m_rows; ++row) {
        for (int col = 0; col < kept; ++col)
            cells[static_cast<std::size_t>(row * count + col)] =
                std::move(m_cells[offset(col, row)]);
    }
    if (m_bulkDepth > 0) {
        m_cols = count;
        m_cells = std::move(cells);
        return;
    }
    if (count > m_cols)
        beginInsertColumns({}, m_cols, count - 1);
    else
        beginRemoveColumns({}, count, m_cols - 1);
    const bool growing = count > m_cols;
    m_cols = count;
    m_cells = std::move(cells);
    if (growing)
        endInsertColumns();
    else
        endRemoveColumns();
}

void GridModel::setGridRowCount(int count) {
    count = std::max(count, 1);
    if (count == m_rows)
        return;
    const bool growing = count > m_rows;
    if (m_bulkDepth == 0) {
        if (growing)
            beginInsertRows({}, m_rows - 1, count - 2);
        else
            beginRemoveRows({}, count - 1, m_rows - 2);
    }
    m_rows = count;
    m_cells.resize(static_cast<std::size_t>(m_cols) * static_cast<std::size_t>(m_rows));
    if (m_bulkDepth == 0) {
        if (growing)
            endInsertRows();
        else
            endRemoveRows();
    }
}

QString GridModel::cell(int col, int row) const {
    if (col < 0 || col >= m_cols || row < 0 || row >= m_rows)
        return {};
    return m_cells[offset(col, row)];
}

void GridModel::setCell(int col, int row, const QString &text) {
    if (col < 0 || col >= m_cols || row < 0 || row >= m_rows)
        return;
    m_cells[offset(col, row)] = text;
    if (m_bulkDepth > 0)
        return;
    if (row == 0) {
        Q_EMIT headerDataChanged(Qt::Horizontal, col, col);
    } else {
        const QModelIndex changed = index(row - 1, col);
        Q_EMIT dataChanged(changed, changed);
    }
}

void GridModel::clearGridRow(int row) {
    for (int col = 0; col < m_cols; ++col)
        setCell(col, row, {});
}

void GridModel::beginBulkUpdate() {
    if (m_bulkDepth++ == 0) {
        m_rowsAtBulkStart = m_rows;
        m_colsAtBulkStart = m_cols;
    }
}

void GridModel::endBulkUpdate() {
    if (--m_bulkDepth > 0)
        return;
    if (m_cols != m_colsAtBulkStart) {
        // Columns change only with a new layout; views then rebuild their headers anyway.
        beginResetModel();
        endResetModel();
        return;
    }
    const int rows = m_rows;
    if (rows != m_rowsAtBulkStart) {
        // Announce the change of row count against the count the views still know.
        m_rows = m_rowsAtBulkStart;
        if (rows > m_rows) {
            beginInsertRows({}, m_rows - 1, rows - 2);
            m_rows = rows;
            endInsertRows();
        } else {
            beginRemoveRows({}, rows - 1, m_rows - 2);
            m_rows = rows;
            endRemoveRows();
        }
    }
    if (m_rows > 1)
        Q_EMIT dataChanged(index(0, 0), index(m_rows - 2, m_cols - 1));
    Q_EMIT headerDataChanged(Qt::Horizontal, 0, m_cols - 1);
}

int GridModel::rowCount(const QModelIndex &parent) const {
    return parent.isValid() ? 0 : m_rows - 1;
}

int GridModel::columnCount(const QModelIndex &parent) const {
    return parent.isValid() ? 0 : m_cols;
}

QVariant GridModel::data(const QModelIndex &index, int role) const {
    if (!index.isValid() || (role != Qt::DisplayRole && role != Qt::EditRole))
        return {};
    return cell(index.column(), index.row() + 1);
}

bool GridModel::setData(const QModelIndex &index, const QVariant &value, int role) {
    if (!index.isValid() || role != Qt::EditRole)
        return false;
    setCell(index.column(), index.row() + 1, value.toString());
    return true;
}

QVariant GridModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return {};
    return cell(section, 0);
}

Qt::ItemFlags GridModel::flags(const QModelIndex &index) const {
    Qt::ItemFlags flags = QAbstractTableModel::flags(index);
    if (m_editable && index.column() >= m_fixedCols)
        flags |= Qt::ItemIsEditable;
    return flags;
}

} // namespace penvaro::widgets
