#include "ledgercommands.h"
#include "mainwindow.h"

#include "ledger/ledgerview.h"
#include "platform/appstate.h"
#include "platform/uiservice.h"
#include "widgets/commandbutton.h"
#include "widgets/manual.h"
#include "widgets/wrappingrow.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QToolButton>

namespace penvaro::app {
namespace {

// Commands whose windows are not built yet keep their place, disabled, and say so.
template<typename Control>
void notYet(Control *control, const QString &what) {
    control->setEnabled(false);
    control->setToolTip(QStringLiteral("Noch nicht verfügbar: %1").arg(what));
}

QAction *action(QMenu *menu, const char *name, const QString &caption,
                const QKeySequence &key = {}) {
    QAction *a = menu->addAction(caption);
    a->setObjectName(QString::fromLatin1(name));
    a->setShortcut(key);
    return a;
}

void separator(QMenu *menu, const char *name) {
    menu->addSeparator()->setObjectName(QString::fromLatin1(name));
}

} // namespace

void MainWindow::buildMenu() {
    QMenuBar *bar = menuBar();
    bar->setObjectName(QStringLiteral("MainMenu1"));

    QMenu *daten = bar->addMenu(QStringLiteral("&Daten"));
    daten->setObjectName(QStringLiteral("Daten2"));
    daten->setToolTipsVisible(true);
    connect(action(daten, "Neu3", QStringLiteral("&Neue Kontendatei anlegen"),
                   QKeySequence(Qt::CTRL | Qt::Key_N)),
            &QAction::triggered, m_commands, &LedgerCommands::newAccountFile);
    connect(action(daten, "ffnen1", QStringLiteral("Kontendatei ö&ffnen"),
                   QKeySequence(Qt::CTRL | Qt::Key_O)),
            &QAction::triggered, this, &MainWindow::openAccountFile);
    connect(
        action(daten, "Drucken1", QStringLiteral("&Drucken"), QKeySequence(Qt::CTRL | Qt::Key_P)),
        &QAction::triggered, m_commands, &LedgerCommands::printBookingList);
    separator(daten, "N1");
    connect(action(daten, "Datensichern1", QStringLiteral("Daten sichern")), &QAction::triggered,
            m_commands, &LedgerCommands::showBackup);
    separator(daten, "N4");
    connect(action(daten, "Kontodatenerfassenndern1", QStringLiteral("Kontodaten erfassen/ändern")),
            &QAction::triggered, this,
            [this] { m_commands->showPayments(payments::PaymentWindow::Page::AccountData); });
    separator(daten, "N5");
    connect(action(daten, "Suchen1", QStringLiteral("Suchen und Auswerten"),
                   QKeySequence(Qt::CTRL | Qt::Key_F)),
            &QAction::triggered, m_commands, &LedgerCommands::showSearch);
    connect(action(daten, "Auswertung1", QStringLiteral("Auswertung ...")), &QAction::triggered,
            m_commands, &LedgerCommands::showYearReport);
    connect(action(daten, "Monthly1", QStringLiteral("Monatlich wiederkehrende Buchungen"),
                   QKeySequence(Qt::CTRL | Qt::Key_M)),
            &QAction::triggered, m_commands, &LedgerCommands::showRecurringBookings);
    connect(action(daten, "Kontoauszugimportieren1", QStringLiteral("Kontoauszug importieren ...")),
            &QAction::triggered, this, &MainWindow::importStatement);
    separator(daten, "N2");
    connect(action(daten, "Exit", QStringLiteral("Programm &Beenden"),
                   QKeySequence(Qt::CTRL | Qt::Key_X)),
            &QAction::triggered, this, &QWidget::close);

    QAction *konten = bar->addAction(QStringLiteral("&Konten"));
    konten->setObjectName(QStringLiteral("KontenMenu"));
    konten->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_K));
    connect(konten, &QAction::triggered, m_commands, &LedgerCommands::showAccountsOverview);
    QAction *optionen = bar->addAction(QStringLiteral("&Optionen"));
    optionen->setObjectName(QStringLiteral("Optionen1"));
    connect(optionen, &QAction::triggered, m_commands, &LedgerCommands::showOptions);

    QMenu *ordnung = bar->addMenu(QStringLiteral("Ordnung"));
    ordnung->setObjectName(QStringLiteral("Ordnung1"));
    ordnung->setToolTipsVisible(true);
    // One command, one item: the caption once ran over three items that all did the same.
    connect(action(ordnung, "VAEB1",
                   QStringLiteral("Gespeicherte Absender/Verwendungszwecke etc. löschen ...")),
            &QAction::triggered, m_commands, &LedgerCommands::editSuggestionLists);

    QMenu *hilfe = bar->addMenu(QStringLiteral("&Hilfe"));
    hilfe->setObjectName(QStringLiteral("Hilfe1"));
    hilfe->setToolTipsVisible(true);
    connect(action(hilfe, "Hilfeaufrufen1", QStringLiteral("&Handbuch aufrufen"),
                   QKeySequence(Qt::Key_F1)),
            &QAction::triggered, this, [this] { widgets::OpenManual(m_state.ui()); });
    separator(hilfe, "N8");
    separator(hilfe, "N6");
    notYet(action(hilfe, "UMFRAGEzurVerbesserungdesProgrammes1",
                  QStringLiteral("UMFRAGE zur Verbesserung des Programmes")),
           QStringLiteral("Umfrage"));
    connect(action(hilfe, "ber1", QStringLiteral("&Info...")), &QAction::triggered, this, [this] {
        m_state.ui().information(QStringLiteral(
            "Penvaro 2011\nDas Haushaltsbuch für Girokonten, Kassen und Vereinskonten."));
    });
}

