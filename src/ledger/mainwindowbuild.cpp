#include "mainwindow.h"

#include "welcomepanel.h"
#include "widgets/manual.h"
#include "widgets/stringgrid.h"

#include "platform/appstate.h"
#include "platform/uiservice.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QToolButton>

namespace penvaro::ledger {
namespace {

QToolButton *button(QWidget *parent, const char *name, const QString &caption,
                    const QString &hint = {}) {
    auto *b = new QToolButton(parent);
    b->setObjectName(QString::fromLatin1(name));
    b->setText(caption);
    b->setToolButtonStyle(Qt::ToolButtonTextOnly);
    b->setAutoRaise(true);
    if (!hint.isEmpty())
        b->setToolTip(hint);
    return b;
}

// Commands whose windows are not built yet keep their place, disabled, and say so.
template<typename Control>
void notYet(Control *control, const QString &what) {
    control->setEnabled(false);
    control->setToolTip(QStringLiteral("Noch nicht verfügbar: %1").arg(what));
}

QAction *named(QAction *action, const char *name) {
    action->setObjectName(QString::fromLatin1(name));
    return action;
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

QLineEdit *sumField(QWidget *parent, const char *name) {
    auto *field = new QLineEdit(parent);
    field->setObjectName(QString::fromLatin1(name));
    field->setReadOnly(true);
    field->setAlignment(Qt::AlignRight);
    field->setMinimumWidth(90);
    return field;
}

// A small panel of a caption and a read-only sum, the caption being the field's buddy.
QWidget *sumPanel(QWidget *parent, const char *name, QLabel *caption, QLineEdit *field) {
    auto *panel = new QWidget(parent);
    panel->setObjectName(QString::fromLatin1(name));
    auto *layout = new QHBoxLayout(panel);
    layout->setContentsMargins(0, 0, 0, 0);
    caption->setParent(panel);
    field->setParent(panel);
    caption->setBuddy(field);
    layout->addWidget(caption);
    layout->addWidget(field);
    return panel;
}

QCheckBox *currencyBox(QWidget *parent, const char *name, const QString &caption) {
    auto *box = new QCheckBox(caption, parent);
    box->setObjectName(QString::fromLatin1(name));
    return box;
}

QWidget *currencyPanel(QWidget *parent, const char *name, QCheckBox *euro, QCheckBox *national) {
    auto *panel = new QWidget(parent);
    panel->setObjectName(QString::fromLatin1(name));
    auto *layout = new QHBoxLayout(panel);
    layout->setContentsMargins(2, 0, 2, 0);
    euro->setParent(panel);
    national->setParent(panel);
    layout->addWidget(euro);
    layout->addWidget(national);
    panel->adjustSize();
    return panel;
}

widgets::StringGrid *bookingGrid(QWidget *parent, const char *name) {
    auto *grid = new widgets::StringGrid(parent);
    grid->setObjectName(QString::fromLatin1(name));
    grid->setOptions(widgets::StringGrid::RowSelect | widgets::StringGrid::RangeSelect);
    grid->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    grid->setColumnWidth(0, 75);
    return grid;
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
            &QAction::triggered, this, &MainWindow::newAccountFile);
    connect(action(daten, "ffnen1", QStringLiteral("Kontendatei ö&ffnen"),
                   QKeySequence(Qt::CTRL | Qt::Key_O)),
            &QAction::triggered, this, &MainWindow::openAccountFile);
    notYet(
        action(daten, "Drucken1", QStringLiteral("&Drucken"), QKeySequence(Qt::CTRL | Qt::Key_P)),
        QStringLiteral("Buchungen drucken"));
    separator(daten, "N1");
    notYet(action(daten, "Datensichern1", QStringLiteral("Daten sichern")),
           QStringLiteral("Daten sichern"));
    separator(daten, "N4");
    notYet(action(daten, "Kontodatenerfassenndern1", QStringLiteral("Kontodaten erfassen/ändern")),
           QStringLiteral("Zahlungsverkehr"));
    separator(daten, "N5");
    notYet(action(daten, "Suchen1", QStringLiteral("Suchen und Auswerten"),
                  QKeySequence(Qt::CTRL | Qt::Key_F)),
           QStringLiteral("Suchen und Auswerten"));
    connect(action(daten, "Monthly1", QStringLiteral("Monatlich wiederkehrende Buchungen"),
                   QKeySequence(Qt::CTRL | Qt::Key_M)),
            &QAction::triggered, this, &MainWindow::showRecurringBookings);
    separator(daten, "N2");
    connect(action(daten, "Exit", QStringLiteral("Programm &Beenden"),
                   QKeySequence(Qt::CTRL | Qt::Key_X)),
            &QAction::triggered, this, &QWidget::close);

    QAction *konten = bar->addAction(QStringLiteral("&Konten"));
    konten->setObjectName(QStringLiteral("KontenMenu"));
    konten->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_K));
    connect(konten, &QAction::triggered, this, &MainWindow::showAccountsOverview);
    QAction *optionen = bar->addAction(QStringLiteral("&Optionen"));
    optionen->setObjectName(QStringLiteral("Optionen1"));
    notYet(optionen, QStringLiteral("Optionen"));

