#include "fieldnavigation.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QWidget>

#include <algorithm>

namespace penvaro::payments {
namespace {

bool IsEnter(const QEvent *event) {
    const int key = static_cast<const QKeyEvent *>(event)->key();
    return key == Qt::Key_Return || key == Qt::Key_Enter;
}

} // namespace

FieldNavigation::FieldNavigation(QObject *parent)
    : QObject(parent) {}

void FieldNavigation::watch(QWidget *field) {
    field->removeEventFilter(this);
    field->installEventFilter(this);
}

void FieldNavigation::onEnter(QWidget *field, std::function<QWidget *()> next) {
    m_moves.push_back({field, std::move(next)});
    watch(field);
}

void FieldNavigation::onEnter(QWidget *field, QWidget *next) {
    onEnter(field, [next] { return next; });
}

void FieldNavigation::onLeave(QWidget *field, std::function<void()> action) {
    m_leaves.push_back({field, std::move(action)});
    watch(field);
}

bool FieldNavigation::eventFilter(QObject *watched, QEvent *event) {
    switch (event->type()) {
    case QEvent::KeyPress: {
        if (!IsEnter(event))
            break;
        // Enter acts when it is pressed and goes no further: no field's Enter presses a button.
        const auto move = std::ranges::find(m_moves, watched, &Move::field);
        if (move == m_moves.end())
            break;
        if (QWidget *next = move->next();
            next && next->isVisibleTo(next->window()) && next->isEnabled())
            next->setFocus(Qt::TabFocusReason);
        return true;
    }
    case QEvent::KeyRelease:
        // The release of an Enter pressed elsewhere (the OK of a message window) does nothing.
        if (IsEnter(event) && std::ranges::find(m_moves, watched, &Move::field) != m_moves.end())
            return true;
        break;
    case QEvent::FocusOut: {
        // Only a move to another control leaves a field, not a message window or a closing
        // window taking the focus away; nor does a move made while handling a field.
        const Qt::FocusReason reason = static_cast<QFocusEvent *>(event)->reason();
        auto *field = static_cast<QWidget *>(watched);
        if (reason == Qt::ActiveWindowFocusReason || reason == Qt::PopupFocusReason
            || !field->window()->isVisible() || m_leaving)
            break;
        m_leaving = true;
        for (const Leave &leave : m_leaves)
            if (leave.field == watched)
                leave.action();
        m_leaving = false;
        break;
    }
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}

} // namespace penvaro::payments
