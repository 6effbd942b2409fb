#pragma once

#include <QLayout>

#include <vector>

namespace penvaro::ledger {

// Widgets one above the other, sharing the height in fixed proportions, each at least as high
// as it needs at its width; a hidden one leaves its share to the others. A box layout's stretch
// keeps the proportions only while every widget's preferred height fits, which a wrapped row
// of commands or a wide font soon prevents.
class HeightShares : public QLayout {
public:
    explicit HeightShares(QWidget *parent = nullptr);
    ~HeightShares() override;

    void addWidget(QWidget *widget, int share);

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
    struct Share {
        QLayoutItem *item;
        int share;
    };
    static int leastHeight(const QLayoutItem &item, int width);
    std::vector<const Share *> shown() const;
    int gap() const;

    std::vector<Share> m_shares;
};

} // namespace penvaro::ledger