    QMenu *ordnung = bar->addMenu(QStringLiteral("Ordnung"));
    ordnung->setObjectName(QStringLiteral("Ordnung1"));
    ordnung->setToolTipsVisible(true);
    for (auto [name, caption] :
         {std::pair{"VAEB1", QStringLiteral("Gespeicherte Absender/")},
          std::pair{"Verwendungszwecke1", QStringLiteral("Verwendungszwecke etc.")},
          std::pair{"lschen1", QStringLiteral("löschen")}})
        connect(action(ordnung, name, caption), &QAction::triggered, this,
                &MainWindow::editSuggestionLists);

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

void MainWindow::buildToolBar(QWidget *central) {
    m_toolBar = new QWidget(central);
    m_toolBar->setObjectName(QStringLiteral("Panel3"));
    m_sbNeu = button(m_toolBar, "SBNeu", QStringLiteral("Neu"));
    m_sbOeffnen = button(m_toolBar, "SBOeffnen", QStringLiteral("Öffnen"));
    m_sbDrucken = button(m_toolBar, "SBDatenDrucken", QStringLiteral("Drucken"));
    m_sbGrafik = button(m_toolBar, "SBGrafik", QStringLiteral("Suchen"));
    m_sbOptionen = button(m_toolBar, "SBOptionen", QStringLiteral("Zahlungsverkehr"));
    connect(m_sbNeu, &QToolButton::clicked, this, &MainWindow::newAccountFile);
    connect(m_sbOeffnen, &QToolButton::clicked, this, &MainWindow::openAccountFile);
    notYet(m_sbDrucken, QStringLiteral("Buchungen drucken"));
    notYet(m_sbGrafik, QStringLiteral("Suchen und Auswerten"));
    notYet(m_sbOptionen, QStringLiteral("Zahlungsverkehr"));

    m_summeH = new QWidget(m_toolBar);
    m_summeH->setObjectName(QStringLiteral("PSummeH"));
    auto *summeLayout = new QHBoxLayout(m_summeH);
    summeLayout->setContentsMargins(4, 0, 4, 0);
    m_w.LSummeH = new QLabel(QStringLiteral("Heutiger Kontostand:"), m_summeH);
    m_w.LSummeH->setObjectName(QStringLiteral("LSummeH"));
    m_w.STSummeH = new QLabel(m_summeH);
    m_w.STSummeH->setObjectName(QStringLiteral("STSummeH"));
    m_w.STSummeH->setMinimumWidth(100);
    m_w.STSummeH->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    m_w.STSummeH->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    m_w.LSummeH->setBuddy(m_w.STSummeH);
    summeLayout->addWidget(m_w.LSummeH);
    summeLayout->addWidget(m_w.STSummeH);

    m_image = new QFrame(m_toolBar);
    m_image->setObjectName(QStringLiteral("PImage"));
    auto *imageLayout = new QHBoxLayout(m_image);
    imageLayout->setContentsMargins(2, 2, 2, 2);
    m_interest = button(m_image, "SpeedButton1", QStringLiteral("Zinsberechnung"));
    notYet(m_interest, QStringLiteral("Zinsberechnung"));
    imageLayout->addWidget(m_interest);
}

void MainWindow::buildCompletedGroup(QWidget *central) {
    m_w.GroupBox1 = new QGroupBox(QStringLiteral("Getätigte Buchungen"), central);
    m_w.GroupBox1->setObjectName(QStringLiteral("GroupBox1"));
    QGroupBox *box = m_w.GroupBox1;

    m_completedButtons = new QWidget(box);
    auto *buttons = new QHBoxLayout(m_completedButtons);
    buttons->setContentsMargins(0, 0, 0, 0);
    QToolButton *neu = button(m_completedButtons, "SBDatenNeu", QStringLiteral("Eingeben"));
    QToolButton *aendern = button(m_completedButtons, "SBAendern", QStringLiteral("Bearbeiten"));
    QToolButton *loeschen = button(m_completedButtons, "SBLoeschen", QStringLiteral("Löschen"));
    connect(neu, &QToolButton::clicked, this, &MainWindow::enterCompleted);
    connect(aendern, &QToolButton::clicked, this, &MainWindow::editCompleted);
    connect(loeschen, &QToolButton::clicked, this, &MainWindow::deleteCompleted);
    for (QToolButton *b : {neu, aendern, loeschen})
        buttons->addWidget(b);

    auto *summeLabel = new QLabel(QStringLiteral("Kontostand:"));
    m_w.ESumme = sumField(box, "ESumme");
    m_w.PSummeG = sumPanel(m_completedButtons, "PSummeG", summeLabel, m_w.ESumme);
    buttons->addWidget(m_w.PSummeG);
    m_w.LSummeGes = new QLabel;
    m_w.LSummeGes->setObjectName(QStringLiteral("LSummeGes"));
    m_w.EGesSumme = sumField(box, "EGesSumme");
    m_w.PSummeL = sumPanel(m_completedButtons, "PSummeL", m_w.LSummeGes, m_w.EGesSumme);
    buttons->addWidget(m_w.PSummeL);
    auto *marked = new QLabel(QStringLiteral("markierte Buchungen"), box);
    marked->setObjectName(QStringLiteral("LSumme1"));
    marked->hide();

    m_w.RBEuroBetrag = currencyBox(box, "RBEuroBetrag", QStringLiteral("€"));
    m_w.RBnatBetrag = currencyBox(box, "RBnatBetrag", QStringLiteral("DM"));
    m_w.PBetrag = currencyPanel(box, "PBetrag", m_w.RBEuroBetrag, m_w.RBnatBetrag);
    m_w.RBEuroKontostand = currencyBox(box, "RBEuroKontostand", QStringLiteral("€"));
    m_w.RBnatKontostand = currencyBox(box, "RBnatKontostand", QStringLiteral("DM"));
    m_w.PKontostand = currencyPanel(box, "PKontostand", m_w.RBEuroKontostand, m_w.RBnatKontostand);
    for (QCheckBox *b :
         {m_w.RBEuroBetrag, m_w.RBnatBetrag, m_w.RBEuroKontostand, m_w.RBnatKontostand})
        connect(b, &QCheckBox::clicked, this, [this, b] { currencyBoxClicked(b); });

    m_w.Stringgrid1 = bookingGrid(box, "Stringgrid1");
    m_w.Stringgrid1->setAccessibleName(QStringLiteral("Getätigte Buchungen"));
    connect(m_w.Stringgrid1, &QAbstractItemView::doubleClicked, this, &MainWindow::editCompleted);
    connect(m_w.Stringgrid1, &widgets::StringGrid::mouseReleased, this, [this] {
        if (auto taken = m_ledger->TakeOverCompletedWidths(); !taken)
            m_state.ui().showFailure(QString::fromStdString(taken.error().message));
    });
}

void MainWindow::buildPlannedGroup(QWidget *central) {
    m_w.GroupBox2 = new QGroupBox(QStringLiteral("Geplante Buchungen"), central);
    m_w.GroupBox2->setObjectName(QStringLiteral("GroupBox2"));
    QGroupBox *box = m_w.GroupBox2;
    m_w.StringGrid2 = bookingGrid(box, "StringGrid2");
    m_w.StringGrid2->setAccessibleName(QStringLiteral("Geplante Buchungen"));
    connect(m_w.StringGrid2, &QAbstractItemView::doubleClicked, this, &MainWindow::transferPlanned);
    connect(m_w.StringGrid2, &widgets::StringGrid::mouseReleased, this,
            [this] { m_ledger->TakeOverPlannedWidths(); });

    m_plannedButtons = new QWidget(box);
    auto *buttons = new QVBoxLayout(m_plannedButtons);
    buttons->setContentsMargins(0, 0, 0, 0);
    QToolButton *bearbeiten =
        button(m_plannedButtons, "SBDatenBearbeiten2", QStringLiteral("Bearbeiten"));
    QToolButton *neu = button(m_plannedButtons, "SBDatenBNeu2", QStringLiteral("Eingeben"));
    QToolButton *loeschen = button(m_plannedButtons, "SBDatenLoeschen2", QStringLiteral("Löschen"));
    QToolButton *verschieben =
        button(m_plannedButtons, "SBDatenVerschieben", QStringLiteral("Übertragen"),
               QStringLiteral("Daten nach oben verschieben"));
    connect(bearbeiten, &QToolButton::clicked, this, &MainWindow::editPlanned);
    connect(neu, &QToolButton::clicked, this, &MainWindow::enterPlanned);
    connect(verschieben, &QToolButton::clicked, this, &MainWindow::transferPlanned);
    connect(loeschen, &QToolButton::clicked, this, &MainWindow::deletePlanned);
    for (QToolButton *b : {bearbeiten, neu, loeschen, verschieben})
        buttons->addWidget(b);

    auto *summeLabel = new QLabel(QStringLiteral("Summe:"));
    m_w.ESumme2 = sumField(box, "ESumme2");
    m_w.PSummeZ = sumPanel(m_plannedButtons, "PSummeZ", summeLabel, m_w.ESumme2);
    QToolButton *summe2 =
        button(m_w.PSummeZ, "SBSumme2", QStringLiteral("Σ"), QStringLiteral("Summe neu berechnen"));
    summe2->setAccessibleName(QStringLiteral("Summe neu berechnen"));
    m_w.PSummeZ->layout()->addWidget(summe2);
    connect(summe2, &QToolButton::clicked, this, [this] {
        if (auto computed = m_ledger->ComputePlannedSum(); !computed)
            m_state.ui().showFailure(QString::fromStdString(computed.error().message));
    });
    buttons->addWidget(m_w.PSummeZ);
    buttons->addStretch();
    auto *marked = new QLabel(QStringLiteral("markierte Buchungen"), box);
    marked->setObjectName(QStringLiteral("LSumme2"));
    marked->hide();
}

void MainWindow::buildContextMenus() {
    m_completedMenu = new QMenu(this);
    m_completedMenu->setObjectName(QStringLiteral("PopupMenu1"));
    m_completedMenu->setToolTipsVisible(true);
    connect(named(m_completedMenu->addAction(QStringLiteral("&Eingeben")), "PEingeben1"),
            &QAction::triggered, this, &MainWindow::enterCompleted);
    connect(named(m_completedMenu->addAction(QStringLiteral("&Bearbeiten")), "PBearbeiten1"),
            &QAction::triggered, this, &MainWindow::editCompleted);
    connect(m_completedMenu->addAction(QStringLiteral("&Löschen")), &QAction::triggered, this,
            &MainWindow::deleteCompleted);
    m_completedMenu->addSeparator();
    connect(named(m_completedMenu->addAction(QStringLiteral("Startwert eingeben")), "PStartwert1"),
            &QAction::triggered, this, &MainWindow::enterStartValue);
    m_completedMenu->addSeparator();
    notYet(m_completedMenu->addAction(QStringLiteral("&Drucken")),
           QStringLiteral("Buchungen drucken"));

    m_plannedMenu = new QMenu(this);
    m_plannedMenu->setObjectName(QStringLiteral("PopupMenu2"));
    m_plannedMenu->setToolTipsVisible(true);
    connect(named(m_plannedMenu->addAction(QStringLiteral("Übertragen")), "PUebertragen2"),
            &QAction::triggered, this, &MainWindow::transferPlanned);
    connect(named(m_plannedMenu->addAction(QStringLiteral("&Eingeben")), "PEingeben2"),
            &QAction::triggered, this, &MainWindow::enterPlanned);
    connect(named(m_plannedMenu->addAction(QStringLiteral("&Bearbeiten")), "PBearbeiten2"),
            &QAction::triggered, this, &MainWindow::editPlanned);
    connect(m_plannedMenu->addAction(QStringLiteral("&Löschen")), &QAction::triggered, this,
            &MainWindow::deletePlanned);
    m_plannedMenu->addSeparator();
    notYet(m_plannedMenu->addAction(QStringLiteral("&Drucken")),
           QStringLiteral("Buchungen drucken"));

    for (auto [grid, menu] :
         {std::pair{m_w.Stringgrid1, m_completedMenu}, std::pair{m_w.StringGrid2, m_plannedMenu}}) {
        grid->setContextMenuPolicy(Qt::CustomContextMenu);
        connect(grid, &QWidget::customContextMenuRequested, this,
                [grid, menu](const QPoint &pos) { menu->popup(grid->mapToGlobal(pos)); });
    }
}

} // namespace penvaro::ledger
