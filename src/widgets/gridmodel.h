#pragma once

#include <QAbstractTableModel>
#include <QString>

#include <vector>

namespace penvaro::widgets {

// The cell texts of a string grid, one flat vector, no object per cell. Grid row 0 is the
// header row and appears as the horizontal header; grid row r > 0 is model row r - 1.
class GridModel : public QAbstractTableModel {
    Q_OBJECT

public:
    explicit GridModel(QObject *parent = nullptr);

    int colCount() const { return m_cols; }
    int gridRowCount() const { return m_rows; }
    void setColumnCount(int count);
    void setGridRowCount(int count);

    QString cell(int col, int row) const;
    void setCell(int col, int row, const QString &text);
    void clearGridRow(int row);

    void setEditable(bool editable) { m_editable = editable; }
    void setFixedColumns(int fixedCols) { m_fixedCols = fixedCols; }

    // While a bulk update runs, cell changes send no signals; its end announces everything
    // at once, keeping the current cell and selection where they still exist.
    void beginBulkUpdate();
    void endBulkUpdate();

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    bool setData(const QModelIndex &index, const QVariant &value, int role) override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;

private:
    std::size_t offset(int col, int row) const;

    int m_cols = 5;
    int m_rows = 5;
    int m_fixedCols = 1;
    bool m_editable = false;
    int m_bulkDepth = 0;
    int m_rowsAtBulkStart = 0;
    int m_colsAtBulkStart = 0;
    std::vector<QString> m_cells;
};

} // namespace penvaro::widgets
