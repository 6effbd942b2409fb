#include "mainwindow.h"

#include "ledgercommands.h"
#include "startdialog.h"
#include "welcomepanel.h"

#include "ledger/accountsoverviewdialog.h"
#include "ledger/ledgerview.h"
#include "platform/accountsession.h"
#include "platform/appstate.h"
#include "platform/programfolder.h"
#include "platform/registrystore.h"
#include "platform/settingsstore.h"
#include "platform/uiservice.h"
#include "widgets/leastheightforwidth.h"

#include <QCloseEvent>
#include <QLabel>
#include <QScreen>
#include <QScrollArea>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>

namespace penvaro::app {
namespace {

using ledger::LedgerView;

constexpr std::int32_t ErrorStartRegistry = 341;
constexpr std::int32_t ErrorShutdownRegistry = 347;

const QString maximizedState = QStringLiteral("wsMaximized");

} // namespace

MainWindow::MainWindow(platform::AppState &state, QWidget *parent)
    : QMainWindow(parent)
    , m_state(state) {
    setObjectName(QStringLiteral("MainForm"));
    setWindowTitle(QStringLiteral("Tarvel Software - Penvaro 2011"));
    // At a large scale on a small screen everything the window holds need not fit: the frame
    // then scrolls, so that the window itself still fits the screen with every command in reach.
    m_frame = new QScrollArea(this);
    m_frame->setObjectName(QStringLiteral("PRahmen"));
    m_frame->setFrameShape(QFrame::NoFrame);
    m_frame->setWidgetResizable(true);
    setCentralWidget(m_frame);
    auto *central = new widgets::LeastHeightForWidth<QWidget>(m_frame);
    m_frame->setWidget(central);
    auto *layout = new QVBoxLayout(central);
    m_view = new LedgerView(m_state, central);
    m_commands = new LedgerCommands(m_state, *m_view, this);
    buildMenu();
    layout->addWidget(buildToolBar());
    m_welcome = new WelcomePanel(central);
    layout->addWidget(m_welcome, 1);
    layout->addWidget(m_view, 1);

    connect(m_view, &LedgerView::enterRequested, m_commands, &LedgerCommands::enterBooking);
    connect(m_view, &LedgerView::editRequested, m_commands, &LedgerCommands::editBooking);
    connect(m_view, &LedgerView::deleteRequested, m_commands, &LedgerCommands::deleteBooking);
    connect(m_view, &LedgerView::transferRequested, m_commands, &LedgerCommands::transferPlanned);
    connect(m_view, &LedgerView::startValueRequested, m_commands, &LedgerCommands::enterStartValue);
    connect(m_view, &LedgerView::printRequested, m_commands, &LedgerCommands::printBookingList);

    connect(m_commands, &LedgerCommands::layoutChanged, this, &MainWindow::layoutWindow);
    connect(m_commands, &LedgerCommands::interestBusy, this, &MainWindow::showInterestBusy);
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
    m_todayPanel->hide();
    m_welcome->show();
}

void MainWindow::showAccess() {
    const bool readOnly = m_state.session().readOnly();
    const QString title = QStringLiteral("Tarvel Software - Penvaro 2011");
    setWindowTitle(readOnly ? title + QStringLiteral(" - schreibgeschützt") : title);
    m_view->setChangesAllowed(!readOnly);
}

void MainWindow::showLedger() {
    m_welcome->hide();
    m_view->show();
    m_todayPanel->show();
    layoutWindow();
    widenForContent();
}

void MainWindow::layoutWindow() {
    m_view->applyOptions();
}

void MainWindow::startUp() {
    platform::SettingsStore &settings = m_state.settingsStore();
    settings.load();
    m_state.settings().programFolder = platform::ProgramFolder().toStdString();
    if (!m_state.store().setValue(platform::ProductKey(), QStringLiteral("Pfad"),
                                  QString::fromStdString(m_state.settings().programFolder)))
        platform::ShowRegistryError(m_state.ui(), m_state.store(), ErrorStartRegistry);

    StartDialog start(m_state.settings().startScreenSeconds, m_state.settings().passwordRequired,
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
    if (!m_startFile.empty()) {
        openAccountFileByPath(m_startFile);
        return;
    }
    if (!m_state.session().reopenLast())
        showWelcome();
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

void MainWindow::refresh() {
    platform::ReportFailure(m_state.ui(), m_view->refresh());
}

QRect MainWindow::FirstStartGeometry(const QRect &available) {
    const QSize size =
        (available.size() * 2 / 3).expandedTo(QSize(750, 550)).boundedTo(available.size());
    QRect placed(QPoint(), size);
    placed.moveCenter(available.center());
    return placed;
}

void MainWindow::restoreWindowSize() {
    const core::Settings &settings = m_state.settings();
    if (settings.windowState == maximizedState.toStdString()) {
        showMaximized();
        return;
    }
    QSize size(settings.windowWidth, settings.windowHeight);
    QRect placed(pos(), size);
    // A size stored on a bigger screen, or at a smaller scale, must not put the sums out of
    // reach: the window is fitted into the screen it opens on.
    if (const QScreen *shown = screen()) {
        const QRect available = shown->availableGeometry();
        // Nothing stored yet: the window the program was first designed with would show a
        // handful of rows on any usual screen.
        if (settings.windowState.empty()
            && size == QSize(core::Settings{}.windowWidth, core::Settings{}.windowHeight)) {
            placed = FirstStartGeometry(available);
            size = placed.size();
        }
        placed.setSize(size.boundedTo(available.size()));
        placed.moveLeft(
            std::clamp(placed.left(), available.left(), available.right() - placed.width() + 1));
        placed.moveTop(
            std::clamp(placed.top(), available.top(), available.bottom() - placed.height() + 1));
    }
    resize(placed.size());
    move(placed.topLeft());
    widenForContent();
    showNormal();
}

void MainWindow::widenForContent() {
    if (isMaximized() || isFullScreen())
        return;
    const int needed = m_frame->widget()->minimumSizeHint().width() + 2 * m_frame->frameWidth();
    if (needed <= width())
        return;
    int widened = needed;
    int left = pos().x();
    if (const QScreen *shown = screen()) {
        const QRect available = shown->availableGeometry();
        widened = std::min(needed, available.width());
        left = std::clamp(left, available.left(), available.right() - widened + 1);
    }
    resize(widened, height());
    move(left, pos().y());
}

void MainWindow::storeWindowSize() {
    core::Settings &settings = m_state.settings();
    const bool maximized = isMaximized() || isMinimized();
    settings.windowState = (maximized ? maximizedState : QStringLiteral("wsNormal")).toStdString();
    if (!maximized) {
        settings.windowWidth = width();
        settings.windowHeight = height();
    }
    if (!m_state.settingsStore().saveWindowSize())
        platform::ShowRegistryError(m_state.ui(), m_state.store(), ErrorShutdownRegistry);
}

void MainWindow::closeEvent(QCloseEvent *event) {
    storeWindowSize();
    m_state.settingsStore().save();
    event->accept();
}

} // namespace penvaro::app
