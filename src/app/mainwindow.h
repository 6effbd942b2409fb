#pragma once

#include <QMainWindow>

#include <filesystem>

class QScrollArea;
class QToolButton;

namespace penvaro::platform {
class AppState;
} // namespace penvaro::platform

namespace penvaro::ledger {
class LedgerView;
} // namespace penvaro::ledger

namespace penvaro::app {

class LedgerCommands;
class WelcomePanel;

// The main window: the open account file as two booking tables with their sums, the tool bar
// and the menu. It frames; what its commands do is LedgerCommands'.
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
    // Where the window opens while no size is stored: two thirds of the screen's free area,
    // centred, at least 750 × 550 where the screen has room for it.
    static QRect FirstStartGeometry(const QRect &available);
    // The password prompt was closed without the right password: the program must end.
    bool startRefused() const { return m_startRefused; }

    ledger::LedgerView &view() { return *m_view; }
    LedgerCommands &commands() { return *m_commands; }

    void openAccountFile();
    void openAccountFileByPath(const std::filesystem::path &path);
    // Asks for a bank statement file and previews its import into the open account.
    void importStatement();
    void importStatementFile(const QString &path);

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
    void layoutWindow();
    // "Zinsberechnung" says "MOMENT !" in red while the interest window computes.
    void showInterestBusy(bool busy);
    // Tells the user when no account is open to take a statement.
    bool accountOpenForImport();
    // Window size and the last account file, before the user sees the ledger.
    void prepareWindow();
    void restoreWindowSize();
    // A font or scale too large for the window's width: it widens as far as its content needs
    // and the screen allows, rather than hiding commands behind a scroll bar.
    void widenForContent();
    void storeWindowSize();

    platform::AppState &m_state;
    QScrollArea *m_frame = nullptr;
    ledger::LedgerView *m_view = nullptr;
    LedgerCommands *m_commands = nullptr;
    WelcomePanel *m_welcome = nullptr;
    QWidget *m_todayPanel = nullptr;
    QToolButton *m_interestButton = nullptr;
    bool m_startRefused = false;
    std::filesystem::path m_startFile;
};

} // namespace penvaro::app
