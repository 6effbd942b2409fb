#pragma once

#include <QStyledItemDelegate>

namespace penvaro::ledger {

// The colours of a ledger table: the first column looks like the header, whether selected or
// not, so that the rows read as numbered; the balance column is white on grey, apart from the
// amounts the user typed.
class BookingCellDelegate : public QStyledItemDelegate {
    Q_OBJECT

public:
    using QStyledItemDelegate::QStyledItemDelegate;

    // The column that shows the running balance; -1 when none does.
    void setBalanceColumn(int column) { m_balanceColumn = column; }

    void paint(QPainter *painter, const QStyleOptionViewItem &option,
               const QModelIndex &index) const override;

protected:
    void initStyleOption(QStyleOptionViewItem *option, const QModelIndex &index) const override;

private:
    int m_balanceColumn = -1;
};

} // namespace penvaro::ledger
