#pragma once

#include "ledgerrefresh.h"
#include "ledgerwidgets.h"

#include <QMainWindow>

#include "core/bookingrecord.h"

#include <filesystem>
#include <functional>
#include <memory>

class QAction;
class QMenu;
class QToolButton;

namespace penvaro::platform {
class AppState;
} // namespace penvaro::platform

namespace penvaro::ledger {

// The dialogs of the booking windows, which the main window opens without knowing them. A
// command whose dialog is missing stays disabled.
struct BookingDialogs {
    std::function<void(core::BookingKind)> enter;
    std::function<void()> startValue;
    // Right after a new account file was created.
    std::function<void()> startValueForNewFile;
    std::function<void()> suggestions;
    std::function<void()> recurring;
    // Grid rows count from 1.
    std::function<void(int row)> editCompleted;
    std::function<void(int row)> editPlanned;
    std::function<void(int row)> transferPlanned;
};

class TKontenF;
class WelcomePanel;

// The main window: the open account file as two booking tables with their sums, the tool
// bar and the menu. Everything else is a dialog opened from here.
class TMainForm : public QMainWindow {
    Q_OBJECT

public:
    explicit TMainForm(platform::AppState &state, QWidget *parent = nullptr);
    ~TMainForm() override;

    // The first showing: settings, start window, window size, the last account file, or the
    // file given on the command line.
    void StartUp();
    void setStartFile(const std::filesystem::path &file) { m_startFile = file; }
    // Loads the current account file, applies its due recurring bookings, sorts and shows it.
    core::Result<void> LoadCurrentAccount();
    void ShowWelcome();
    bool ledgerVisible() const;
    // The password prompt was closed without the right password: the program must end.
    bool startRefused() const { return m_startRefused; }

    LedgerRefresh &ledger() { return *m_ledger; }
    const LedgerWidgets &widgets() const { return m_w; }

    // The commands of the menu, the tool bar, the buttons and the context menus.
    void OpenAccountFile();
    void OpenAccountFileByPath(const std::filesystem::path &path);
    void NewAccountFile();
    void ShowAccountsOverview();
    void DeleteCompleted();
    void DeletePlanned();
    void StartValueCommand();
    void EnterCompleted();
    void EnterPlanned();
    void EditCompleted();
    void EditPlanned();
    void TransferPlanned();
    void SuggestionsCommand();
    void RecurringCommand();
    void setBookingDialogs(BookingDialogs dialogs);
    void CurrencyBoxClicked(QCheckBox *box);

protected:
    void resizeEvent(QResizeEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void buildMenu();
    void buildToolBar(QWidget *central);
    void buildCompletedGroup(QWidget *central);
    void buildPlannedGroup(QWidget *central);
    void buildContextMenus();
    void FormResize();
    void refresh();
    void showLedger();
    core::Result<void> showLoadedAccount();
    core::Result<void> applyDueRecurringBookings();
    void recordCurrentInRegister(std::int64_t balance);
    void openLegacyFile(const std::filesystem::path &path);
    void deleteRow(TImpStringgrid &grid, bool completed, int errorCode);
    bool guardFirstRow(const TImpStringgrid &grid, int errorCode, const QString &text);
    void enableCommand(const char *objectName, void (TMainForm::*command)());
    void restoreWindowSize();
    void storeWindowSize();

    platform::AppState &m_state;
    LedgerWidgets m_w;
    std::unique_ptr<LedgerRefresh> m_ledger;
    WelcomePanel *m_welcome = nullptr;
    TKontenF *m_accounts = nullptr;
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
    BookingDialogs m_dialogs;
    bool m_startRefused = false;
    std::filesystem::path m_startFile;
};

} // namespace penvaro::ledger
