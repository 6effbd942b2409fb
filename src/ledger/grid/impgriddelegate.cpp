#include "impgriddelegate.h"

#include "impgridinplaceedit.h"
#include "impstringgrid.h"
#include "writecelltext.h"

#include <QPainter>

namespace penvaro::ledger {

ImpGridDelegate::ImpGridDelegate(TImpStringgrid *grid)
    : QStyledItemDelegate(grid)
    , m_grid(grid) {}

void ImpGridDelegate::paint(QPainter *painter, const QStyleOptionViewItem &option,
                            const QModelIndex &index) const {
    const int col = index.column();
    const TImpColumn &column = m_grid->Columns(col);
    const QString text = index.data().toString();
    if (col < m_grid->FixedCols()) {
        const TImpColumnTitle &title = column.Title();
        WriteCellText(*painter, option.rect.adjusted(1, 1, -1, -1), title.Color(), title.Font(), 1,
                      1, column.Alignment(), text);
        DrawRaisedEdge(*painter, option.rect);
        return;
    }
    // Selected rows are shown in the system's highlight colours, the columns' fonts kept.
    const bool selected = option.state & QStyle::State_Selected;
    ImpFont font = column.Font();
    QColor brush = column.Color();
    if (selected) {
        brush = option.palette.color(QPalette::Highlight);
        font.color = option.palette.color(QPalette::HighlightedText);
    }
    WriteCellText(*painter, option.rect, brush, font, 2, 2, column.Alignment(), text);
}

QWidget *ImpGridDelegate::createEditor(QWidget *parent, const QStyleOptionViewItem &,
                                       const QModelIndex &) const {
    return new TImpGridInplaceEdit(m_grid, parent);
}

void ImpGridDelegate::setEditorData(QWidget *editor, const QModelIndex &index) const {
    auto *edit = static_cast<TImpGridInplaceEdit *>(editor);
    edit->takeUpCell(m_grid->Columns(index.column()), index.data(Qt::EditRole).toString());
}

void ImpGridDelegate::setModelData(QWidget *editor, QAbstractItemModel *model,
                                   const QModelIndex &index) const {
    auto *edit = static_cast<TImpGridInplaceEdit *>(editor);
    if (!edit->isReadOnly())
        model->setData(index, edit->text(), Qt::EditRole);
}

} // namespace penvaro::ledger
