#include "mainwindow.h"

#include "accountsoverviewdialog.h"
#include "ledgerview.h"
#include "startdialog.h"
#include "statementimportdialog.h"
#include "welcomepanel.h"

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
#include "platform/programfolder.h"
#include "platform/registrystore.h"
#include "platform/settingsstore.h"
#include "platform/uiservice.h"
#include "printing/printcommands.h"

#include <QCloseEvent>
#include <QLabel>
#include <QScreen>
#include <QVBoxLayout>

namespace penvaro::ledger {
namespace {

constexpr std::int32_t ErrorStartRegistry = 341;
constexpr std::int32_t ErrorShutdownRegistry = 347;

const QString maximizedState = QStringLiteral("wsMaximized");

} // namespace

MainWindow::MainWindow(platform::AppState &state, QWidget *parent)
    : QMainWindow(parent)
    , m_state(state) {
    setObjectName(QStringLiteral("MainForm"));
    setWindowTitle(QStringLiteral("Tarvel Software - Penvaro 2011"));
    buildMenu();
    auto *central = new QWidget(this);
    setCentralWidget(central);
    auto *layout = new QVBoxLayout(central);
    layout->addWidget(buildToolBar());
    m_welcome = new WelcomePanel(central);
    layout->addWidget(m_welcome, 1);
    auto *todayCaption = m_summeH->findChild<QLabel *>(QStringLiteral("LSummeH"));
    auto *todayBalance = m_summeH->findChild<QLabel *>(QStringLiteral("STSummeH"));
    m_view = new LedgerView(m_state, todayBalance, todayCaption, central);
    layout->addWidget(m_view, 1);
    m_ledger = &m_view->refresher();

    connect(m_view, &LedgerView::enterRequested, this, [this](core::Listing listing) {
        listing == core::Listing::Planned ? enterPlanned() : enterCompleted();
    });
    connect(m_view, &LedgerView::editRequested, this, [this](core::Listing listing) {
        listing == core::Listing::Planned ? editPlanned() : editCompleted();
    });
    connect(m_view, &LedgerView::deleteRequested, this, &MainWindow::deleteBooking);
    connect(m_view, &LedgerView::transferRequested, this, &MainWindow::transferPlanned);
    connect(m_view, &LedgerView::startValueRequested, this, &MainWindow::enterStartValue);
    connect(m_view, &LedgerView::printRequested, this, &MainWindow::printBookingList);

    m_print = new printing::PrintCommands(m_state, this);
    m_accounts = new AccountsOverviewDialog(m_state, this);
    connect(m_accounts, &AccountsOverviewDialog::printRequested, this,
            [this] { m_print->printAccountsOverview(m_accounts->accounts()); });
    m_entryDialog = new entry::BookingEntryDialog(m_state, this);
    m_editDialog = new entry::BookingEditDialog(m_state, this);
    m_startValueDialog = new entry::StartValueDialog(m_state, this);
    m_suggestionsDialog = new entry::SuggestionListsDialog(m_state.store(), m_state.ui(), this);
    m_recurringDialog = new entry::RecurringBookingsDialog(
        m_state, *m_editDialog,
        [this] { m_entryDialog->showForKind(core::BookingKind::Recurring); }, this);
    m_interestWindow = new evaluation::InterestWindow(m_state, this);
    connect(m_interestWindow, &evaluation::InterestWindow::openingComputed, this,
            [this] { showInterestBusy(false); });
    m_searchWindow =
        new evaluation::SearchWindow(m_state, m_view->grid(core::Listing::Completed), this);
    m_importDialog = new StatementImportDialog(m_state, this);
    m_paymentWindow = new payments::PaymentWindow(m_state, this);
    m_optionsDialog = new options::OptionsDialog(m_state, this);
    connect(m_optionsDialog, &options::OptionsDialog::optionsApplied, this,
            &MainWindow::layoutWindow);
    m_backupDialog = new options::BackupDialog(m_state, this);
    connect(m_backupDialog, &options::BackupDialog::settingsMerged, this, [this] {
        // The merged settings of the open file change what the ledger shows and its order.
        if (!ledgerVisible())
            return;
        layoutWindow();
        m_state.announceBookingChange();
    });
    connect(m_searchWindow, &evaluation::SearchWindow::printRequested, m_print,
            &printing::PrintCommands::printEvaluation);
    connect(&m_state, &platform::AppState::bookingsChanged, this, &MainWindow::refresh);
    setAcceptDrops(true);
    connect(&m_state.session(), &platform::AccountSession::accountOpened, this, [this] {
        showLedger();
        showAccess();
    });
    resize(750, 550);
    showWelcome();
}

MainWindow::~MainWindow() = default;

bool MainWindow::ledgerVisible() const {
    return !m_view->isHidden();
}

void MainWindow::showWelcome() {
    m_view->hide();
    m_summeH->hide();
    m_welcome->show();
}

void MainWindow::showAccess() {
    const bool readOnly = m_state.session().readOnly();
    const QString title = QStringLiteral("Tarvel Software - Penvaro 2011");
    setWindowTitle(readOnly ? title + QStringLiteral(" - schreibgeschützt") : title);
    m_view->setChangesAllowed(!readOnly);
}

bool MainWindow::changesAllowed() const {
    return ledgerVisible() && !m_state.session().readOnly();
}

void MainWindow::showLedger() {
    m_welcome->hide();
    m_view->show();
    m_summeH->show();
    layoutWindow();
}

void MainWindow::layoutWindow() {
    m_view->applyOptions();
    m_ledger->fitColumns();
}

void MainWindow::startUp() {
    platform::SettingsStore &settings = m_state.settingsStore();
    settings.LoadSettings();
    m_state.settings().Pfad = platform::ProgramFolder().toStdString();
    if (!m_state.store().setValue(platform::ProductKey(), QStringLiteral("Pfad"),
                                  QString::fromStdString(m_state.settings().Pfad)))
        platform::ShowRegistryError(m_state.ui(), m_state.store(), ErrorStartRegistry);

    StartDialog start(m_state.settings().StartB, m_state.settings().passwordRequired,
                      QString::fromStdString(m_state.settings().storedPassword), this);
    // Behind a password nothing of the accounts shows before it was typed. Without one the
    // start window stands over the ready main window, so that closing it early loses nothing.
    if (start.asksForPassword()) {
        if (m_state.ui().runModal(start) != QDialog::Accepted) {
            m_startRefused = true;
            return;
        }
        prepareWindow();
        return;
    }
    prepareWindow();
    m_state.ui().runModal(start);
}

void MainWindow::prepareWindow() {
    restoreWindowSize();
    m_accounts->refill();
    if (!m_startFile.empty()) {
        openAccountFileByPath(m_startFile);
        return;
    }
    if (!m_state.session().reopenLast())
        showWelcome();
}

void MainWindow::refresh() {
    platform::ReportFailure(m_state.ui(), m_ledger->refreshLedger());
}

void MainWindow::restoreWindowSize() {
    const core::Settings &settings = m_state.settings();
    if (settings.WindowState == maximizedState.toStdString()) {
        showMaximized();
        return;
    }
    QSize size(settings.Breite, settings.Hoehe);
    QRect placed(pos(), size);
    // A size stored on a bigger screen, or at a smaller scale, must not put the sums out of
    // reach: the window is fitted into the screen it opens on.
    if (const QScreen *shown = screen()) {
        const QRect available = shown->availableGeometry();
        placed.setSize(size.boundedTo(available.size()));
        placed.moveLeft(
            std::clamp(placed.left(), available.left(), available.right() - placed.width() + 1));
        placed.moveTop(
            std::clamp(placed.top(), available.top(), available.bottom() - placed.height() + 1));
    }
    resize(placed.size());
    move(placed.topLeft());
    showNormal();
}

void MainWindow::storeWindowSize() {
    core::Settings &settings = m_state.settings();
    const bool maximized = isMaximized() || isMinimized();
    settings.WindowState = (maximized ? maximizedState : QStringLiteral("wsNormal")).toStdString();
    if (!maximized) {
        settings.Breite = width();
        settings.Hoehe = height();
    }
    if (!m_state.settingsStore().SaveWindowSize())
        platform::ShowRegistryError(m_state.ui(), m_state.store(), ErrorShutdownRegistry);
}

void MainWindow::closeEvent(QCloseEvent *event) {
    storeWindowSize();
    m_state.settingsStore().SaveSettings();
    event->accept();
}

} // namespace penvaro::ledger
