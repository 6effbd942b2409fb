#pragma once

#include "gridcolumn.h"

#include <QTableView>

#include <memory>
#include <vector>

namespace penvaro::widgets {

class GridModel;

// The string grid every table of the program uses: cells of text by column and row with a
// fixed header row (row 0) and optionally one fixed first column, painted from per-column
// objects. Editing and Tab navigation are off unless switched on with setOptions.
class StringGrid : public QTableView {
    Q_OBJECT

public:
    enum Option {
        Editing = 0x1,
        Tabs = 0x2,
        RowSelect = 0x4,
        RangeSelect = 0x8,
    };
    Q_DECLARE_FLAGS(Options, Option)

    explicit StringGrid(QWidget *parent = nullptr);
    ~StringGrid() override;

    int columnCount() const;
    void setColumnCount(int count);
    // Counts the header row, as row numbers do.
    int rowCount() const;
    void setRowCount(int count);
    int fixedColumns() const { return m_fixedCols; }
    void setFixedColumns(int count);

    QString cell(int col, int row) const;
    void setCell(int col, int row, const QString &text);
    void clearRow(int row);

    // Column widths are QTableView's own columnWidth and setColumnWidth.
    int defaultColumnWidth() const { return m_defaultColWidth; }
    int defaultRowHeight() const { return m_defaultRowHeight; }
    void setDefaultRowHeight(int height);

    GridColumn &column(int col) { return *m_columns.at(static_cast<std::size_t>(col)); }
    const GridColumn &column(int col) const { return *m_columns.at(static_cast<std::size_t>(col)); }

    QColor color() const { return m_color; }
    void setColor(const QColor &color);
    QColor fixedColor() const { return m_fixedColor; }
    void setFixedColor(const QColor &color);
    QColor fontColor() const { return m_fontColor; }
    void setFontColor(const QColor &color);
    QString imeName() const { return m_imeName; }
    void setImeName(const QString &name) { m_imeName = name; }

    Options options() const { return m_options; }
    void setOptions(Options options);

    // The current cell, in grid coordinates (data rows start at 1); 0 rows means none.
    int currentColumn() const;
    int currentRow() const;
    void setCurrentCell(int col, int row);
    // The grid rows of the selected range, in ascending order.
    std::vector<int> selectedRows() const;

    // Cell changes in between send no signals; the end repaints once.
    void beginUpdate();
    void endUpdate();

    GridModel *gridModel() const { return m_model; }

Q_SIGNALS:
    // Tab appended a row that no longer fits the visible height (once until it fits again).
    void tooManyRows();
    // Tab in the last cell appended an empty row.
    void rowAppended();
    // The ellipsis button of the cell editor was pressed.
    void ellipsisClicked(int col, int row);
    // The cell editor is about to show its pick list: a handler may set the column's list now.
    void pickListAboutToShow(int col, int row);
    // A mouse button was released over the cells or the header.
    void mouseReleased();

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    friend class GridInplaceEditor;

    void applySelectionMode();

    GridModel *m_model;
    std::vector<std::unique_ptr<GridColumn>> m_columns;
    int m_fixedCols = 1;
    int m_defaultColWidth = 64;
    int m_defaultRowHeight = 24;
    QColor m_color;
    QColor m_fixedColor;
    QColor m_fontColor;
    QString m_imeName;
    Options m_options;
    bool m_tooManyRowsReported = false;
};

Q_DECLARE_OPERATORS_FOR_FLAGS(StringGrid::Options)

} // namespace penvaro::widgets
