#pragma once

#include "ledgerrefresh.h"
#include "ledgerwidgets.h"

#include <QMainWindow>

#include "core/bookingrecord.h"

#include <filesystem>
#include <memory>

class QAction;
class QMenu;
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

namespace penvaro::ledger {

class AccountsOverviewDialog;
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
    // Loads the current account file, applies its due recurring bookings, sorts and shows it.
    core::Result<void> loadCurrentAccount();
    void showWelcome();
    bool ledgerVisible() const;
    // The password prompt was closed without the right password: the program must end.
    bool startRefused() const { return m_startRefused; }

    LedgerRefresh &ledger() { return *m_ledger; }
    const LedgerWidgets &widgets() const { return m_w; }

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
    void currencyBoxClicked(QCheckBox *box);

protected:
    void resizeEvent(QResizeEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void buildMenu();
    void buildToolBar(QWidget *central);
    void buildCompletedGroup(QWidget *central);
    void buildPlannedGroup(QWidget *central);
    void buildContextMenus();
    void layoutWindow();
    void refresh();
    void showLedger();
    core::Result<void> showLoadedAccount();
    core::Result<void> applyDueRecurringBookings();
    void recordCurrentInRegister(std::int64_t balance);
    void openLegacyFile(const std::filesystem::path &path);
    void deleteRow(widgets::StringGrid &grid, bool completed, int errorCode);
    bool guardFirstRow(const widgets::StringGrid &grid, int errorCode, const QString &text);
    void restoreWindowSize();
    void storeWindowSize();

    platform::AppState &m_state;
    LedgerWidgets m_w;
    std::unique_ptr<LedgerRefresh> m_ledger;
    WelcomePanel *m_welcome = nullptr;
    AccountsOverviewDialog *m_accounts = nullptr;
    QWidget *m_toolBar = nullptr;
    QWidget *m_summeH = nullptr;
    QWidget *m_image = nullptr;
    QToolButton *m_sbNeu = nullptr;
    QToolButton *m_sbOeffnen = nullptr;
    QToolButton *m_sbDrucken = nullptr;
    QToolButton *m_sbGrafik = nullptr;
    QToolButton *m_sbOptionen = nullptr;
    QToolButton *m_interest = nullptr;
    QMenu *m_completedMenu = nullptr;
    QMenu *m_plannedMenu = nullptr;
    QWidget *m_completedButtons = nullptr;
    QWidget *m_plannedButtons = nullptr;
    entry::BookingEntryDialog *m_entryDialog = nullptr;
    entry::BookingEditDialog *m_editDialog = nullptr;
    entry::StartValueDialog *m_startValueDialog = nullptr;
    entry::SuggestionListsDialog *m_suggestionsDialog = nullptr;
    entry::RecurringBookingsDialog *m_recurringDialog = nullptr;
    bool m_startRefused = false;
    std::filesystem::path m_startFile;
};

} // namespace penvaro::ledger
