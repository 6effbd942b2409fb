#include "ledgerview.h"

#include "platform/appstate.h"
#include "platform/uiservice.h"
#include "widgets/stringgrid.h"

#include <QCheckBox>
#include <QEvent>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QScrollBar>
#include <QToolButton>
#include <QVBoxLayout>

namespace penvaro::ledger {
namespace {

// The written proportions of the two groups' heights.
constexpr int completedShare = 52;
constexpr int plannedShare = 45;

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

QLineEdit *sumField(QWidget *parent, const char *name) {
    auto *field = new QLineEdit(parent);
    field->setObjectName(QString::fromLatin1(name));
    field->setReadOnly(true);
    field->setAlignment(Qt::AlignRight);
    // Wide enough for a five-figure balance in euro; a longer one widens it.
    field->setFixedWidth(field->fontMetrics().horizontalAdvance(QStringLiteral("-99.999,99 €"))
                         + 12);
    return field;
}

// A small panel of a caption and a read-only sum, the caption being the field's buddy.
QWidget *sumPanel(QWidget *parent, const char *name, QLabel *caption, QLineEdit *field,
                  QBoxLayout::Direction direction = QBoxLayout::LeftToRight) {
    auto *panel = new QWidget(parent);
    panel->setObjectName(QString::fromLatin1(name));
    // The caption stays beside its sum however wide the window is.
    panel->setSizePolicy(QSizePolicy::Maximum, QSizePolicy::Preferred);
    auto *layout = new QBoxLayout(direction, panel);
    layout->setContentsMargins(0, 0, 0, 0);
    caption->setParent(panel);
    field->setParent(panel);
    caption->setBuddy(field);
    layout->addWidget(caption);
    layout->addWidget(field);
    return panel;
}

QCheckBox *currencyBox(QWidget *parent, const char *name, const QString &caption,
                       const QString &accessible) {
    auto *box = new QCheckBox(caption, parent);
    box->setObjectName(QString::fromLatin1(name));
    box->setAccessibleName(accessible);
    return box;
}

QWidget *currencyPanel(QWidget *parent, const char *name, QCheckBox *euro, QCheckBox *national) {
    auto *panel = new QWidget(parent);
    panel->setObjectName(QString::fromLatin1(name));
    auto *layout = new QHBoxLayout(panel);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(4);
    euro->setParent(panel);
    national->setParent(panel);
    layout->addWidget(euro);
    layout->addWidget(national);
    panel->adjustSize();
    return panel;
}

widgets::StringGrid *bookingGrid(QWidget *parent, const char *name, const QString &caption) {
    auto *grid = new widgets::StringGrid(parent);
    grid->setObjectName(QString::fromLatin1(name));
    grid->setAccessibleName(caption);
    grid->setOptions(widgets::StringGrid::RowSelect | widgets::StringGrid::RangeSelect);
    grid->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    return grid;
}

} // namespace

LedgerView::LedgerView(platform::AppState &state, QLabel *todayBalance, QLabel *todayCaption,
                       QWidget *parent)
    : QWidget(parent)
    , m_state(state) {
    m_w.STSummeH = todayBalance;
    m_w.LSummeH = todayCaption;
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(buildCompletedGroup(), completedShare);
    layout->addWidget(buildPlannedGroup(), plannedShare);
    buildContextMenus();
    m_refresh = std::make_unique<LedgerRefresh>(m_state, m_w);

    for (auto [grid, listing] : {std::pair{m_w.Stringgrid1, core::Listing::Completed},
                                 std::pair{m_w.StringGrid2, core::Listing::Planned}}) {
        connect(grid->horizontalHeader(), &QHeaderView::sectionResized, this,
                [this, listing](int column, int, int width) {
                    m_refresh->columnResized(listing, column, width);
                });
    }
    m_w.Stringgrid1->viewport()->installEventFilter(this);
    m_w.StringGrid2->viewport()->installEventFilter(this);
    connect(m_w.Stringgrid1->horizontalScrollBar(), &QScrollBar::valueChanged, this,
            [this] { m_refresh->placeCurrencyBoxes(); });
    connect(m_w.Stringgrid1, &QAbstractItemView::doubleClicked, this,
            [this] { Q_EMIT editRequested(core::Listing::Completed); });
    connect(m_w.StringGrid2, &QAbstractItemView::doubleClicked, this,
            [this] { Q_EMIT transferRequested(); });
    applyOptions();
}

LedgerView::~LedgerView() = default;

widgets::StringGrid &LedgerView::grid(core::Listing listing) const {
    return listing == core::Listing::Planned ? *m_w.StringGrid2 : *m_w.Stringgrid1;
}

int LedgerView::currentSlot(core::Listing listing) const {
    const auto &rows = m_refresh->rowSlots(listing);
    const int row = grid(listing).currentRow();
    // Without a current row the commands act on the first.
    const auto index = static_cast<std::size_t>(std::max(row, 1) - 1);
    return index < rows.size() ? rows[index] : 0;
}

void LedgerView::setChangesAllowed(bool allowed) {
    for (QToolButton *button : m_changeButtons)
        button->setEnabled(allowed);
    for (QAction *action : m_changeActions)
        action->setEnabled(allowed);
}

void LedgerView::applyOptions() {
    m_w.GroupBox2->setVisible(m_state.settings().TabGepan);
}

QWidget *LedgerView::buildCompletedGroup() {
    m_w.GroupBox1 = new QGroupBox(QStringLiteral("Getätigte Buchungen"), this);
    m_w.GroupBox1->setObjectName(QStringLiteral("GroupBox1"));
    QGroupBox *box = m_w.GroupBox1;

    auto *strip = new QHBoxLayout;
    QToolButton *neu = button(box, "SBDatenNeu", QStringLiteral("Eingeben"));
    QToolButton *aendern = button(box, "SBAendern", QStringLiteral("Bearbeiten"));
    QToolButton *loeschen = button(box, "SBLoeschen", QStringLiteral("Löschen"));
    connect(neu, &QToolButton::clicked, this,
            [this] { Q_EMIT enterRequested(core::Listing::Completed); });
    connect(aendern, &QToolButton::clicked, this,
            [this] { Q_EMIT editRequested(core::Listing::Completed); });
    connect(loeschen, &QToolButton::clicked, this,
            [this] { Q_EMIT deleteRequested(core::Listing::Completed); });
    for (QToolButton *b : {neu, aendern, loeschen}) {
        strip->addWidget(b);
        m_changeButtons.push_back(b);
    }
    strip->addStretch();

    m_w.ESumme = sumField(box, "ESumme");
    m_w.PSummeG = sumPanel(box, "PSummeG", new QLabel(QStringLiteral("Kontostand:")), m_w.ESumme);
    strip->addWidget(m_w.PSummeG);
    m_w.LSummeGes = new QLabel;
    m_w.LSummeGes->setObjectName(QStringLiteral("LSummeGes"));
    m_w.EGesSumme = sumField(box, "EGesSumme");
    m_w.PSummeL = sumPanel(box, "PSummeL", m_w.LSummeGes, m_w.EGesSumme);
    strip->addWidget(m_w.PSummeL);
    auto *marked = new QLabel(QStringLiteral("markierte Buchungen"), box);
    marked->setObjectName(QStringLiteral("LSumme1"));
    marked->hide();

    // The currency boxes stand in a strip of their own, each pair over its column.
    auto *currencies = new QWidget(box);
    currencies->setObjectName(QStringLiteral("PWaehrungen"));
    m_w.RBEuroBetrag =
        currencyBox(currencies, "RBEuroBetrag", QStringLiteral("€"), QStringLiteral("Betrag in €"));
    m_w.RBnatBetrag = currencyBox(currencies, "RBnatBetrag", QStringLiteral("DM"),
                                  QStringLiteral("Betrag in Landeswährung"));
    m_w.PBetrag = currencyPanel(currencies, "PBetrag", m_w.RBEuroBetrag, m_w.RBnatBetrag);
    m_w.RBEuroKontostand = currencyBox(currencies, "RBEuroKontostand", QStringLiteral("€"),
                                       QStringLiteral("Kontostand in €"));
    m_w.RBnatKontostand = currencyBox(currencies, "RBnatKontostand", QStringLiteral("DM"),
                                      QStringLiteral("Kontostand in Landeswährung"));
    m_w.PKontostand =
        currencyPanel(currencies, "PKontostand", m_w.RBEuroKontostand, m_w.RBnatKontostand);
    currencies->setFixedHeight(m_w.PBetrag->sizeHint().height());
    for (QCheckBox *b :
         {m_w.RBEuroBetrag, m_w.RBnatBetrag, m_w.RBEuroKontostand, m_w.RBnatKontostand})
        connect(b, &QCheckBox::clicked, this, [this, b] { currencyBoxClicked(b); });

    m_w.Stringgrid1 = bookingGrid(box, "Stringgrid1", QStringLiteral("Getätigte Buchungen"));

    auto *layout = new QVBoxLayout(box);
    layout->addLayout(strip);
    layout->addWidget(currencies);
    layout->addWidget(m_w.Stringgrid1, 1);
    return box;
}

QWidget *LedgerView::buildPlannedGroup() {
    m_w.GroupBox2 = new QGroupBox(QStringLiteral("Geplante Buchungen"), this);
    m_w.GroupBox2->setObjectName(QStringLiteral("GroupBox2"));
    QGroupBox *box = m_w.GroupBox2;
    m_w.StringGrid2 = bookingGrid(box, "StringGrid2", QStringLiteral("Geplante Buchungen"));

    auto *buttons = new QVBoxLayout;
    QToolButton *bearbeiten = button(box, "SBDatenBearbeiten2", QStringLiteral("Bearbeiten"));
    QToolButton *neu = button(box, "SBDatenBNeu2", QStringLiteral("Eingeben"));
    QToolButton *loeschen = button(box, "SBDatenLoeschen2", QStringLiteral("Löschen"));
    QToolButton *verschieben = button(box, "SBDatenVerschieben", QStringLiteral("Übertragen"),
                                      QStringLiteral("Daten nach oben verschieben"));
    connect(bearbeiten, &QToolButton::clicked, this,
            [this] { Q_EMIT editRequested(core::Listing::Planned); });
    connect(neu, &QToolButton::clicked, this,
            [this] { Q_EMIT enterRequested(core::Listing::Planned); });
    connect(loeschen, &QToolButton::clicked, this,
            [this] { Q_EMIT deleteRequested(core::Listing::Planned); });
    connect(verschieben, &QToolButton::clicked, this, [this] { Q_EMIT transferRequested(); });
    for (QToolButton *b : {bearbeiten, neu, loeschen, verschieben}) {
        buttons->addWidget(b, 0, Qt::AlignLeft);
        m_changeButtons.push_back(b);
    }

    m_w.ESumme2 = sumField(box, "ESumme2");
    m_w.PSummeZ = sumPanel(box, "PSummeZ", new QLabel(QStringLiteral("Summe:")), m_w.ESumme2,
                           QBoxLayout::TopToBottom);
    QToolButton *summe2 =
        button(m_w.PSummeZ, "SBSumme2", QStringLiteral("Σ"), QStringLiteral("Summe neu berechnen"));
    summe2->setAccessibleName(QStringLiteral("Summe neu berechnen"));
    m_w.PSummeZ->layout()->addWidget(summe2);
    connect(summe2, &QToolButton::clicked, this,
            [this] { platform::ReportFailure(m_state.ui(), m_refresh->computePlannedSum()); });
    buttons->addWidget(m_w.PSummeZ);
    buttons->addStretch();
    auto *marked = new QLabel(QStringLiteral("markierte Buchungen"), box);
    marked->setObjectName(QStringLiteral("LSumme2"));
    marked->hide();

    auto *layout = new QHBoxLayout(box);
    layout->addWidget(m_w.StringGrid2, 1);
    layout->addLayout(buttons);
    return box;
}

void LedgerView::buildContextMenus() {
    const auto add = [this](QMenu *menu, const char *name, const QString &caption, auto signal) {
        QAction *action = menu->addAction(caption);
        if (name)
            action->setObjectName(QString::fromLatin1(name));
        connect(action, &QAction::triggered, this, signal);
        m_changeActions.push_back(action);
        return action;
    };
    using core::Listing;
    m_completedMenu = new QMenu(this);
    m_completedMenu->setObjectName(QStringLiteral("PopupMenu1"));
    m_completedMenu->setToolTipsVisible(true);
    add(m_completedMenu, "PEingeben1", QStringLiteral("&Eingeben"),
        [this] { Q_EMIT enterRequested(Listing::Completed); });
    add(m_completedMenu, "PBearbeiten1", QStringLiteral("&Bearbeiten"),
        [this] { Q_EMIT editRequested(Listing::Completed); });
    add(m_completedMenu, "PLoeschen1", QStringLiteral("&Löschen"),
        [this] { Q_EMIT deleteRequested(Listing::Completed); });
    m_completedMenu->addSeparator();
    add(m_completedMenu, "PStartwert1", QStringLiteral("Startwert eingeben"),
        [this] { Q_EMIT startValueRequested(); });
    m_completedMenu->addSeparator();
    add(m_completedMenu, "PDrucken1", QStringLiteral("&Drucken"),
        [this] { Q_EMIT printRequested(); });

    m_plannedMenu = new QMenu(this);
    m_plannedMenu->setObjectName(QStringLiteral("PopupMenu2"));
    m_plannedMenu->setToolTipsVisible(true);
    add(m_plannedMenu, "PUebertragen2", QStringLiteral("Übertragen"),
        [this] { Q_EMIT transferRequested(); });
    add(m_plannedMenu, "PEingeben2", QStringLiteral("&Eingeben"),
        [this] { Q_EMIT enterRequested(Listing::Planned); });
    add(m_plannedMenu, "PBearbeiten2", QStringLiteral("&Bearbeiten"),
        [this] { Q_EMIT editRequested(Listing::Planned); });
    add(m_plannedMenu, "PLoeschen2", QStringLiteral("&Löschen"),
        [this] { Q_EMIT deleteRequested(Listing::Planned); });
    m_plannedMenu->addSeparator();
    add(m_plannedMenu, "PDrucken2", QStringLiteral("&Drucken"),
        [this] { Q_EMIT printRequested(); });

    for (auto [grid, menu] :
         {std::pair{m_w.Stringgrid1, m_completedMenu}, std::pair{m_w.StringGrid2, m_plannedMenu}}) {
        grid->setContextMenuPolicy(Qt::CustomContextMenu);
        connect(grid, &QWidget::customContextMenuRequested, this,
                [grid, menu](const QPoint &pos) { menu->popup(grid->mapToGlobal(pos)); });
    }
}

void LedgerView::currencyBoxClicked(QCheckBox *box) {
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
    platform::ReportFailure(m_state.ui(), m_refresh->refreshLedger());
}

bool LedgerView::eventFilter(QObject *watched, QEvent *event) {
    // The columns follow the room the grids have, whatever changed it.
    if (event->type() == QEvent::Resize)
        m_refresh->fitColumns();
    return QWidget::eventFilter(watched, event);
}

} // namespace penvaro::ledger
