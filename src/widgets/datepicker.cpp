#include "datepicker.h"

#include "core/date.h"
#include "platform/clock.h"

#include <QAction>
#include <QApplication>
#include <QCalendarWidget>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QStyle>

#include <algorithm>
#include <cmath>

namespace penvaro::widgets {

DatePicker::DatePicker(const platform::Clock &clock, QWidget *parent)
    : QLineEdit(parent)
    , m_clock(clock)
    , m_date(clock.today()) {
    // '0' is an optional digit, '9' a required one.
    setInputMask(QStringLiteral("09.09.9900;_"));
    display(m_date);
    QAction *calendar =
        addAction(style()->standardIcon(QStyle::SP_ArrowDown), QLineEdit::TrailingPosition);
    calendar->setObjectName(QStringLiteral("Kalender"));
    calendar->setToolTip(QStringLiteral("Kalender (Alt+Pfeil nach unten)"));
    connect(calendar, &QAction::triggered, this, &DatePicker::openCalendar);
}

std::optional<QDate> DatePicker::typedDate() const {
    QString text = displayText();
    text.remove(QLatin1Char('_'));
    text.remove(QLatin1Char(' '));
    const auto day = core::ParseTypedDate(text.toStdString(), m_clock.today().year());
    if (!day)
        return std::nullopt;
    return platform::DateOfDayCount(*day);
}

QDate DatePicker::date() const {
    return typedDate().value_or(m_date);
}

void DatePicker::display(QDate date) {
    setText(date.toString(QStringLiteral("dd.MM.yyyy")));
}

void DatePicker::setDate(QDate date) {
    const bool changed = date != m_date;
    m_date = date;
    display(date);
    if (changed)
        Q_EMIT dateChanged(date);
}

double DatePicker::dayCount() const {
    return platform::DayCountOf(date());
}

void DatePicker::setDayCount(double dayCount) {
    m_date = platform::DateOfDayCount(std::trunc(dayCount));
    display(m_date);
}

QSize DatePicker::minimumSizeHint() const {
    const QSize edit = QLineEdit::minimumSizeHint();
    const int date = fontMetrics().horizontalAdvance(QStringLiteral("00.00.00000"));
    const int symbol = style()->pixelMetric(QStyle::PM_SmallIconSize, nullptr, this);
    const int frame = style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, this);
    // The symbol's button keeps about its own width of air around it.
    return {std::max(edit.width(), date + 2 * symbol + 2 * frame), edit.height()};
}

void DatePicker::finishTyping() {
    // Unreadable (31.02.) or half typed: the date before it stands again, visibly.
    const auto typed = typedDate();
    if (!typed)
        QApplication::beep();
    setDate(typed.value_or(m_date));
}

void DatePicker::openCalendar() {
    if (!m_calendar) {
        m_calendar = new QCalendarWidget(this);
        m_calendar->setObjectName(QStringLiteral("Kalenderblatt"));
        m_calendar->setWindowFlags(Qt::Popup);
        m_calendar->setGridVisible(true);
        m_calendar->setMinimumDate(QDate(100, 1, 1));
        connect(m_calendar, &QCalendarWidget::activated, this, [this](QDate day) {
            m_calendar->hide();
            setDate(day);
            setFocus(Qt::PopupFocusReason);
        });
        connect(m_calendar, &QCalendarWidget::clicked, m_calendar, &QCalendarWidget::activated);
    }
    m_calendar->setSelectedDate(date());
    m_calendar->adjustSize();
    m_calendar->move(mapToGlobal(rect().bottomLeft()));
    m_calendar->show();
    m_calendar->setFocus(Qt::PopupFocusReason);
}

void DatePicker::keyPressEvent(QKeyEvent *event) {
    const bool alt = event->modifiers() & Qt::AltModifier;
    if (event->key() == Qt::Key_F4 || (alt && event->key() == Qt::Key_Down)) {
        openCalendar();
        return;
    }
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)
        finishTyping();
    QLineEdit::keyPressEvent(event);
}

void DatePicker::focusOutEvent(QFocusEvent *event) {
    QLineEdit::focusOutEvent(event);
    // The calendar taking the focus is part of choosing, not the end of it.
    if (event->reason() != Qt::PopupFocusReason)
        finishTyping();
}

} // namespace penvaro::widgets
