#include "griddelegate.h"

#include "gridinplaceeditor.h"
#include "stringgrid.h"
#include "writecelltext.h"

#include <QPainter>

namespace penvaro::widgets {

GridDelegate::GridDelegate(StringGrid *grid)
    : QStyledItemDelegate(grid)
    , m_grid(grid) {}

void GridDelegate::paint(QPainter *painter, const QStyleOptionViewItem &option,
                         const QModelIndex &index) const {
    const int col = index.column();
    const GridColumn &column = m_grid->column(col);
    const QString text = index.data().toString();
    if (col < m_grid->fixedColumns()) {
        const GridColumnTitle &title = column.title();
        WriteCellText(*painter, option.rect.adjusted(1, 1, -1, -1), title.color(), title.font(), 1,
                      1, column.alignment(), text);
        DrawRaisedEdge(*painter, option.rect);
        return;
    }
    // Selected rows are shown in the system's highlight colours, the columns' fonts kept.
    const bool selected = option.state & QStyle::State_Selected;
    GridFont font = column.font();
    QColor brush = column.color();
    if (selected) {
        brush = option.palette.color(QPalette::Highlight);
        font.color = option.palette.color(QPalette::HighlightedText);
    }
    WriteCellText(*painter, option.rect, brush, font, 2, 2, column.alignment(), text);
}

QWidget *GridDelegate::createEditor(QWidget *parent, const QStyleOptionViewItem &,
                                    const QModelIndex &) const {
    return new GridInplaceEditor(m_grid, parent);
}

void GridDelegate::setEditorData(QWidget *editor, const QModelIndex &index) const {
    auto *edit = static_cast<GridInplaceEditor *>(editor);
    edit->takeUpCell(m_grid->column(index.column()), index.data(Qt::EditRole).toString());
}

void GridDelegate::setModelData(QWidget *editor, QAbstractItemModel *model,
                                const QModelIndex &index) const {
    auto *edit = static_cast<GridInplaceEditor *>(editor);
    if (!edit->isReadOnly())
        model->setData(index, edit->text(), Qt::EditRole);
}

} // namespace penvaro::widgets
