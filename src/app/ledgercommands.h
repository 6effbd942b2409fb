#pragma once

#include "core/bookingtable.h"
#include "payments/paymentwindow.h"

#include <QObject>

class QWidget;

namespace penvaro::platform {
class AppState;
} // namespace penvaro::platform

namespace penvaro::entry {
class BookingEditDialog;
class BookingEntryDialog;
class RecurringBookingsDialog;
class StartValueDialog;
class SuggestionListsDialog;
} // namespace penvaro::entry

namespace penvaro::evaluation {
class InterestWindow;
class SearchWindow;
} // namespace penvaro::evaluation

namespace penvaro::import {
class StatementImportDialog;
} // namespace penvaro::import

namespace penvaro::options {
class BackupDialog;
class OptionsDialog;
} // namespace penvaro::options

namespace penvaro::report {
class YearReportWindow;
} // namespace penvaro::report

namespace penvaro::printing {
class PrintCommands;
} // namespace penvaro::printing

namespace penvaro::ledger {
class AccountsOverviewDialog;
class LedgerView;
} // namespace penvaro::ledger

namespace penvaro::app {

// What the menu, the tool bar, the buttons and the context menus ask for: each command checks
// that it may run (an account shown, the file writable, a current row), asks what must be asked,
// and opens its dialog. A dialog is built when it is first opened, so that start-up pays only
// for the ledger.
class LedgerCommands : public QObject {
    Q_OBJECT

public:
    // The dialogs belong to the window; the ledger view says what is shown and current.
    LedgerCommands(platform::AppState &state, ledger::LedgerView &view, QWidget *window);

    bool ledgerVisible() const;
    bool changesAllowed() const;

    void newAccountFile();
    void showAccountsOverview();
    void deleteCompleted();
    void deletePlanned();
    void deleteBooking(core::Listing listing);
    void enterStartValue();
    void enterBooking(core::Listing listing);
    void enterCompleted();
    void enterPlanned();
    void editBooking(core::Listing listing);
    void editCompleted();
    void editPlanned();
    void transferPlanned();
    void editSuggestionLists();
    void showRecurringBookings();
    // Previews the import of a statement file into the open account.
    void importStatementFile(const QString &path);
    // The payment window on the page.
    void showPayments(payments::PaymentWindow::Page page);
    void showOptions();
    void showBackup();
    void printBookingList();
    void showSearch();
    void showInterest();
    void showYearReport();

    // The dialogs, each built on first use.
    ledger::AccountsOverviewDialog &accountsOverview();
    printing::PrintCommands &printCommands();

Q_SIGNALS:
    // The options or merged settings change how the ledger is laid out.
    void layoutChanged();
    // The interest window computes: the command's button says so.
    void interestBusy(bool busy);

private:
    // The slot of the current row of the listing, or 0 after showing the error for an empty one.
    int slotOrError(core::Listing listing, int errorCode, const QString &text);
    entry::BookingEntryDialog &entryDialog();
    entry::BookingEditDialog &editDialog();
    entry::StartValueDialog &startValueDialog();
    payments::PaymentWindow &paymentWindow();

    platform::AppState &m_state;
    ledger::LedgerView &m_view;
    QWidget *m_window;
    ledger::AccountsOverviewDialog *m_accounts = nullptr;
    entry::BookingEntryDialog *m_entryDialog = nullptr;
    entry::BookingEditDialog *m_editDialog = nullptr;
    entry::StartValueDialog *m_startValueDialog = nullptr;
    entry::SuggestionListsDialog *m_suggestionsDialog = nullptr;
    entry::RecurringBookingsDialog *m_recurringDialog = nullptr;
    evaluation::InterestWindow *m_interestWindow = nullptr;
    evaluation::SearchWindow *m_searchWindow = nullptr;
    report::YearReportWindow *m_yearReport = nullptr;
    import::StatementImportDialog *m_importDialog = nullptr;
    payments::PaymentWindow *m_paymentWindow = nullptr;
    options::OptionsDialog *m_optionsDialog = nullptr;
    options::BackupDialog *m_backupDialog = nullptr;
    printing::PrintCommands *m_print = nullptr;
};

} // namespace penvaro::app
