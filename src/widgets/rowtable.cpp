#include "rowtable.h"

#include <QFontMetrics>
#include <QHeaderView>
#include <QScrollBar>
#include <QTableView>

#include <algorithm>

namespace penvaro::widgets {

void SetUpRowTable(QTableView &view) {
    view.setSelectionBehavior(QAbstractItemView::SelectRows);
    view.setSelectionMode(QAbstractItemView::SingleSelection);
    view.setEditTriggers(QAbstractItemView::NoEditTriggers);
    view.setTabKeyNavigation(false);
    view.setWordWrap(false);
    view.setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    view.verticalHeader()->hide();
    view.verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    view.verticalHeader()->setMinimumSectionSize(1);
    view.horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    view.horizontalHeader()->setMinimumSectionSize(0);
    view.horizontalHeader()->setSectionsClickable(false);
    view.horizontalHeader()->setHighlightSections(false);
    SetRowHeight(view, 24);
}

void SetRowHeight(QTableView &view, int height) {
    view.verticalHeader()->setDefaultSectionSize(height);
    view.horizontalHeader()->setFixedHeight(height);
}

void KeepColumnsInView(QTableView &view) {
    int width = 0;
    for (int col = 0; col < view.model()->columnCount(); ++col)
        width += view.columnWidth(col);
    view.setMinimumWidth(width + 2 * view.frameWidth()
                         + view.verticalScrollBar()->sizeHint().width());
}

void SetWrittenColumnWidths(QTableView &view, const std::vector<WrittenColumn> &columns) {
    const QFontMetrics metrics(view.font());
    int col = 0;
    for (const WrittenColumn &column : columns)
        view.setColumnWidth(col++, std::max(column.width, metrics.horizontalAdvance(column.title)
                                                              + 2 * metrics.averageCharWidth()));
    KeepColumnsInView(view);
}

} // namespace penvaro::widgets
