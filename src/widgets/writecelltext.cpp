#include "writecelltext.h"

#include <QFontMetrics>
#include <QPainter>

namespace penvaro::widgets {

int CellTextX(const QRect &rect, int margin, Qt::Alignment alignment, int textWidth) {
    if (alignment & Qt::AlignRight)
        return rect.right() + 1 - textWidth - 3;
    if (alignment & Qt::AlignHCenter)
        return rect.left() + rect.width() / 2 - textWidth / 2;
    return rect.left() + margin;
}

void WriteCellText(QPainter &painter, const QRect &rect, const QColor &brush, const GridFont &font,
                   int margin, int verticalMargin, Qt::Alignment alignment, const QString &text) {
    painter.save();
    painter.fillRect(rect, brush);
    painter.setClipRect(rect);
    painter.setFont(font.font);
    painter.setPen(font.color);
    const QFontMetrics metrics(font.font);
    // A text wider than its cell shows its beginning and an ellipsis, wherever it is aligned:
    // its middle alone would not say what it is.
    const int room = rect.width() - margin - 3;
    QString shown = text;
    if (metrics.horizontalAdvance(text) > room) {
        shown = metrics.elidedText(text, Qt::ElideRight, std::max(room, 0));
        alignment = Qt::AlignLeft;
    }
    const int x = CellTextX(rect, margin, alignment, metrics.horizontalAdvance(shown));
    painter.drawText(QPoint(x, rect.top() + verticalMargin + metrics.ascent()), shown);
    painter.restore();
}

void DrawRaisedEdge(QPainter &painter, const QRect &rect) {
    painter.save();
    painter.setPen(QColor(128, 128, 128));
    painter.drawLine(rect.bottomLeft(), rect.bottomRight());
    painter.drawLine(rect.topRight(), rect.bottomRight());
    painter.setPen(Qt::white);
    painter.drawLine(rect.topLeft(), rect.topRight());
    painter.drawLine(rect.topLeft(), rect.bottomLeft());
    painter.restore();
}

} // namespace penvaro::widgets
