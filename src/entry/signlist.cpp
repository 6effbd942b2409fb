#include "signlist.h"

#include <QEvent>
#include <QPainter>

#include <algorithm>

namespace penvaro::entry {
namespace {

// Room for a sign with air on both sides, in widths of the sign.
constexpr int WidthInSigns = 3;

} // namespace

SignList::SignList(QWidget *parent)
    : QListWidget(parent) {
    setObjectName(QStringLiteral("ESollHaben"));
    addItems({QStringLiteral("+"), QStringLiteral("-")});
    // One character per line: bold and centred, so that it reads at a glance.
    QFont bold = font();
    bold.setBold(true);
    for (int row = 0; row < count(); ++row) {
        item(row)->setTextAlignment(Qt::AlignCenter);
        item(row)->setFont(bold);
    }
    setSelectionMode(QAbstractItemView::SingleSelection);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    setAccessibleName(QString::fromUtf16(SignListCaption));
    showSelectionWithoutFocus();
}

bool SignList::plus() const {
    return item(0)->isSelected();
}

void SignList::setPlus(bool plus) {
    setCurrentRow(plus ? 0 : 1, QItemSelectionModel::ClearAndSelect);
}

QSize SignList::sizeHint() const {
    const QFontMetrics metrics = fontMetrics();
    const int sign = std::max(metrics.horizontalAdvance(QLatin1Char('+')),
                              metrics.horizontalAdvance(QLatin1Char('-')));
    const int width = std::max(sizeHintForColumn(0), sign * WidthInSigns);
    const int rows = sizeHintForRow(0) + sizeHintForRow(1);
    // The frame and whatever the style keeps around the lines.
    const QMargins around = contentsMargins();
    return {width + around.left() + around.right(), rows + around.top() + around.bottom()};
}

QSize SignList::minimumSizeHint() const {
    return sizeHint();
}

void SignList::changeEvent(QEvent *event) {
    QListWidget::changeEvent(event);
    if (event->type() == QEvent::PaletteChange || event->type() == QEvent::StyleChange)
        showSelectionWithoutFocus();
    if (event->type() == QEvent::FontChange || event->type() == QEvent::StyleChange)
        updateGeometry();
}

void SignList::paintEvent(QPaintEvent *event) {
    QListWidget::paintEvent(event);
    // The selection looks the same with and without the focus, so the focus needs a sign of
    // its own.
    if (!hasFocus())
        return;
    QPainter painter(viewport());
    const int width = std::max(2, fontMetrics().height() / 8);
    painter.setPen(QPen(palette().color(QPalette::Active, QPalette::Highlight), width));
    painter.setBrush(Qt::NoBrush);
    const int inset = width / 2;
    painter.drawRect(viewport()->rect().adjusted(inset, inset, -inset - 1, -inset - 1));
}

void SignList::showSelectionWithoutFocus() {
    QPalette colours = palette();
    const QColor highlight = colours.color(QPalette::Active, QPalette::Highlight);
    const QColor highlightedText = colours.color(QPalette::Active, QPalette::HighlightedText);
    if (colours.color(QPalette::Inactive, QPalette::Highlight) == highlight
        && colours.color(QPalette::Inactive, QPalette::HighlightedText) == highlightedText)
        return;
    colours.setColor(QPalette::Inactive, QPalette::Highlight, highlight);
    colours.setColor(QPalette::Inactive, QPalette::HighlightedText, highlightedText);
    setPalette(colours);
}

} // namespace penvaro::entry
