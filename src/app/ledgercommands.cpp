#include "ledgercommands.h"

#include "core/amounttext.h"
#include "core/bookingchanges.h"
#include "core/bookingtexts.h"
#include "core/date.h"
#include "core/interest.h"
#include "entry/bookingeditdialog.h"
#include "entry/bookingentrydialog.h"
#include "entry/recurringbookingsdialog.h"
#include "entry/startvaluedialog.h"
#include "entry/suggestionlistsdialog.h"
#include "evaluation/interestwindow.h"
#include "evaluation/searchwindow.h"
#include "import/statementimportdialog.h"
#include "ledger/accountsoverviewdialog.h"
#include "ledger/ledgerview.h"
#include "options/backupdialog.h"
#include "options/optionsdialog.h"
#include "platform/accountsession.h"
#include "platform/appstate.h"
#include "platform/uiservice.h"
#include "printing/printcommands.h"
#include "report/yearreportwindow.h"
#include "widgets/localeseparators.h"

#include <QWidget>

namespace penvaro::app {
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
                 .arg(date, QString::fromStdString(core::PartyText(record)),
                      QString::fromStdString(core::FormatEuroText(signedAmount, separators)));
}

} // namespace

LedgerCommands::LedgerCommands(platform::AppState &state, ledger::LedgerView &view, QWidget *window)
    : QObject(window)
    , m_state(state)
    , m_view(view)
    , m_window(window) {}

bool LedgerCommands::ledgerVisible() const {
    return !m_view.isHidden();
}

bool LedgerCommands::changesAllowed() const {
    return ledgerVisible() && !m_state.session().readOnly();
}

ledger::AccountsOverviewDialog &LedgerCommands::accountsOverview() {
    if (!m_accounts) {
        m_accounts = new ledger::AccountsOverviewDialog(m_state, m_window);
        connect(m_accounts, &ledger::AccountsOverviewDialog::printRequested, this,
                [this] { printCommands().printAccountsOverview(m_accounts->accounts()); });
    }
    return *m_accounts;
}

printing::PrintCommands &LedgerCommands::printCommands() {
    if (!m_print)
        m_print = new printing::PrintCommands(m_state, m_window);
    return *m_print;
}

entry::BookingEntryDialog &LedgerCommands::entryDialog() {
    if (!m_entryDialog)
        m_entryDialog = new entry::BookingEntryDialog(m_state, m_window);
    return *m_entryDialog;
}

entry::BookingEditDialog &LedgerCommands::editDialog() {
    if (!m_editDialog)
        m_editDialog = new entry::BookingEditDialog(m_state, m_window);
    return *m_editDialog;
}

entry::StartValueDialog &LedgerCommands::startValueDialog() {
    if (!m_startValueDialog)
        m_startValueDialog = new entry::StartValueDialog(m_state, m_window);
    return *m_startValueDialog;
}

payments::PaymentWindow &LedgerCommands::paymentWindow() {
    if (!m_paymentWindow)
        m_paymentWindow = new payments::PaymentWindow(m_state, m_window);
    return *m_paymentWindow;
}

int LedgerCommands::slotOrError(core::Listing listing, int errorCode, const QString &text) {
    const int slot = m_view.currentSlot(listing);
    if (slot == 0)
        platform::ShowError(m_state.ui(), errorCode, text);
    return slot;
}

void LedgerCommands::newAccountFile() {
    if (!m_state.session().createChosen())
        return;
    startValueDialog().showModal();
    // The new account's own bank data are typed now; the old account's would be wrong.
    core::Settings &own = m_state.settings();
    for (std::string *text :
         {&own.accountNumber, &own.accountHolder, &own.accountName, &own.bankName, &own.bankCode})
        text->clear();
    paymentWindow().showPage(payments::PaymentWindow::Page::AccountData);
}

void LedgerCommands::showAccountsOverview() {
    accountsOverview().refill();
    m_state.ui().runModal(accountsOverview());
}

void LedgerCommands::deleteCompleted() {
    deleteBooking(core::Listing::Completed);
}

void LedgerCommands::deletePlanned() {
    deleteBooking(core::Listing::Planned);
}

void LedgerCommands::deleteBooking(core::Listing listing) {
    if (!changesAllowed())
        return;
    const bool completed = listing == core::Listing::Completed;
    const int slot = slotOrError(
        listing, completed ? ErrorNothingToDeleteCompleted : ErrorNothingToDeletePlanned,
        nothingToDelete);
    if (slot == 0)
        return;
    if (m_state.ui().askYesNo(
            deleteQuestion(m_state.table().slot(slot), widgets::LocaleSeparators()),
            platform::Answer::No)
        != platform::Answer::Yes)
        return;
    if (platform::ReportFailure(m_state.ui(),
                                core::DeleteBooking(m_state.table(), slot, m_state.currentPath())))
        m_state.announceBookingChange();
}

void LedgerCommands::enterBooking(core::Listing listing) {
    listing == core::Listing::Planned ? enterPlanned() : enterCompleted();
}

void LedgerCommands::enterCompleted() {
    if (changesAllowed())
        entryDialog().showForKind(core::BookingKind::Completed);
}

