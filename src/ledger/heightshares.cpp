#include "heightshares.h"

#include <QStyle>
#include <QWidget>

#include <algorithm>

namespace penvaro::ledger {

HeightShares::HeightShares(QWidget *parent)
    : QLayout(parent) {}

HeightShares::~HeightShares() {
    for (const Share &s : m_shares)
        delete s.item;
}

void HeightShares::addWidget(QWidget *widget, int share) {
    QLayout::addWidget(widget);
    m_shares.back().share = share;
}

void HeightShares::addItem(QLayoutItem *item) {
    m_shares.push_back({item, 1});
    invalidate();
}

int HeightShares::count() const {
    return int(m_shares.size());
}

QLayoutItem *HeightShares::itemAt(int index) const {
    return index >= 0 && index < count() ? m_shares[std::size_t(index)].item : nullptr;
}

QLayoutItem *HeightShares::takeAt(int index) {
    if (index < 0 || index >= count())
        return nullptr;
    QLayoutItem *item = m_shares[std::size_t(index)].item;
    m_shares.erase(m_shares.begin() + index);
    invalidate();
    return item;
}

Qt::Orientations HeightShares::expandingDirections() const {
    return Qt::Horizontal | Qt::Vertical;
}

bool HeightShares::hasHeightForWidth() const {
    return std::any_of(m_shares.begin(), m_shares.end(),
                       [](const Share &s) { return s.item->hasHeightForWidth(); });
}

// What the shown widgets need at least: more is theirs to share.
int HeightShares::heightForWidth(int width) const {
    const QMargins margins = contentsMargins();
    const int inner = width - margins.left() - margins.right();
    const auto visible = shown();
    int height = margins.top() + margins.bottom();
    for (const Share *s : visible)
        height += leastHeight(*s->item, inner);
    if (!visible.empty())
        height += int(visible.size() - 1) * gap();
    return height;
}

QSize HeightShares::minimumSize() const {
    QSize size;
    const auto visible = shown();
    for (const Share *s : visible) {
        const QSize least = s->item->minimumSize();
        size.setWidth(std::max(size.width(), least.width()));
        size.setHeight(size.height() + least.height());
    }
    if (!visible.empty())
        size.setHeight(size.height() + int(visible.size() - 1) * gap());
    return size.grownBy(contentsMargins());
}

QSize HeightShares::sizeHint() const {
    QSize size;
    const auto visible = shown();
    for (const Share *s : visible) {
        const QSize hint = s->item->sizeHint();
        size.setWidth(std::max(size.width(), hint.width()));
        size.setHeight(size.height() + hint.height());
    }
    if (!visible.empty())
        size.setHeight(size.height() + int(visible.size() - 1) * gap());
    return size.grownBy(contentsMargins());
}

void HeightShares::setGeometry(const QRect &rect) {
    QLayout::setGeometry(rect);
    const QRect area = rect.marginsRemoved(contentsMargins());
    const auto visible = shown();
    if (visible.empty())
        return;
    // A widget whose share is less than it needs takes what it needs; the others share the
    // rest in their proportions, until every share is enough.
    std::vector<int> heights(visible.size(), -1);
    bool settled = false;
    while (!settled) {
        settled = true;
        int rest = area.height() - int(visible.size() - 1) * gap();
        int shares = 0;
        for (std::size_t i = 0; i < visible.size(); ++i) {
            if (heights[i] >= 0)
                rest -= heights[i];
            else
                shares += visible[i]->share;
        }
        for (std::size_t i = 0; i < visible.size(); ++i) {
            if (heights[i] >= 0 || shares == 0)
                continue;
            const int least = leastHeight(*visible[i]->item, area.width());
            if (rest * visible[i]->share / shares < least) {
                heights[i] = least;
                settled = false;
                break;
            }
        }
        if (settled) {
            int left = rest;
            int sharesLeft = shares;
            for (std::size_t i = 0; i < visible.size(); ++i) {
                if (heights[i] >= 0)
                    continue;
                heights[i] = sharesLeft == visible[i]->share
                                 ? left
                                 : int(double(rest) * visible[i]->share / shares + 0.5);
                left -= heights[i];
                sharesLeft -= visible[i]->share;
            }
        }
    }
    int y = area.y();
    for (std::size_t i = 0; i < visible.size(); ++i) {
        visible[i]->item->setGeometry(QRect(area.x(), y, area.width(), heights[i]));
        y += heights[i] + gap();
    }
}

int HeightShares::leastHeight(const QLayoutItem &item, int width) {
    return item.hasHeightForWidth() ? item.minimumHeightForWidth(width)
                                    : item.minimumSize().height();
}

int HeightShares::gap() const {
    if (spacing() >= 0)
        return spacing();
    const QWidget *owner = parentWidget();
    return owner ? std::max(
               owner->style()->pixelMetric(QStyle::PM_LayoutVerticalSpacing, nullptr, owner), 0)
                 : 0;
}

std::vector<const HeightShares::Share *> HeightShares::shown() const {
    std::vector<const Share *> visible;
    for (const Share &s : m_shares)
        if (!s.item->isEmpty())
            visible.push_back(&s);
    return visible;
}

} // namespace penvaro::ledger
