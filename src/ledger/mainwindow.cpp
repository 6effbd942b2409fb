#include "mainwindow.h"

#include "accountsoverviewdialog.h"
#include "startdialog.h"
#include "welcomepanel.h"
#include "widgets/stringgrid.h"

#include "entry/bookingeditdialog.h"
#include "entry/bookingentrydialog.h"
#include "entry/recurringbookingsdialog.h"
#include "entry/startvaluedialog.h"
#include "entry/suggestionlistsdialog.h"

#include "core/accountfile.h"
#include "core/accountregister.h"
#include "core/bookingchanges.h"
#include "platform/appstate.h"
#include "platform/programfolder.h"
#include "platform/registrystore.h"
#include "platform/settingsstore.h"
#include "platform/uiservice.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QGroupBox>

namespace penvaro::ledger {
namespace {

constexpr std::int32_t ErrorStartRegistry = 341;
constexpr std::int32_t ErrorNothingToDeleteCompleted = 342;
constexpr std::int32_t ErrorNothingToDeletePlanned = 345;
constexpr std::int32_t ErrorShutdownRegistry = 347;

const QString confirmDelete =
    QStringLiteral("Wollen Sie wirklich den aktuellen Datensatz löschen?");

bool isDone(core::BookingKind kind) {
    return kind == core::BookingKind::StartValue || kind == core::BookingKind::Completed;
}

bool isPlanned(core::BookingKind kind) {
    return kind == core::BookingKind::Planned;
}

QString message(const core::Error &error) {
    return QString::fromStdString(error.message);
}

} // namespace

MainWindow::MainWindow(platform::AppState &state, QWidget *parent)
    : QMainWindow(parent)
    , m_state(state) {
    setObjectName(QStringLiteral("MainForm"));
    setWindowTitle(QStringLiteral("Tarvel Software - Penvaro 2011"));
    auto *central = new QWidget(this);
    setCentralWidget(central);
    buildMenu();
    buildToolBar(central);
    buildCompletedGroup(central);
    buildPlannedGroup(central);
    buildContextMenus();
    m_welcome = new WelcomePanel(central);
    m_accounts = new AccountsOverviewDialog(m_state, this);
    connect(m_accounts, &AccountsOverviewDialog::openRequested, this,
            [this](const QString &file) { openAccountFileByPath(file.toStdString()); });
    m_entryDialog = new entry::BookingEntryDialog(m_state, this);
    m_editDialog = new entry::BookingEditDialog(m_state, this);
    m_startValueDialog = new entry::StartValueDialog(m_state, this);
    m_suggestionsDialog = new entry::SuggestionListsDialog(m_state.store(), m_state.ui(), this);
    m_recurringDialog = new entry::RecurringBookingsDialog(
        m_state, *m_editDialog,
        [this] { m_entryDialog->showForKind(core::BookingKind::Recurring); }, this);
    m_ledger = std::make_unique<LedgerRefresh>(m_state, m_w);
    connect(&m_state, &platform::AppState::bookingsChanged, this, &MainWindow::refresh);
    resize(750, 550);
    showWelcome();
}

MainWindow::~MainWindow() = default;

bool MainWindow::ledgerVisible() const {
    return !m_w.GroupBox1->isHidden();
}

void MainWindow::showWelcome() {
    m_w.GroupBox1->hide();
    m_w.GroupBox2->hide();
    m_summeH->hide();
    m_welcome->show();
    layoutWindow();
}

void MainWindow::startUp() {
    platform::SettingsStore &settings = m_state.settingsStore();
    settings.LoadSettings();
    m_state.settings().Pfad = platform::ProgramFolder().toStdString();
    if (!m_state.store().setValue(platform::ProductKey(), QStringLiteral("Pfad"),
                                  QString::fromStdString(m_state.settings().Pfad)))
        platform::ShowError(m_state.ui(), ErrorStartRegistry, QStringLiteral("Registry-Fehler"));

    StartDialog start(m_state.settings().StartB, m_state.settings().passwordRequired,
                      QString::fromStdString(m_state.settings().storedPassword), this);
    if (m_state.ui().runModal(start) != QDialog::Accepted && start.asksForPassword()) {
        m_startRefused = true;
        return;
    }
    restoreWindowSize();

    m_accounts->refill();
    if (!m_startFile.empty()) {
        openAccountFileByPath(m_startFile);
        return;
    }
    if (m_state.currentFile().isEmpty()) {
        showWelcome();
        return;
    }
    settings.SaveSettings();
    showLedger();
    // A last file that cannot be shown any more is no reason to bother the user at start.
    std::int64_t balance = 0;
    if (loadCurrentAccount())
        balance = m_ledger->bookBalance();
    else
        showWelcome();
    (void)core::RecordInRegister(m_state.registerPath(), m_state.settings().Datei,
                                 m_state.settings().Kontonummer,
                                 m_state.settings().Kontobezeichnung, balance);
    layoutWindow();
}

void MainWindow::showLedger() {
    m_welcome->hide();
    m_w.GroupBox1->show();
    m_w.GroupBox2->setVisible(m_state.settings().TabGepan);
    m_summeH->show();
    layoutWindow();
}

void MainWindow::refresh() {
    if (auto refreshed = m_ledger->RefreshLedger(); !refreshed)
        m_state.ui().showFailure(message(refreshed.error()));
}

bool MainWindow::guardFirstRow(const widgets::StringGrid &grid, int errorCode,
                               const QString &text) {
    if (!grid.cell(0, 1).isEmpty())
        return true;
    platform::ShowError(m_state.ui(), errorCode, text);
    return false;
}

void MainWindow::deleteCompleted() {
    deleteRow(*m_w.Stringgrid1, true, ErrorNothingToDeleteCompleted);
}

void MainWindow::deletePlanned() {
    deleteRow(*m_w.StringGrid2, false, ErrorNothingToDeletePlanned);
}

void MainWindow::deleteRow(widgets::StringGrid &grid, bool completed, int errorCode) {
    if (!ledgerVisible()
        || !guardFirstRow(grid, errorCode, QStringLiteral("Keine zu löschenden Daten! ")))
        return;
    if (m_state.ui().askYesNo(confirmDelete, platform::Answer::No) != platform::Answer::Yes)
        return;
    const int row = std::max(grid.currentRow(), 1);
    const int slot = completed ? core::NthSlotOf(m_state.table(), row, isDone)
                               : core::NthSlotOf(m_state.table(), row, isPlanned);
    if (slot == 0)
        return;
    if (auto deleted = core::DeleteBooking(m_state.table(), slot, m_state.currentPath());
        !deleted) {
        m_state.ui().showFailure(message(deleted.error()));
        return;
    }
    m_state.announceBookingChange();
}

void MainWindow::currencyBoxClicked(QCheckBox *box) {
    core::Settings &settings = m_state.settings();
    const bool checked = box->isChecked();
    if (box == m_w.RBEuroBetrag)
        settings.euroBetrag = checked;
    else if (box == m_w.RBnatBetrag)
        settings.natBetrag = checked;
    else if (box == m_w.RBEuroKontostand)
        settings.euroKontostand = checked;
    else if (box == m_w.RBnatKontostand)
        settings.natKontostand = checked;
    refresh();
}

void MainWindow::restoreWindowSize() {
    const QString key = platform::ProductKey();
    const auto state = m_state.store().value(key, QStringLiteral("WindowState"));
    const auto width = m_state.store().value(key, QStringLiteral("Breite"));
    const auto height = m_state.store().value(key, QStringLiteral("Hoehe"));
    const auto number = [](const auto &value, int fallback) {
        if (value && *value && std::holds_alternative<std::int32_t>(**value))
            return static_cast<int>(std::get<std::int32_t>(**value));
        return fallback;
    };
    const bool maximized = state && *state && std::holds_alternative<QString>(**state)
                           && std::get<QString>(**state) == QStringLiteral("wsMaximized");
    if (!state || !width || !height)
        platform::ShowError(m_state.ui(), ErrorStartRegistry, QStringLiteral("Registry-Fehler"));
    if (maximized) {
        showMaximized();
    } else {
        resize(number(width, 750), number(height, 550));
        showNormal();
    }
}

void MainWindow::storeWindowSize() {
    const bool maximized = isMaximized() || isMinimized();
    std::vector<platform::NamedValue> values = {
        {QStringLiteral("WindowState"),
         QString(maximized ? QStringLiteral("wsMaximized") : QStringLiteral("wsNormal"))}};
    if (!maximized) {
        values.push_back({QStringLiteral("Breite"), std::int32_t(width())});
        values.push_back({QStringLiteral("Hoehe"), std::int32_t(height())});
    }
    if (!m_state.store().setValues(platform::ProductKey(), values))
        platform::ShowError(m_state.ui(), ErrorShutdownRegistry, QStringLiteral("Registry-Fehler"));
}

void MainWindow::closeEvent(QCloseEvent *event) {
    storeWindowSize();
    m_state.settingsStore().SaveSettings();
    event->accept();
}

} // namespace penvaro::ledger
