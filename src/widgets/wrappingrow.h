#pragma once

#include <QLayout>

#include <vector>

namespace penvaro::widgets {

// A row of widgets that continues on a further line where the room runs out, so that a wide
// font or a large scale never pushes a command out of the window. Widgets added as trailing
// keep to the right end of the line they land on, as a stretch before them would put them.
class WrappingRow : public QLayout {
public:
    explicit WrappingRow(QWidget *parent = nullptr);
    ~WrappingRow() override;

    void addTrailing(QWidget *widget);

    void addItem(QLayoutItem *item) override;
    int count() const override;
    QLayoutItem *itemAt(int index) const override;
    QLayoutItem *takeAt(int index) override;
    Qt::Orientations expandingDirections() const override;
    bool hasHeightForWidth() const override;
    int heightForWidth(int width) const override;
    QSize minimumSize() const override;
    QSize sizeHint() const override;
    void setGeometry(const QRect &rect) override;

private:
    // Lays the items out within the rectangle and returns the height they take; places them
    // only when asked, so that the same walk answers heightForWidth.
    int arrange(const QRect &rect, bool place) const;
    int gap(Qt::Orientation orientation) const;

    std::vector<QLayoutItem *> m_items;
};

} // namespace penvaro::widgets
