#include "mainwindow.h"

#include "amountdisplay.h"
#include "ledgerview.h"

#include "core/amounttext.h"
#include "core/bookingchanges.h"
#include "core/date.h"
#include "core/interest.h"
#include "entry/bookingeditdialog.h"
#include "entry/bookingentrydialog.h"
#include "entry/recurringbookingsdialog.h"
#include "entry/startvaluedialog.h"
#include "entry/suggestionlistsdialog.h"
#include "evaluation/interestwindow.h"
#include "evaluation/searchwindow.h"
#include "options/backupdialog.h"
#include "options/optionsdialog.h"
#include "platform/accountsession.h"
#include "platform/appstate.h"
#include "platform/uiservice.h"
#include "printing/printcommands.h"

#include <QToolButton>

namespace penvaro::ledger {
namespace {

constexpr std::int32_t ErrorNothingToDeleteCompleted = 342;
constexpr std::int32_t ErrorNothingToEditCompleted = 343;
constexpr std::int32_t ErrorNothingToEditPlanned = 344;
constexpr std::int32_t ErrorNothingToDeletePlanned = 345;
constexpr std::int32_t ErrorNothingToTransfer = 346;
constexpr std::int32_t ErrorNoInterestData = 348;

const QString nothingToEdit = QStringLiteral("Keine zu bearbeitenden Daten! ");
const QString nothingToDelete = QStringLiteral("Keine zu löschenden Daten! ");

// The question names the booking it is about, below the question itself.
QString deleteQuestion(const core::BookingRecord &record,
                       const core::NumberSeparators &separators) {
    QString question = QStringLiteral("Wollen Sie wirklich den aktuellen Datensatz löschen?");
    if (record.Satzart == core::BookingKind::StartValue)
        return question + QStringLiteral("\n\nStartwert");
    const QString date = core::CivilFromDayCount(record.Wertdatum)
                             ? QString::fromStdString(core::FormatDate(record.Wertdatum))
                             : QString();
    const std::int64_t signedAmount = record.SollHaben == u'-' ? -record.Betrag : record.Betrag;
    return question
           + QStringLiteral("\n\n%1   %2   %3")
                 .arg(date, QString::fromStdString(record.Absender.toUtf8()),
                      QString::fromStdString(core::FormatEuroText(signedAmount, separators)));
}

} // namespace

int MainWindow::slotOrError(core::Listing listing, int errorCode, const QString &text) {
    const int slot = m_view->currentSlot(listing);
    if (slot == 0)
        platform::ShowError(m_state.ui(), errorCode, text);
    return slot;
}

void MainWindow::deleteCompleted() {
    deleteBooking(core::Listing::Completed);
}

void MainWindow::deletePlanned() {
    deleteBooking(core::Listing::Planned);
}

void MainWindow::deleteBooking(core::Listing listing) {
    if (!changesAllowed())
        return;
    const bool completed = listing == core::Listing::Completed;
    const int slot = slotOrError(
        listing, completed ? ErrorNothingToDeleteCompleted : ErrorNothingToDeletePlanned,
        nothingToDelete);
    if (slot == 0)
        return;
    if (m_state.ui().askYesNo(deleteQuestion(m_state.table().slot(slot), LocaleSeparators()),
                              platform::Answer::No)
        != platform::Answer::Yes)
        return;
    if (platform::ReportFailure(m_state.ui(),
                                core::DeleteBooking(m_state.table(), slot, m_state.currentPath())))
        m_state.announceBookingChange();
}

void MainWindow::enterCompleted() {
    if (changesAllowed())
        m_entryDialog->showForKind(core::BookingKind::Completed);
}

void MainWindow::enterPlanned() {
    if (changesAllowed())
        m_entryDialog->showForKind(core::BookingKind::Planned);
}

void MainWindow::enterStartValue() {
    if (changesAllowed())
        m_startValueDialog->showFromCommand();
}

void MainWindow::showPayments(payments::PaymentWindow::Page page) {
    m_paymentWindow->showPage(page);
}

void MainWindow::editSuggestionLists() {
    m_suggestionsDialog->showModal();
}

void MainWindow::showRecurringBookings() {
    // Its commands change bookings.
    if (m_state.session().readOnly())
        return;
    m_recurringDialog->showModal();
}

void MainWindow::showSearch() {
    if (ledgerVisible())
        m_searchWindow->showModal();
}

void MainWindow::showInterest() {
    if (!ledgerVisible() || m_state.table().count == 0)
        return;
    if (!core::FirstBookingDay(m_state.table())) {
        platform::ShowError(m_state.ui(), ErrorNoInterestData,
                            QStringLiteral("Keine Daten eingegeben"));
        return;
    }
    showInterestBusy(true);
    m_interestWindow->showModal();
}

void MainWindow::showInterestBusy(bool busy) {
    m_interestButton->setText(busy ? QStringLiteral("MOMENT !") : QStringLiteral("Zinsberechnung"));
    // Back to the colours of the desktop's theme, which is black on a light one.
    QPalette palette;
    if (busy)
        palette.setColor(QPalette::ButtonText, Qt::red);
    m_interestButton->setPalette(palette);
    m_interestButton->repaint();
}

void MainWindow::showOptions() {
    // The options include those of the open account file: without one there is nothing to set.
    if (ledgerVisible())
        m_optionsDialog->showModal();
}

void MainWindow::showBackup() {
    m_backupDialog->showModal();
}

void MainWindow::editCompleted() {
    if (!changesAllowed())
        return;
    const int slot =
        slotOrError(core::Listing::Completed, ErrorNothingToEditCompleted, nothingToEdit);
    // The start value is changed only by entering it anew; the edit dialog refuses it too.
    if (slot == 0 || m_state.table().slot(slot).Satzart == core::BookingKind::StartValue)
        return;
    m_editDialog->edit(entry::FormState::Completed, slot);
}

void MainWindow::editPlanned() {
    if (!changesAllowed())
        return;
    if (const int slot =
            slotOrError(core::Listing::Planned, ErrorNothingToEditPlanned, nothingToEdit))
        m_editDialog->edit(entry::FormState::Planned, slot);
}

void MainWindow::transferPlanned() {
    if (m_state.session().readOnly())
        return;
    if (const int slot = slotOrError(core::Listing::Planned, ErrorNothingToTransfer,
                                     QStringLiteral("Keine zu verschiebenden Daten! ")))
        m_editDialog->edit(entry::FormState::Transfer, slot);
}

void MainWindow::printBookingList() {
    if (ledgerVisible())
        m_print->printBookingList();
}

} // namespace penvaro::ledger
