#pragma once

#include "ledgerrefresh.h"

#include "core/bookingtable.h"
#include "core/result.h"
#include "payments/paymentwindow.h"

#include <QMainWindow>

#include <filesystem>

class QToolButton;

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

namespace penvaro::printing {
class PrintCommands;
} // namespace penvaro::printing

namespace penvaro::evaluation {
class InterestWindow;
class SearchWindow;
} // namespace penvaro::evaluation
namespace penvaro::options {
class BackupDialog;
class OptionsDialog;
} // namespace penvaro::options

namespace penvaro::ledger {

class AccountsOverviewDialog;
class LedgerView;
class StatementImportDialog;
class WelcomePanel;

// The main window: the open account file as two booking tables with their sums, the tool
// bar and the menu. Everything else is a dialog opened from here.
class MainWindow : public QMainWindow {
    Q_OBJECT

public:
    explicit MainWindow(platform::AppState &state, QWidget *parent = nullptr);
    ~MainWindow() override;

    // The first showing: settings, start window, window size, the last account file, or the
    // file given on the command line.
    void startUp();
    void setStartFile(const std::filesystem::path &file) { m_startFile = file; }
    void showWelcome();
    bool ledgerVisible() const;
    // The password prompt was closed without the right password: the program must end.
    bool startRefused() const { return m_startRefused; }

    LedgerView &view() { return *m_view; }
    LedgerRefresh &ledger() { return *m_ledger; }

    // The commands of the menu, the tool bar, the buttons and the context menus.
    void openAccountFile();
    void openAccountFileByPath(const std::filesystem::path &path);
    void newAccountFile();
    void showAccountsOverview();
    void deleteCompleted();
    void deletePlanned();
    void enterStartValue();
    void enterCompleted();
    void enterPlanned();
    void editCompleted();
    void editPlanned();
    void transferPlanned();
    void editSuggestionLists();
    void showRecurringBookings();
    // Asks for a bank statement file and previews its import into the open account.
    void importStatement();
    void importStatementFile(const QString &path);
    // The payment window on the page; the tool bar's payment menu only while an account is shown.
    void showPayments(payments::PaymentWindow::Page page);
    void showOptions();
    void showBackup();
    void printBookingList();

    // The printouts of the main window, the accounts overview and the search window.
    printing::PrintCommands &printCommands() { return *m_print; }
    void showSearch();
    void showInterest();

protected:
    void closeEvent(QCloseEvent *event) override;
    // A statement file dropped on the window is imported into the open account.
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dropEvent(QDropEvent *event) override;

private:
    void buildMenu();
    QWidget *buildToolBar();
    void refresh();
    void showLedger();
    // The caption and the commands follow whether the file is open read-only.
    void showAccess();
    bool changesAllowed() const;
    void layoutWindow();
    void deleteBooking(core::Listing listing);
    // The slot of the current row of the listing, or 0 after showing the error for an empty one.
    int slotOrError(core::Listing listing, int errorCode, const QString &text);
    // "Zinsberechnung" says "MOMENT !" in red while the interest window computes.
    void showInterestBusy(bool busy);
    // Tells the user when no account is open to take a statement.
    bool accountOpenForImport();
    // Window size, account register and the last account file, before the user sees the ledger.
    void prepareWindow();
    void restoreWindowSize();
    void storeWindowSize();

    platform::AppState &m_state;
    LedgerView *m_view = nullptr;
    LedgerRefresh *m_ledger = nullptr;
    WelcomePanel *m_welcome = nullptr;
    AccountsOverviewDialog *m_accounts = nullptr;
    QWidget *m_summeH = nullptr;
    entry::BookingEntryDialog *m_entryDialog = nullptr;
    entry::BookingEditDialog *m_editDialog = nullptr;
    entry::StartValueDialog *m_startValueDialog = nullptr;
    entry::SuggestionListsDialog *m_suggestionsDialog = nullptr;
    entry::RecurringBookingsDialog *m_recurringDialog = nullptr;
    evaluation::InterestWindow *m_interestWindow = nullptr;
    evaluation::SearchWindow *m_searchWindow = nullptr;
    QToolButton *m_interestButton = nullptr;
    StatementImportDialog *m_importDialog = nullptr;
    payments::PaymentWindow *m_paymentWindow = nullptr;
    options::OptionsDialog *m_optionsDialog = nullptr;
    options::BackupDialog *m_backupDialog = nullptr;
    printing::PrintCommands *m_print = nullptr;
    bool m_startRefused = false;
    std::filesystem::path m_startFile;
};

} // namespace penvaro::ledger
