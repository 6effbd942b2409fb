#include "wrappingrow.h"

#include <QStyle>
#include <QWidget>

#include <algorithm>

namespace penvaro::widgets {

WrappingRow::WrappingRow(QWidget *parent)
    : QLayout(parent) {}

WrappingRow::~WrappingRow() {
    for (QLayoutItem *item : m_items)
        delete item;
}

void WrappingRow::addTrailing(QWidget *widget) {
    addWidget(widget);
    m_items.back()->setAlignment(Qt::AlignRight);
}

void WrappingRow::addItem(QLayoutItem *item) {
    m_items.push_back(item);
    invalidate();
}

int WrappingRow::count() const {
    return int(m_items.size());
}

QLayoutItem *WrappingRow::itemAt(int index) const {
    return index >= 0 && index < count() ? m_items[std::size_t(index)] : nullptr;
}

QLayoutItem *WrappingRow::takeAt(int index) {
    if (index < 0 || index >= count())
        return nullptr;
    QLayoutItem *item = m_items[std::size_t(index)];
    m_items.erase(m_items.begin() + index);
    invalidate();
    return item;
}

Qt::Orientations WrappingRow::expandingDirections() const {
    return {};
}

bool WrappingRow::hasHeightForWidth() const {
    return true;
}

int WrappingRow::heightForWidth(int width) const {
    return arrange(QRect(0, 0, width, 0), false);
}

// As narrow as the widest item, on a line of its own.
QSize WrappingRow::minimumSize() const {
    QSize size;
    for (const QLayoutItem *item : m_items)
        if (!item->isEmpty())
            size = size.expandedTo(item->minimumSize());
    return size.grownBy(contentsMargins());
}

// Everything on one line.
QSize WrappingRow::sizeHint() const {
    int width = 0;
    int height = 0;
    int shown = 0;
    for (const QLayoutItem *item : m_items) {
        if (item->isEmpty())
            continue;
        const QSize hint = item->sizeHint();
        width += hint.width();
        height = std::max(height, hint.height());
        ++shown;
    }
    if (shown > 1)
        width += (shown - 1) * gap(Qt::Horizontal);
    return QSize(width, height).grownBy(contentsMargins());
}

void WrappingRow::setGeometry(const QRect &rect) {
    QLayout::setGeometry(rect);
    arrange(rect, true);
}

int WrappingRow::arrange(const QRect &rect, bool place) const {
    const QMargins margins = contentsMargins();
    const QRect area = rect.marginsRemoved(margins);
    const int across = gap(Qt::Horizontal);
    const int down = gap(Qt::Vertical);
    struct Sized {
        QLayoutItem *item;
        QSize size;
    };
    std::vector<Sized> line;
    int lineWidth = 0;
    int y = area.y();
    bool first = true;
    const auto endLine = [&] {
        if (line.empty())
            return;
        int height = 0;
        for (const Sized &s : line)
            height = std::max(height, s.size.height());
        if (!first)
            y += down;
        first = false;
        if (place) {
            int trailingWidth = -across;
            for (const Sized &s : line)
                if (s.item->alignment() & Qt::AlignRight)
                    trailingWidth += s.size.width() + across;
            int left = area.x();
            int right = std::max(area.x() + area.width() - trailingWidth, left);
            for (const Sized &s : line) {
                int &x = (s.item->alignment() & Qt::AlignRight) ? right : left;
                s.item->setGeometry(QRect(QPoint(x, y + (height - s.size.height()) / 2), s.size));
                x += s.size.width() + across;
            }
        }
        y += height;
        line.clear();
        lineWidth = 0;
    };
    for (QLayoutItem *item : m_items) {
        if (item->isEmpty())
            continue;
        const int width =
            std::max(std::min(item->sizeHint().width(), area.width()), item->minimumSize().width());
        const int height =
            item->hasHeightForWidth() ? item->heightForWidth(width) : item->sizeHint().height();
        if (!line.empty() && lineWidth + across + width > area.width())
            endLine();
        lineWidth += (line.empty() ? 0 : across) + width;
        line.push_back({item, QSize(width, height)});
    }
    endLine();
    return y - area.y() + margins.top() + margins.bottom();
}

int WrappingRow::gap(Qt::Orientation orientation) const {
    if (spacing() >= 0)
        return spacing();
    const QWidget *owner = parentWidget();
    if (!owner)
        return 0;
    const int metric = owner->style()->pixelMetric(orientation == Qt::Horizontal
                                                       ? QStyle::PM_LayoutHorizontalSpacing
                                                       : QStyle::PM_LayoutVerticalSpacing,
                                                   nullptr, owner);
    return std::max(metric, 0);
}

} // namespace penvaro::widgets
