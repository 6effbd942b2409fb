#include "bookingcelldelegate.h"

#include <QPainter>

namespace penvaro::ledger {
namespace {

const QColor fixedCellColour(224, 224, 224);
const QColor balanceColour(128, 128, 128);

// The raised inner edge of a fixed cell: dark along bottom and right, light along top and left.
void drawRaisedEdge(QPainter &painter, const QRect &rect) {
    painter.save();
    painter.setPen(QColor(128, 128, 128));
    painter.drawLine(rect.bottomLeft(), rect.bottomRight());
    painter.drawLine(rect.topRight(), rect.bottomRight());
    painter.setPen(Qt::white);
    painter.drawLine(rect.topLeft(), rect.topRight());
    painter.drawLine(rect.topLeft(), rect.bottomLeft());
    painter.restore();
}

} // namespace

void BookingCellDelegate::initStyleOption(QStyleOptionViewItem *option,
                                          const QModelIndex &index) const {
    QStyledItemDelegate::initStyleOption(option, index);
    QColor background = Qt::white;
    QColor text = Qt::black;
    if (index.column() == 0) {
        background = fixedCellColour;
        option->state &= ~QStyle::State_Selected;
    } else if (index.column() == m_balanceColumn) {
        background = balanceColour;
        text = Qt::white;
    }
    option->backgroundBrush = background;
    option->palette.setColor(QPalette::Text, text);
}

void BookingCellDelegate::paint(QPainter *painter, const QStyleOptionViewItem &option,
                                const QModelIndex &index) const {
    QStyledItemDelegate::paint(painter, option, index);
    if (index.column() == 0)
        drawRaisedEdge(*painter, option.rect);
}

} // namespace penvaro::ledger
