#include "gridinplaceeditor.h"

#include "popuplistbox.h"
#include "stringgrid.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QPainter>
#include <QScreen>
#include <QStyle>
#include <QStyleOptionButton>

#include <algorithm>

namespace penvaro::widgets {

GridInplaceEditor::GridInplaceEditor(StringGrid *grid, QWidget *parent)
    : QLineEdit(parent)
    , m_grid(grid) {
    setFrame(false);
    setMouseTracking(true);
}

void GridInplaceEditor::takeUpCell(const GridColumn &column, const QString &text) {
    switch (column.buttonStyle()) {
    case GridButtonStyle::PickList:
        setEditStyle(EditStyle::PickList);
        break;
    case GridButtonStyle::Ellipsis:
        setEditStyle(EditStyle::Ellipsis);
        break;
    case GridButtonStyle::None:
        setEditStyle(EditStyle::Simple);
        break;
    }
    setReadOnly(column.readOnly());
    setText(text);
}

void GridInplaceEditor::setEditStyle(EditStyle style) {
    m_editStyle = style;
    if (style == EditStyle::PickList && !m_pickList) {
        m_pickList = new PopupListBox(this);
        m_pickList->hide();
        connect(m_pickList, &PopupListBox::closeUpRequested, this, &GridInplaceEditor::closeUp);
    }
    m_activeList = style == EditStyle::PickList ? m_pickList : nullptr;
    setTextMargins(0, 0, style == EditStyle::Simple ? 0 : buttonWidth(), 0);
    update();
}

int GridInplaceEditor::buttonWidth() const {
    return style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, this);
}

QRect GridInplaceEditor::buttonRect() const {
    if (m_editStyle == EditStyle::Simple)
        return {};
    return {width() - buttonWidth(), 0, buttonWidth(), height()};
}

void GridInplaceEditor::dropDown() {
    if (m_listVisible || !m_activeList)
        return;
    const int col = m_grid->currentColumn();
    // A handler may set the column's list now; without one it stays as it is.
    Q_EMIT m_grid->pickListAboutToShow(col, m_grid->currentRow());
    const GridColumn &column = m_grid->column(col);
    m_activeList->setFont(font());
    m_activeList->setPalette(palette());
    const QStringList items = column.pickList();
    m_activeList->setItems(items);

    const auto rows = static_cast<int>(
        std::min<unsigned>(static_cast<unsigned>(items.size()), column.dropDownRows()));
    const int listHeight = rows * m_activeList->itemHeight() + 4;
    int listWidth = width();
    const QFontMetrics metrics(m_activeList->font());
    for (const QString &item : items)
        listWidth = std::max(listWidth, metrics.horizontalAdvance(item) + 10);
    m_activeList->setCurrentRow(-1);

    QPoint topLeft = mapToGlobal(QPoint(0, height()));
    const QScreen *screen = this->screen();
    if (screen && topLeft.y() + listHeight > screen->geometry().bottom())
        topLeft.setY(mapToGlobal(QPoint(0, 0)).y() - listHeight);
    m_activeList->setGeometry(QRect(topLeft, QSize(listWidth, listHeight)));
    m_activeList->show();
    m_listVisible = true;
    update();
    setFocus();
}

void GridInplaceEditor::closeUp(bool takeValue) {
    if (!m_listVisible || !m_activeList)
        return;
    m_tracking = false;
    m_pressed = false;
    const QListWidgetItem *selected = m_activeList->currentItem();
    const QString value = selected ? selected->text() : QString();
    m_activeList->hide();
    m_listVisible = false;
    update();
    if (takeValue && selected && !isReadOnly())
        setText(value);
}

void GridInplaceEditor::ellipsisClicked() {
    Q_EMIT m_grid->ellipsisClicked(m_grid->currentColumn(), m_grid->currentRow());
}

void GridInplaceEditor::paintEvent(QPaintEvent *event) {
    QLineEdit::paintEvent(event);
    if (m_editStyle == EditStyle::Simple)
        return;
    QPainter painter(this);
    paintButton(painter);
}

void GridInplaceEditor::paintButton(QPainter &painter) const {
    const QRect rect = buttonRect();
    QStyleOptionButton option;
    option.initFrom(this);
    option.rect = rect;
    option.state |= m_pressed ? QStyle::State_Sunken : QStyle::State_Raised;
    if (m_editStyle == EditStyle::PickList && !m_activeList)
        option.state &= ~QStyle::State_Enabled;
    style()->drawControl(QStyle::CE_PushButtonBevel, &option, &painter, this);
    if (m_editStyle == EditStyle::PickList) {
        QStyleOption arrow = option;
        arrow.rect = rect.adjusted(3, 3, -3, -3);
        style()->drawPrimitive(QStyle::PE_IndicatorArrowDown, &arrow, &painter, this);
        return;
    }
    const int shift = m_pressed ? 1 : 0;
    const int x = rect.center().x() + shift;
    const int y = rect.top() + 10;
    painter.fillRect(x - 3, y, 1, 1, Qt::black);
    painter.fillRect(x, y, 1, 1, Qt::black);
    painter.fillRect(x + 3, y, 1, 1, Qt::black);
}

void GridInplaceEditor::mousePressEvent(QMouseEvent *event) {
    if (event->button() != Qt::LeftButton || !buttonRect().contains(event->position().toPoint())) {
        QLineEdit::mousePressEvent(event);
        return;
    }
    if (m_listVisible) {
        closeUp(false);
        return;
    }
    m_tracking = true;
    m_pressed = true;
    update();
    if (m_activeList)
        dropDown();
}

void GridInplaceEditor::mouseMoveEvent(QMouseEvent *event) {
    const QPoint pos = event->position().toPoint();
    setCursor(buttonRect().contains(pos) ? Qt::ArrowCursor : Qt::IBeamCursor);
    if (!m_tracking) {
        QLineEdit::mouseMoveEvent(event);
        return;
    }
    const bool over = buttonRect().contains(pos);
    if (over != m_pressed) {
        m_pressed = over;
        update();
    }
}

void GridInplaceEditor::mouseReleaseEvent(QMouseEvent *event) {
    if (!m_tracking) {
        QLineEdit::mouseReleaseEvent(event);
        return;
    }
    const bool wasPressed = m_pressed;
    m_tracking = false;
    m_pressed = false;
    update();
    if (m_editStyle == EditStyle::Ellipsis && wasPressed)
        ellipsisClicked();
}

void GridInplaceEditor::mouseDoubleClickEvent(QMouseEvent *event) {
    if (buttonRect().contains(event->position().toPoint()))
        return;
    QLineEdit::mouseDoubleClickEvent(event);
}

void GridInplaceEditor::keyPressEvent(QKeyEvent *event) {
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (enter && (event->modifiers() & Qt::ControlModifier) && m_editStyle == EditStyle::Ellipsis) {
        ellipsisClicked();
        return;
    }
    const bool dropKey =
        event->key() == Qt::Key_F4
        || (event->key() == Qt::Key_Down && (event->modifiers() & Qt::AltModifier));
    if (dropKey && m_activeList && !m_listVisible) {
        dropDown();
        return;
    }
    if (m_listVisible && m_activeList) {
        QKeyEvent copy(event->type(), event->key(), event->modifiers(), event->text());
        QCoreApplication::sendEvent(m_activeList, &copy);
        return;
    }
    QLineEdit::keyPressEvent(event);
}

void GridInplaceEditor::focusOutEvent(QFocusEvent *event) {
    closeUp(false);
    QLineEdit::focusOutEvent(event);
}

} // namespace penvaro::widgets
