#pragma once

#include <QStyledItemDelegate>

namespace penvaro::ledger {

class TImpStringgrid;

// Paints every cell from its column object and creates the grid's in-place editor.
class ImpGridDelegate : public QStyledItemDelegate {
    Q_OBJECT

public:
    explicit ImpGridDelegate(TImpStringgrid *grid);

    void paint(QPainter *painter, const QStyleOptionViewItem &option,
               const QModelIndex &index) const override;
    QWidget *createEditor(QWidget *parent, const QStyleOptionViewItem &option,
                          const QModelIndex &index) const override;
    void setEditorData(QWidget *editor, const QModelIndex &index) const override;
    void setModelData(QWidget *editor, QAbstractItemModel *model,
                      const QModelIndex &index) const override;

private:
    TImpStringgrid *m_grid;
};

} // namespace penvaro::ledger
