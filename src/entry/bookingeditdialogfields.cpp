// How the edit dialog's fields react while the user moves through them: Enter moves on, and
// leaving a field fills in what follows from it.
#include "bookingeditdialog.h"

#include "dateedit.h"
#include "executiondate.h"
#include "integerinput.h"
#include "statementdates.h"

#include "platform/appstate.h"
#include "platform/uiservice.h"

#include <QComboBox>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTimer>

namespace penvaro::entry {
namespace {

bool IsEnterKey(const QEvent *event) {
    if (event->type() != QEvent::KeyPress)
        return false;
    const int key = static_cast<const QKeyEvent *>(event)->key();
    return key == Qt::Key_Return || key == Qt::Key_Enter;
}

} // namespace

void BookingEditDialog::watchFields() {
    for (QWidget *field : std::initializer_list<QWidget *>{
             m_auszugsnr, m_auszugsjahr, m_auszugsdatum, m_wertdatum, m_buchungsart, m_absender,
             m_verwendungszweck, m_buchungsdatum, m_sollHaben, m_betrag})
        field->installEventFilter(this);
}

bool BookingEditDialog::eventFilter(QObject *watched, QEvent *event) {
    auto *field = qobject_cast<QWidget *>(watched);
    if (field && IsEnterKey(event)) {
        // Enter never applies the dialog from a field, also where it does not move on.
        moveFocusOnEnter(field);
        return true;
    }
    if (field && event->type() == QEvent::FocusOut) {
        // Another window or a pop-up taking the focus is not leaving the field.
        const Qt::FocusReason reason = static_cast<QFocusEvent *>(event)->reason();
        if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason)
            fieldLeft(field);
    }
    return QDialog::eventFilter(watched, event);
}

bool BookingEditDialog::moveFocusOnEnter(QWidget *field) {
    const bool recurring = m_state == EditState::Recurring;
    const std::pair<QWidget *, QWidget *> moves[] = {
        {m_auszugsnr, m_auszugsjahr},
        {m_auszugsjahr, recurring ? static_cast<QWidget *>(m_wertdatum) : m_auszugsdatum},
        {m_auszugsdatum, m_wertdatum},
        {m_wertdatum, m_buchungsart},
        {m_buchungsart, m_absender},
        {m_absender, m_verwendungszweck},
        {m_verwendungszweck, m_sollHaben},
        {m_betrag, m_apply},
    };
    for (const auto &[from, to] : moves) {
        if (from == field && to->isEnabled()) {
            to->setFocus(Qt::TabFocusReason);
            return true;
        }
    }
    return false;
}

void BookingEditDialog::fieldLeft(QWidget *field) {
    if (field == m_auszugsjahr)
        leaveAuszugsjahr();
    else if (field == m_auszugsnr)
        leaveAuszugsnr();
    else if (field == m_wertdatum)
        leaveWertdatum();
}

void BookingEditDialog::leaveAuszugsjahr() {
    if (m_state == EditState::Recurring || !m_auszugsdatum->isEnabled())
        return;
    const auto found = LookUpStatementDate(m_app.store(), m_app.currentFile(),
                                           m_auszugsjahr->currentText(), m_auszugsnr->text());
    if (!found)
        platform::ShowError(m_app.ui(), 114, QStringLiteral("Registry-Fehler"));
    else if (*found)
        m_auszugsdatum->setDayCount(**found);
}

void BookingEditDialog::leaveAuszugsnr() {
    if (m_state != EditState::Recurring)
        return;
    const QString text = m_auszugsnr->text();
    const auto day = IntegerInRange(text, 1, 30);
    if (!day) {
        platform::ShowError(
            m_app.ui(), 116,
            QStringLiteral("Unzulässiger Ausführungstag: ") + text
                + QStringLiteral(" Bitte geben Sie einen Wert zwischen 1 und 30 ein."));
        focusLater(m_auszugsnr);
        return;
    }
    // Only a changed day moves the first execution: passing through the field must not shift
    // the months in which the booking falls due.
    if (!m_auszugsnr->isModified())
        return;
    m_auszugsnr->setModified(false);
    m_wertdatum->setDayCount(OnExecutionDay(m_app.today(), *day));
}

void BookingEditDialog::leaveWertdatum() {
    if (m_state == EditState::Recurring) {
        const auto date = m_wertdatum->dayCount();
        if (!date) {
            platform::ShowError(m_app.ui(), 115,
                                QStringLiteral("Unzulässiges 1. Ausführungsdatum: ")
                                    + m_wertdatum->typedText());
            return;
        }
        const auto day = IntegerInRange(m_auszugsnr->text(), 1, 30);
        if (!day)
            return;
        m_wertdatum->setDayCount(OnExecutionDay(*date, *day));
        return;
    }
    if (!m_buchungsdatum->isEnabled())
        return;
    // A booking date entered before is kept while the value date is only passed through.
    const bool noBookingDate = m_buchungsdatum->typedText() == QStringLiteral("..");
    if (m_wertdatum->isModified() || noBookingDate) {
        m_buchungsdatum->setText(m_wertdatum->text());
        m_wertdatum->setModified(false);
    }
}

void BookingEditDialog::focusField(EditField field) {
    switch (field) {
    case EditField::None:
        return;
    case EditField::Auszugsnr:
        m_auszugsnr->setFocus();
        return;
    case EditField::Auszugsdatum:
        m_auszugsdatum->setFocus();
        return;
    case EditField::Wertdatum:
        m_wertdatum->setFocus();
        return;
    case EditField::Buchungsdatum:
        m_buchungsdatum->setFocus();
        return;
    case EditField::Betrag:
        m_betrag->setFocus();
        return;
    }
}

void BookingEditDialog::focusLater(QWidget *field) {
    // Taking the focus back while it is still moving away would confuse the focus chain.
    QTimer::singleShot(0, field, [field] { field->setFocus(); });
}

} // namespace penvaro::entry
