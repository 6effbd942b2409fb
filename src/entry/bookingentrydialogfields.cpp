#include "bookingentrydialog.h"

#include "dateedit.h"
#include "executiondate.h"
#include "integerinput.h"
#include "statementdates.h"

#include "core/date.h"
#include "platform/appstate.h"
#include "platform/uiservice.h"

#include <QComboBox>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

namespace penvaro::entry {

namespace {

constexpr int FirstExecutionDay = 1;
constexpr int LastExecutionDay = 30;

bool IsEnter(const QEvent *event) {
    const auto key = static_cast<const QKeyEvent *>(event)->key();
    return key == Qt::Key_Return || key == Qt::Key_Enter;
}

} // namespace

bool BookingEntryDialog::eventFilter(QObject *watched, QEvent *event) {
    switch (event->type()) {
    case QEvent::KeyPress:
        // Enter acts when it is released; the press must not reach the dialog's buttons.
        if (IsEnter(event))
            return true;
        break;
    case QEvent::KeyRelease:
        if (IsEnter(event)) {
            if (!static_cast<QKeyEvent *>(event)->isAutoRepeat())
                moveFocusOnEnter(watched);
            return true;
        }
        break;
    case QEvent::FocusOut: {
        // Only a move to another control leaves a field, not a message window or a closing
        // dialog taking the focus away; nor does a move made while handling a field.
        const Qt::FocusReason reason = static_cast<QFocusEvent *>(event)->reason();
        if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason && isVisible()
            && !m_leaving) {
            m_leaving = true;
            fieldLeft(watched);
            m_leaving = false;
        }
        break;
    }
    default:
        break;
    }
    return QDialog::eventFilter(watched, event);
}

void BookingEntryDialog::keyPressEvent(QKeyEvent *event) {
    if (IsEnter(event)) {
        if (auto *button = qobject_cast<QPushButton *>(focusWidget()))
            button->click();
        return;
    }
    QDialog::keyPressEvent(event);
}

void BookingEntryDialog::moveFocusOnEnter(QObject *from) {
    QWidget *to = nullptr;
    if (from == m_number)
        to = m_year;
    else if (from == m_year)
        to = m_kind == core::BookingKind::Recurring ? static_cast<QWidget *>(m_valueDate)
                                                    : m_statementDate;
    else if (from == m_statementDate)
        to = m_valueDate;
    else if (from == m_valueDate)
        to = m_bookingType;
    else if (from == m_bookingType)
        to = m_party;
    else if (from == m_party)
        to = m_purpose;
    else if (from == m_purpose)
        to = m_direction;
    else if (from == m_amount)
        to = m_addClose;
    if (to)
        to->setFocus(Qt::TabFocusReason);
}

void BookingEntryDialog::fieldLeft(QObject *field) {
    const bool recurring = m_kind == core::BookingKind::Recurring;
    if (field == m_year && !recurring) {
        lookUpStatementDate();
    } else if (field == m_number && recurring) {
        leaveExecutionDay();
    } else if (field == m_valueDate) {
        if (recurring)
            leaveFirstExecution();
        else if (m_kind == core::BookingKind::Completed && bookingDates())
            m_bookingDate->setText(m_valueDate->text());
    }
}

void BookingEntryDialog::lookUpStatementDate() {
    auto found = LookUpStatementDate(m_state.store(), m_state.currentFile(), m_year->currentText(),
                                     m_number->text());
    if (!found) {
        platform::ShowError(m_state.ui(), ErrorLookUpStatementDate,
                            QStringLiteral("Registry Fehler"));
        return;
    }
    if (*found)
        m_statementDate->setDayCount(**found);
}

void BookingEntryDialog::leaveExecutionDay() {
    const auto day = IntegerInRange(m_number->text(), FirstExecutionDay, LastExecutionDay);
    if (!day) {
        platform::ShowError(m_state.ui(), ErrorLeavingExecutionDay,
                            QStringLiteral("Unzulässiger Ausführungstag: ") + m_number->text()
                                + QStringLiteral(" Bitte geben Sie einen Wert zwischen 1 und 30 "
                                                 "ein."));
        m_number->setFocus(Qt::OtherFocusReason);
        return;
    }
    m_valueDate->setDayCount(OnExecutionDay(today(), *day));
}

void BookingEntryDialog::leaveFirstExecution() {
    const auto date = m_valueDate->dayCount();
    if (!date) {
        // The date as typed is what is wrong, so it is what the message names.
        platform::ShowError(m_state.ui(), ErrorFirstExecutionDate,
                            QStringLiteral("Unzulässiges 1. Ausführungsdatum: ")
                                + m_valueDate->typedText());
        return;
    }
    // A day outside 1 to 30 is refused when adding; until then the date keeps its own day.
    const auto day = IntegerInRange(m_number->text(), FirstExecutionDay, LastExecutionDay);
    m_valueDate->setDayCount(day ? OnExecutionDay(*date, *day) : *date);
}

} // namespace penvaro::entry
