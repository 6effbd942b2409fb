#include "windowshots.h"

#include "ledgercommands.h"
#include "mainwindow.h"

#include "ledger/bookinglistview.h"
#include "ledger/ledgerview.h"
#include "platform/appstate.h"
#include "platform/filewrite.h"
#include "platform/uiservice.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QFile>
#include <QImage>
#include <QLineEdit>
#include <QListWidget>
#include <QPixmap>
#include <QStackedWidget>
#include <QTabWidget>
#include <QTableView>
#include <QTimer>

#include <cstdio>

namespace penvaro::app {
namespace {

using Page = payments::PaymentWindow::Page;

// Every command opens its window through LedgerCommands, as the menu does.
using Opener = std::function<void(MainWindow &, platform::AppState &)>;

template<typename Command>
Opener command(Command run) {
    return [run](MainWindow &window, platform::AppState &) { (window.commands().*run)(); };
}

Opener payments(Page page) {
    return
        [page](MainWindow &window, platform::AppState &) { window.commands().showPayments(page); };
}

// The build leaves a statement of the example account beside it (penvaro-manual example).
void exampleStatement(MainWindow &window, platform::AppState &state) {
    window.importStatementFile(
        QFile::decodeName((state.currentPath().parent_path() / "Beispielauszug.sta").c_str()));
}

// The edit window works on the current row of its list.
Opener onRow(core::Listing listing, int row, void (LedgerCommands::*run)()) {
    return [=](MainWindow &window, platform::AppState &) {
        QTableView &table = window.view().table(listing);
        table.setCurrentIndex(table.model()->index(row, 0));
        (window.commands().*run)();
    };
}

// The picture is named after the window, its page and what else it shows: TUeberwF-TabSheet1.png.
WindowShot shot(const char *window, Opener open, std::initializer_list<const char *> steps = {},
                const char *page = "", const char *shown = "") {
    WindowShot made{QString::fromLatin1(window),
                    QString::fromLatin1(window),
                    std::move(open),
                    {},
                    QString::fromLatin1(page)};
    for (const char *text : {page, shown})
        if (*text)
            made.picture += u'-' + QString::fromLatin1(text);
    for (const char *step : steps)
        made.steps.append(QString::fromUtf8(step));
    return made;
}

QWidget *shownWindow(const QString &name) {
    const auto windows = QApplication::topLevelWidgets();
    for (QWidget *window : windows)
        if (window->isVisible() && window->objectName() == name)
            return window;
    return nullptr;
}

template<typename Widget>
Widget *shownChild(const QString &name) {
    const auto windows = QApplication::topLevelWidgets();
    for (QWidget *window : windows) {
        if (!window->isVisible())
            continue;
        const auto children = window->findChildren<Widget *>(name);
        for (Widget *child : children)
            if (child->isVisible())
                return child;
    }
    return nullptr;
}

void typeInto(QWidget &field, const QString &text) {
    if (auto *line = qobject_cast<QLineEdit *>(&field))
        line->setText(text);
    else if (auto *box = qobject_cast<QComboBox *>(&field))
        box->setEditText(text);
}

// Everything over the main window closes; a modal window's own loop ends with its rejection.
void closeWindowsOver(const QWidget &main) {
    const auto windows = QApplication::topLevelWidgets();
    for (QWidget *window : windows) {
        if (window == &main || !window->isVisible())
            continue;
        if (auto *dialog = qobject_cast<QDialog *>(window))
            dialog->reject();
        else
            window->close();
    }
}

// Drawn at a higher scale the picture holds more pixels; its resolution says how many belong to
// one pixel of a screen of 96 dpi, so that a printed picture keeps the window's size.
QImage pixelsWithTheirSize(const QPixmap &pixmap) {
    QImage image = pixmap.toImage();
    const int dotsPerMeter = qRound(96 / 0.0254 * pixmap.devicePixelRatio());
    image.setDotsPerMeterX(dotsPerMeter);
    image.setDotsPerMeterY(dotsPerMeter);
    return image;
}

QString shownWindowNames() {
    QStringList names;
    const auto windows = QApplication::topLevelWidgets();
    for (const QWidget *window : windows)
        if (window->isVisible())
            names.append(window->objectName() + QStringLiteral(" „") + window->windowTitle()
                         + QStringLiteral("“"));
    return names.join(QStringLiteral(", "));
}

// Long enough for the slowest window on a busy build machine, short enough not to stall it.
constexpr int PollInterval = 50;
constexpr int PollsPerWindow = 400;

} // namespace

void ShowPage(QWidget &window, const QString &name) {
    if (name.isEmpty())
        return;
    auto *page = window.findChild<QWidget *>(name);
    for (QWidget *child = page, *parent = page ? page->parentWidget() : nullptr; parent;
         child = parent, parent = parent->parentWidget()) {
        if (auto *stack = qobject_cast<QStackedWidget *>(parent)) {
            // A tab widget keeps its pages in a stack of its own; only the tab widget moves its
            // tab bar along.
            if (auto *tabs = qobject_cast<QTabWidget *>(stack->parentWidget())) {
                tabs->setCurrentWidget(child);
                return;
            }
            // A list of the pages beside the stack chooses the page, so that both show it.
            auto *list = window.findChild<QListWidget *>();
            if (list && list->count() == stack->count())
                list->setCurrentRow(stack->indexOf(child));
            else
                stack->setCurrentWidget(child);
            return;
        }
    }
}

const std::vector<WindowShot> &WindowShots() {
    using L = LedgerCommands;
    static const std::vector<WindowShot> shots = {
        shot("MainForm", {}),
        shot("TdatenEingebenF", command(&L::enterCompleted)),
        shot("TDatenBearbeitenF", onRow(core::Listing::Completed, 1, &L::editCompleted)),
        shot("TDatenBearbeitenF", onRow(core::Listing::Planned, 0, &L::transferPlanned), {}, "",
             "Uebertragen"),
        shot("TMonthlyF", command(&L::showRecurringBookings)),
        shot("TVAEBF", command(&L::editSuggestionLists)),
        shot("KontenF", command(&L::showAccountsOverview)),
        shot("TAuswertF", command(&L::showSearch)),
        shot("TAuswertDruckenDialogF", command(&L::showSearch), {"BSTART", "BDrucken"}),
        shot("JahresauswertungF", command(&L::showYearReport)),
        shot("TZinsenF", command(&L::showInterest)),
        shot("TDruckerDialogF", command(&L::printBookingList)),
        shot("TUeberwF", payments(Page::Transfers), {}, "TabSheet1"),
        shot("TUeberwF", payments(Page::Transfers), {"RBVordruck"}, "TabSheet1", "Vordruck"),
        shot("TBLZSucheF", payments(Page::Transfers), {"RBVordruck", "BitBtn1"}),
        shot("TUeberwF", payments(Page::CrossedCheques), {}, "TabSheet2"),
        shot("TUeberwF", payments(Page::EuroCheques), {}, "TabSheet3"),
        shot("TUeberwF", payments(Page::SavedTransfers), {}, "TabSheet5"),
        shot("TUeberwBF", payments(Page::SavedTransfers), {"SpeedButton8"}),
        shot("TUeberwF", payments(Page::AccountData), {}, "TabSheet4"),
        shot("TOptionenF", command(&L::showOptions), {}, "TSWaehrungZinsen"),
        shot("TOptionenF", command(&L::showOptions), {}, "TSStartbild"),
        shot("TOptionenF", command(&L::showOptions), {}, "TSAuszugsdaten"),
        shot("TOptionenF", command(&L::showOptions), {}, "TSKontostand"),
        shot("TOptionenF", command(&L::showOptions), {}, "TSSummen"),
        shot("TOptionenF", command(&L::showOptions), {}, "TSGetaetigt"),
        shot("TOptionenF", command(&L::showOptions), {}, "TSGeplant"),
        shot("TOptionenF", command(&L::showOptions), {}, "TSFormulardrucker"),
        shot("TOptionenF", command(&L::showOptions), {}, "TSPasswort"),
        shot("TOptionenF", command(&L::showOptions), {}, "TSSortierung"),
        shot("TDatenSichernF", command(&L::showBackup), {}, "TSKontodateien"),
        shot("TDatenSichernF", command(&L::showBackup), {}, "TSEinstellungen"),
        shot("TAuszugImportF", exampleStatement),
        // Last: showing the code books the transfer into the example account.
        shot("TGiroCodeF", payments(Page::Transfers),
             {"ESepaEmpfaenger=Wohnbau eG", "EIBAN=DE89 3704 0044 0532 0130 00",
              "ESepaBetrag=920,00", "ESepaVerwendung=Miete Wohnung 3", "BGiroCode"}),
        shot("TFehlerF",
             [](MainWindow &, platform::AppState &state) {
                 platform::ShowError(state.ui(), 164,
                                     QStringLiteral("Unzulässiger Betrag: 12a (z. B. 1.234,56)"));
             }),
    };
    return shots;
}

WindowShooter::WindowShooter(MainWindow &window, platform::AppState &state,
                             std::vector<ShotJob> jobs)
    : QObject(&window)
    , m_window(window)
    , m_state(state)
    , m_jobs(std::move(jobs)) {}

void WindowShooter::start() {
    auto *timer = new QTimer(this);
    connect(timer, &QTimer::timeout, this, &WindowShooter::poll);
    timer->start(PollInterval);
    openNext();
    // The main window is already shown: its picture need not wait for the first interval.
    QTimer::singleShot(0, this, &WindowShooter::poll);
}

void WindowShooter::openNext() {
    if (m_next == m_jobs.size()) {
        finish(0);
        return;
    }
    const WindowShot &shot = m_jobs[m_next].shot;
    m_steps = shot.steps;
    m_polls = 0;
    if (shot.open)
        QTimer::singleShot(0, this, [this, open = shot.open] { open(m_window, m_state); });
}

void WindowShooter::poll() {
    if (m_next == m_jobs.size())
        return;
    const WindowShot &shot = m_jobs[m_next].shot;
    if (++m_polls > PollsPerWindow) {
        std::fprintf(stderr, "penvaro: Das Fenster %s erschien nicht (sichtbar: %s).\n",
                     qPrintable(shot.window), qPrintable(shownWindowNames()));
        finish(1);
        return;
    }
    if (QWidget *shown = shownWindow(shot.window); shown && m_steps.isEmpty()) {
        const QString &file = m_jobs[m_next].file;
        ShowPage(*shown, shot.page);
        if (const auto saved = platform::WritePngFile(file, pixelsWithTheirSize(shown->grab()));
            !saved) {
            std::fprintf(stderr, "penvaro: %s\n", saved.error().message.c_str());
            finish(1);
            return;
        }
        closeWindowsOver(m_window);
        ++m_next;
        // The closed window's own loop ends first; the next one opens from the main loop. After
        // the last picture nothing more opens, and the program ends without waiting.
        QTimer::singleShot(m_next == m_jobs.size() ? 0 : PollInterval, this,
                           &WindowShooter::openNext);
        return;
    }
    if (m_steps.isEmpty())
        return;
    const QString step = m_steps.constFirst();
    if (const qsizetype typed = step.indexOf(u'='); typed > 0) {
        if (QWidget *field = shownChild<QWidget>(step.left(typed))) {
            m_steps.removeFirst();
            typeInto(*field, step.mid(typed + 1));
        }
    } else if (QAbstractButton *button = shownChild<QAbstractButton>(step)) {
        m_steps.removeFirst();
        QTimer::singleShot(0, button, &QAbstractButton::click);
    }
}

void WindowShooter::finish(int code) {
    closeWindowsOver(m_window);
    m_window.close();
    QApplication::exit(code);
}

} // namespace penvaro::app