void LedgerCommands::enterPlanned() {
    if (changesAllowed())
        entryDialog().showForKind(core::BookingKind::Planned);
}

void LedgerCommands::enterStartValue() {
    if (changesAllowed())
        startValueDialog().showFromCommand();
}

void LedgerCommands::showPayments(payments::PaymentWindow::Page page) {
    paymentWindow().showPage(page);
}

void LedgerCommands::editSuggestionLists() {
    if (!m_suggestionsDialog)
        m_suggestionsDialog =
            new entry::SuggestionListsDialog(m_state.store(), m_state.ui(), m_window);
    m_suggestionsDialog->showModal();
}

void LedgerCommands::showRecurringBookings() {
    // Its commands change bookings.
    if (m_state.session().readOnly())
        return;
    if (!m_recurringDialog) {
        m_recurringDialog = new entry::RecurringBookingsDialog(m_state, editDialog(), m_window);
        connect(m_recurringDialog, &entry::RecurringBookingsDialog::enterRequested, this,
                [this] { entryDialog().showForKind(core::BookingKind::Recurring); });
    }
    m_recurringDialog->showModal();
}

void LedgerCommands::showSearch() {
    if (!ledgerVisible())
        return;
    if (!m_searchWindow) {
        m_searchWindow = new evaluation::SearchWindow(m_state, m_window);
        connect(m_searchWindow, &evaluation::SearchWindow::printRequested, this,
                [this](const core::SearchCriteria &criteria) {
                    printCommands().printEvaluation(criteria);
                });
    }
    m_searchWindow->showModal();
}

void LedgerCommands::showYearReport() {
    if (!ledgerVisible())
        return;
    if (!m_yearReport) {
        m_yearReport = new report::YearReportWindow(m_state, m_window);
        connect(m_yearReport, &report::YearReportWindow::printRequested, this, [this] {
            printCommands().printWithSystemDialog(
                [this](core::Canvas &canvas) { return m_yearReport->drawPrintout(canvas); });
        });
    }
    m_yearReport->showModal();
}

void LedgerCommands::showInterest() {
    if (!ledgerVisible() || m_state.table().count() == 0)
        return;
    if (!core::FirstBookingDay(m_state.table())) {
        platform::ShowError(m_state.ui(), ErrorNoInterestData,
                            QStringLiteral("Keine Daten eingegeben"));
        return;
    }
    if (!m_interestWindow) {
        m_interestWindow = new evaluation::InterestWindow(m_state, m_window);
        connect(m_interestWindow, &evaluation::InterestWindow::openingComputed, this,
                [this] { Q_EMIT interestBusy(false); });
    }
    Q_EMIT interestBusy(true);
    m_interestWindow->showModal();
}

void LedgerCommands::showOptions() {
    if (!m_optionsDialog) {
        m_optionsDialog = new options::OptionsDialog(m_state, m_window);
        connect(m_optionsDialog, &options::OptionsDialog::optionsApplied, this,
                &LedgerCommands::layoutChanged);
    }
    // The values of an account file are greyed out while none is shown.
    m_optionsDialog->showModal(ledgerVisible());
}

void LedgerCommands::showBackup() {
    if (!m_backupDialog) {
        m_backupDialog = new options::BackupDialog(m_state, m_window);
        connect(m_backupDialog, &options::BackupDialog::settingsMerged, this, [this] {
            // The merged settings of the open file change what the ledger shows and its order.
            if (!ledgerVisible())
                return;
            Q_EMIT layoutChanged();
            m_state.announceBookingChange();
        });
    }
    m_backupDialog->showModal();
}

void LedgerCommands::editCompleted() {
    if (!changesAllowed())
        return;
    const int slot =
        slotOrError(core::Listing::Completed, ErrorNothingToEditCompleted, nothingToEdit);
    // The start value is changed only by entering it anew; the edit dialog refuses it too.
    if (slot == 0 || m_state.table().slot(slot).Satzart == core::BookingKind::StartValue)
        return;
    editDialog().edit(entry::FormState::Completed, slot);
}

void LedgerCommands::editPlanned() {
    if (!changesAllowed())
        return;
    if (const int slot =
            slotOrError(core::Listing::Planned, ErrorNothingToEditPlanned, nothingToEdit))
        editDialog().edit(entry::FormState::Planned, slot);
}

void LedgerCommands::editBooking(core::Listing listing) {
    listing == core::Listing::Planned ? editPlanned() : editCompleted();
}

void LedgerCommands::transferPlanned() {
    if (m_state.session().readOnly())
        return;
    if (const int slot = slotOrError(core::Listing::Planned, ErrorNothingToTransfer,
                                     QStringLiteral("Keine zu verschiebenden Daten! ")))
        editDialog().edit(entry::FormState::Transfer, slot);
}

void LedgerCommands::printBookingList() {
    if (ledgerVisible())
        printCommands().printBookingList();
}

void LedgerCommands::importStatementFile(const QString &path) {
    if (!m_importDialog)
        m_importDialog = new import::StatementImportDialog(m_state, m_window);
    m_importDialog->importFile(path);
}

} // namespace penvaro::app
