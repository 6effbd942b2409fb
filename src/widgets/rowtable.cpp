#include "rowtable.h"

#include <QHeaderView>
#include <QTableView>

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

} // namespace penvaro::widgets