QWidget *MainWindow::buildToolBar() {
    auto *bar = new QWidget(this);
    bar->setObjectName(QStringLiteral("Panel3"));
    auto *layout = new widgets::WrappingRow(bar);
    layout->setContentsMargins(0, 0, 0, 0);
    QToolButton *neu = widgets::CommandButton(bar, "SBNeu", QStringLiteral("Neu"));
    QToolButton *oeffnen = widgets::CommandButton(bar, "SBOeffnen", QStringLiteral("Öffnen"));
    QToolButton *drucken = widgets::CommandButton(bar, "SBDatenDrucken", QStringLiteral("Drucken"));
    QToolButton *suchen = widgets::CommandButton(bar, "SBGrafik", QStringLiteral("Suchen"));
    QToolButton *auswertung = widgets::CommandButton(
        bar, "SBAuswertung", QStringLiteral("Auswertung"),
        QStringLiteral("Wohin das Geld ging: Jahresauswertung nach Kategorie und Empfänger"));
    QToolButton *zahlungsverkehr =
        widgets::CommandButton(bar, "SBOptionen", QStringLiteral("Zahlungsverkehr"));
    connect(neu, &QToolButton::clicked, m_commands, &LedgerCommands::newAccountFile);
    connect(oeffnen, &QToolButton::clicked, this, &MainWindow::openAccountFile);
    connect(drucken, &QToolButton::clicked, m_commands, &LedgerCommands::printBookingList);
    connect(suchen, &QToolButton::clicked, m_commands, &LedgerCommands::showSearch);
    connect(auswertung, &QToolButton::clicked, m_commands, &LedgerCommands::showYearReport);
    auto *paymentMenu = new QMenu(zahlungsverkehr);
    paymentMenu->setObjectName(QStringLiteral("PopupMenu3"));
    using Page = payments::PaymentWindow::Page;
    for (auto [caption, page] :
         {std::pair{QStringLiteral("Überweisungen drucken"), Page::Transfers},
          std::pair{QStringLiteral("Euroschecks ausstellen"), Page::EuroCheques},
          std::pair{QStringLiteral("Verrechnungsschecks ausstellen"), Page::CrossedCheques},
          std::pair{QStringLiteral("Gespeicherte Überweisungen"), Page::SavedTransfers},
          std::pair{QStringLiteral("Kontodaten/-informationen"), Page::AccountData}})
        connect(paymentMenu->addAction(caption), &QAction::triggered, this, [this, page] {
            if (ledgerVisible())
                m_commands->showPayments(page);
        });
    // The menu drops down below the button only while an account is shown.
    connect(zahlungsverkehr, &QToolButton::clicked, this, [this, zahlungsverkehr, paymentMenu] {
        if (ledgerVisible())
            paymentMenu->popup(zahlungsverkehr->mapToGlobal(QPoint(0, zahlungsverkehr->height())));
    });
    for (QToolButton *b : {neu, oeffnen, drucken, suchen, auswertung, zahlungsverkehr})
        layout->addWidget(b);

    m_todayPanel = new QWidget(bar);
    m_todayPanel->setObjectName(QStringLiteral("PSummeH"));
    auto *todayLayout = new QHBoxLayout(m_todayPanel);
    todayLayout->setContentsMargins(4, 0, 4, 0);
    auto *caption = new QLabel(QStringLiteral("Heutiger Kontostand:"), m_todayPanel);
    caption->setObjectName(QStringLiteral("LSummeH"));
    auto *balance = new QLabel(m_todayPanel);
    balance->setObjectName(QStringLiteral("STSummeH"));
    balance->setMinimumWidth(
        balance->fontMetrics().horizontalAdvance(QStringLiteral("-99.999,99 €")));
    balance->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    balance->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    caption->setBuddy(balance);
    todayLayout->addWidget(caption);
    todayLayout->addWidget(balance);
    layout->addTrailing(m_todayPanel);
    connect(m_view, &ledger::LedgerView::todayBalanceChanged, balance,
            [balance](const QString &text) {
                balance->setText(text);
                balance->setAccessibleName(QStringLiteral("Heutiger Kontostand: ") + text);
            });

    auto *image = new QFrame(bar);
    image->setObjectName(QStringLiteral("PImage"));
    auto *imageLayout = new QHBoxLayout(image);
    imageLayout->setContentsMargins(2, 2, 2, 2);
    m_interestButton =
        widgets::CommandButton(image, "SpeedButton1", QStringLiteral("Zinsberechnung"));
    connect(m_interestButton, &QToolButton::clicked, m_commands, &LedgerCommands::showInterest);
    imageLayout->addWidget(m_interestButton);
    layout->addTrailing(image);
    return bar;
}

} // namespace penvaro::app
