#include "impgridheader.h"

#include "impstringgrid.h"
#include "writecelltext.h"

#include <QPainter>

namespace penvaro::ledger {

ImpGridHeader::ImpGridHeader(TImpStringgrid *grid)
    : QHeaderView(Qt::Horizontal, grid)
    , m_grid(grid) {
    setSectionsClickable(false);
    setHighlightSections(false);
}

void ImpGridHeader::paintSection(QPainter *painter, const QRect &rect, int logicalIndex) const {
    if (logicalIndex < 0 || logicalIndex >= m_grid->ColCount())
        return;
    const TImpColumnTitle &title = m_grid->Columns(logicalIndex).Title();
    const QString text = title.hasCaption() ? title.Caption() : m_grid->Cells(logicalIndex, 0);
    WriteCellText(*painter, rect, title.Color(), title.Font(), 1, 1, title.Alignment(), text);
    DrawRaisedEdge(*painter, rect);
}

} // namespace penvaro::ledger
