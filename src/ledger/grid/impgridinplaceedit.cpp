#include "impgridinplaceedit.h"

#include "impstringgrid.h"
#include "tpopuplistbox.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QPainter>
#include <QScreen>
#include <QStyle>
#include <QStyleOptionButton>

#include <algorithm>

namespace penvaro::ledger {

TImpGridInplaceEdit::TImpGridInplaceEdit(TImpStringgrid *grid, QWidget *parent)
    : QLineEdit(parent)
    , m_grid(grid) {
    setFrame(false);
    setMouseTracking(true);
}

void TImpGridInplaceEdit::takeUpCell(const TImpColumn &column, const QString &text) {
    switch (column.ButtonStyle()) {
    case TImpColumnButtonStyle::cbsPicklist:
        setEditStyle(EditStyle::PickList);
        break;
    case TImpColumnButtonStyle::cbsEllipsis:
        setEditStyle(EditStyle::Ellipsis);
        break;
    case TImpColumnButtonStyle::cbsNone:
        setEditStyle(EditStyle::Simple);
        break;
    }
    setReadOnly(column.ReadOnly());
    setText(text);
}

void TImpGridInplaceEdit::setEditStyle(EditStyle style) {
    m_editStyle = style;
    if (style == EditStyle::PickList && !m_pickList) {
        m_pickList = new TPopupListbox(this);
        m_pickList->hide();
        connect(m_pickList, &TPopupListbox::closeUpRequested, this, &TImpGridInplaceEdit::closeUp);
    }
    m_activeList = style == EditStyle::PickList ? m_pickList : nullptr;
    setTextMargins(0, 0, style == EditStyle::Simple ? 0 : buttonWidth(), 0);
    update();
}

int TImpGridInplaceEdit::buttonWidth() const {
    return style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, this);
}

QRect TImpGridInplaceEdit::buttonRect() const {
    if (m_editStyle == EditStyle::Simple)
        return {};
    return {width() - buttonWidth(), 0, buttonWidth(), height()};
}

void TImpGridInplaceEdit::dropDown() {
    if (m_listVisible || !m_activeList)
        return;
    const int col = m_grid->Col();
    const TImpColumn &column = m_grid->Columns(col);
    m_activeList->setFont(font());
    m_activeList->setPalette(palette());
    QStringList items = column.PickList();
    // A handler may replace or change the list it is given; without one it stays as it is.
    Q_EMIT m_grid->OnPicklistDropdown(this, col, m_grid->Row(), items);
    m_activeList->setItems(items);

    const auto rows = static_cast<int>(
        std::min<unsigned>(static_cast<unsigned>(items.size()), column.DropDownRows()));
    const int listHeight = rows * m_activeList->ItemHeight() + 4;
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

void TImpGridInplaceEdit::closeUp(bool takeValue) {
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

void TImpGridInplaceEdit::ellipsisClicked() {
    Q_EMIT m_grid->OnElippsisclicked(m_grid, m_grid->Col(), m_grid->Row());
}

void TImpGridInplaceEdit::paintEvent(QPaintEvent *event) {
    QLineEdit::paintEvent(event);
    if (m_editStyle == EditStyle::Simple)
        return;
    QPainter painter(this);
    paintButton(painter);
}

void TImpGridInplaceEdit::paintButton(QPainter &painter) const {
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

void TImpGridInplaceEdit::mousePressEvent(QMouseEvent *event) {
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

void TImpGridInplaceEdit::mouseMoveEvent(QMouseEvent *event) {
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

void TImpGridInplaceEdit::mouseReleaseEvent(QMouseEvent *event) {
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

void TImpGridInplaceEdit::mouseDoubleClickEvent(QMouseEvent *event) {
    if (buttonRect().contains(event->position().toPoint()))
        return;
    QLineEdit::mouseDoubleClickEvent(event);
}

void TImpGridInplaceEdit::keyPressEvent(QKeyEvent *event) {
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

void TImpGridInplaceEdit::focusOutEvent(QFocusEvent *event) {
    closeUp(false);
    QLineEdit::focusOutEvent(event);
}

} // namespace penvaro::ledger
