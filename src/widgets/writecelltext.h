#pragma once

#include "gridcolumn.h"

class QPainter;
class QRect;

namespace penvaro::widgets {

// Paints one line of text into a cell: the whole rectangle in the brush colour, the text
// clipped to it, left + margin, right − text width − 3, or centred; top + vertical margin.
void WriteCellText(QPainter &painter, const QRect &rect, const QColor &brush, const GridFont &font,
                   int margin, int verticalMargin, Qt::Alignment alignment, const QString &text);

// The horizontal start of a text of the given width in a cell, as WriteCellText places it.
int CellTextX(const QRect &rect, int margin, Qt::Alignment alignment, int textWidth);

// The raised inner edge of a fixed cell: dark along bottom and right, light along top and left.
void DrawRaisedEdge(QPainter &painter, const QRect &rect);

} // namespace penvaro::widgets
