#pragma once

#include "impcolumn.h"

#include <QTableView>

#include <memory>
#include <vector>

namespace penvaro::ledger {

class ImpGridModel;

// The string grid every table of the program uses: cells of text by column and row with a
// fixed header row (row 0) and optionally one fixed first column, painted from per-column
// objects. Editing and Tab navigation are off unless switched on with setOptions.
class TImpStringgrid : public QTableView {
    Q_OBJECT

public:
    enum Option {
        Editing = 0x1,
        Tabs = 0x2,
        RowSelect = 0x4,
        RangeSelect = 0x8,
    };
    Q_DECLARE_FLAGS(Options, Option)

    explicit TImpStringgrid(QWidget *parent = nullptr);
    ~TImpStringgrid() override;

    int ColCount() const;
    void setColCount(int count);
    // Counts the header row, as row numbers do.
    int RowCount() const;
    void setRowCount(int count);
    int FixedCols() const { return m_fixedCols; }
    void setFixedCols(int count);

    QString Cells(int col, int row) const;
    void setCell(int col, int row, const QString &text);
    void clearRow(int row);

    int ColWidths(int col) const;
    void setColWidths(int col, int width);
    int DefaultColWidth() const { return m_defaultColWidth; }
    int DefaultRowHeight() const { return m_defaultRowHeight; }
    void setDefaultRowHeight(int height);

    TImpColumn &Columns(int col) { return *m_columns.at(static_cast<std::size_t>(col)); }
    const TImpColumn &Columns(int col) const {
        return *m_columns.at(static_cast<std::size_t>(col));
    }

    QColor Color() const { return m_color; }
    void setColor(const QColor &color);
    QColor FixedColor() const { return m_fixedColor; }
    void setFixedColor(const QColor &color);
    QColor FontColor() const { return m_fontColor; }
    void setFontColor(const QColor &color);
    QString ImeName() const { return m_imeName; }
    void setImeName(const QString &name) { m_imeName = name; }

    Options options() const { return m_options; }
    void setOptions(Options options);

    // The current cell, in grid coordinates (data rows start at 1); 0 rows means none.
    int Col() const;
    int Row() const;
    void setCurrentCell(int col, int row);
    // The grid rows of the selected range, in ascending order.
    std::vector<int> selectedRows() const;

    // Cell changes in between send no signals; the end repaints once.
    void beginUpdate();
    void endUpdate();

    ImpGridModel *gridModel() const { return m_model; }

Q_SIGNALS:
    void OnTooMuchrows(penvaro::ledger::TImpStringgrid *sender);
    void OnNewRow(penvaro::ledger::TImpStringgrid *sender);
    void OnElippsisclicked(penvaro::ledger::TImpStringgrid *sender, int col, int row);
    void OnPicklistDropdown(QObject *sender, int col, int row, QStringList &pickList);
    // A mouse button was released over the cells or the header.
    void OnMouseUp(penvaro::ledger::TImpStringgrid *sender);

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void applySelectionMode();

    ImpGridModel *m_model;
    std::vector<std::unique_ptr<TImpColumn>> m_columns;
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

Q_DECLARE_OPERATORS_FOR_FLAGS(TImpStringgrid::Options)

} // namespace penvaro::ledger
