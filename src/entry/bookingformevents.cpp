// How the booking form reacts while the user moves through it: Enter moves on, and leaving a
// field fills in what follows from it.
#include "bookingform.h"

#include "dateedit.h"
#include "executiondate.h"
#include "integerinput.h"
#include "signlist.h"
#include "statementdates.h"

#include "platform/appstate.h"
#include "platform/uiservice.h"

#include <QComboBox>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>

namespace penvaro::entry {
namespace {

constexpr int FirstExecutionDay = 1;
constexpr int LastExecutionDay = 30;

bool IsEnter(const QEvent *event) {
    const int key = static_cast<const QKeyEvent *>(event)->key();
    return key == Qt::Key_Return || key == Qt::Key_Enter;
}

} // namespace

bool BookingForm::eventFilter(QObject *watched, QEvent *event) {
    switch (event->type()) {
    case QEvent::KeyPress:
        // Enter acts when it is pressed and goes no further: no field's Enter presses a button.
        if (IsEnter(event)) {
            moveFocusOnEnter(watched);
            return true;
        }
        break;
    case QEvent::KeyRelease:
        // The release of an Enter pressed elsewhere (the OK of a message window) does nothing.
        if (IsEnter(event))
            return true;
        break;
    case QEvent::FocusOut: {
        // Only a move to another control leaves a field, not a message window or a closing
        // dialog taking the focus away; nor does a move made while handling a field.
        const Qt::FocusReason reason = static_cast<QFocusEvent *>(event)->reason();
        if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason
            && window()->isVisible() && !m_leaving) {
            m_leaving = true;
            fieldLeft(watched);
            m_leaving = false;
        }
        break;
    }
    default:
        break;
    }
    return QGroupBox::eventFilter(watched, event);
}

bool BookingForm::moveFocusOnEnter(QObject *from) {
    const bool recurring = m_formState == FormState::Recurring;
    const std::pair<QWidget *, QWidget *> moves[] = {
        {m_number, m_year},
        {m_year, recurring ? static_cast<QWidget *>(m_valueDate) : m_statementDate},
        {m_statementDate, m_valueDate},
        {m_valueDate, m_bookingType},
        {m_bookingType, m_party},
        {m_party, m_purpose},
        {m_purpose, m_direction},
        {m_direction, m_amount},
        {m_amount, m_enterTarget},
    };
    for (const auto &[field, next] : moves) {
        if (field == from && next && next->isEnabled()) {
            next->setFocus(Qt::TabFocusReason);
            return true;
        }
    }
    return false;
}

bool BookingForm::bookingDatesOpen() const {
    return (m_formState == FormState::Completed || m_formState == FormState::Transfer)
           && m_state.settings().keepBookingDate;
}

void BookingForm::fieldLeft(QObject *field) {
    const bool recurring = m_formState == FormState::Recurring;
    if (field == m_year && !recurring && m_statementDate->isEnabled())
        lookUpStatementDate();
    else if (field == m_number && recurring)
        leaveExecutionDay();
    else if (field == m_valueDate && recurring)
        leaveFirstExecution();
    else if (field == m_valueDate && bookingDatesOpen())
        leaveValueDate();
}

void BookingForm::lookUpStatementDate() {
    const auto found = LookUpStatementDate(m_state.store(), m_state.currentFile(),
                                           m_year->currentText(), m_number->text());
    if (!found) {
        platform::ShowRegistryError(m_state.ui(), m_state.store(), m_errors->lookUpStatementDate,
                                    QString::fromUtf16(m_errors->registryMessage));
        return;
    }
    if (*found)
        m_statementDate->setDayCount(**found);
}

void BookingForm::leaveExecutionDay() {
    const QString text = m_number->text();
    const auto day = IntegerInRange(text, FirstExecutionDay, LastExecutionDay);
    if (!day) {
        fail(m_errors->executionDayLeft,
             QStringLiteral("Unzulässiger Ausführungstag: ") + text
                 + QStringLiteral(" Bitte geben Sie einen Wert zwischen 1 und 30 ein."),
             m_number);
        return;
    }
    // A changed booking moves its first execution only when the day was changed: passing
    // through the field must not shift the months in which it falls due.
    if (!m_newBookings && !m_number->isModified())
        return;
    m_number->setModified(false);
    m_valueDate->setDayCount(OnExecutionDay(m_state.today(), *day));
}

void BookingForm::leaveFirstExecution() {
    const auto date = m_valueDate->dayCount();
    if (!date) {
        // The date as typed is what is wrong, so it is what the message names.
        platform::ShowError(m_state.ui(), m_errors->firstExecutionLeft,
                            QStringLiteral("Unzulässiges 1. Ausführungsdatum: ")
                                + m_valueDate->typedText());
        return;
    }
    // A day outside 1 to 30 is refused when converting; until then the date keeps its own day.
    const auto day = IntegerInRange(m_number->text(), FirstExecutionDay, LastExecutionDay);
    m_valueDate->setDayCount(day ? OnExecutionDay(*date, *day) : *date);
}

void BookingForm::leaveValueDate() {
    // A changed booking keeps the booking date entered before while the value date is only
    // passed through; a new one always follows the value date.
    const bool noBookingDate = m_bookingDate->typedText() == QStringLiteral("..");
    if (m_newBookings || m_valueDate->isModified() || noBookingDate) {
        m_bookingDate->setText(m_valueDate->typedText());
        m_valueDate->setModified(false);
    }
}

} // namespace penvaro::entry
