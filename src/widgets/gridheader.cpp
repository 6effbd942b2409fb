#include "gridheader.h"

#include "stringgrid.h"
#include "writecelltext.h"

#include <QPainter>

namespace penvaro::widgets {

GridHeader::GridHeader(StringGrid *grid)
    : QHeaderView(Qt::Horizontal, grid)
    , m_grid(grid) {
    setSectionsClickable(false);
    setHighlightSections(false);
}

void GridHeader::paintSection(QPainter *painter, const QRect &rect, int logicalIndex) const {
    if (logicalIndex < 0 || logicalIndex >= m_grid->columnCount())
        return;
    const GridColumnTitle &title = m_grid->column(logicalIndex).title();
    const QString text = title.hasCaption() ? title.caption() : m_grid->cell(logicalIndex, 0);
    WriteCellText(*painter, rect, title.color(), title.font(), 1, 1, title.alignment(), text);
    DrawRaisedEdge(*painter, rect);
}

} // namespace penvaro::widgets
