#include "ledgerview.h"

#include "amountdisplay.h"
#include "bookinglistview.h"
#include "currencychoice.h"
#include "heightshares.h"
#include "sumspanel.h"

#include "core/balances.h"
#include "platform/appstate.h"
#include "platform/uiservice.h"
#include "widgets/commandbutton.h"
#include "widgets/wrappingrow.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QToolButton>
#include <QVBoxLayout>

namespace penvaro::ledger {
namespace {

// The written proportions of the two groups' heights.
constexpr int completedShare = 52;
constexpr int plannedShare = 45;

BookingListView *bookingTable(platform::AppState &state, core::Listing listing, QWidget *parent,
                              const char *name, const QString &caption) {
    auto *table = new BookingListView(state, listing, parent);
    table->setObjectName(QString::fromLatin1(name));
    table->setAccessibleName(caption);
    return table;
}

} // namespace

LedgerView::LedgerView(platform::AppState &state, QWidget *parent)
    : QWidget(parent)
    , m_state(state) {
    auto *layout = new HeightShares(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(buildCompletedGroup(), completedShare);
    layout->addWidget(buildPlannedGroup(), plannedShare);
    buildContextMenus();
    connect(m_completed, &QAbstractItemView::doubleClicked, this,
            [this] { Q_EMIT editRequested(core::Listing::Completed); });
    connect(m_planned, &QAbstractItemView::doubleClicked, this,
            [this] { Q_EMIT transferRequested(); });
    connect(m_currencies, &CurrencyChoice::changed, this,
            [this] { platform::ReportFailure(m_state.ui(), refresh()); });
    // A booking just added or changed is where the user looks next, wherever the order put it.
    connect(&m_state, &platform::AppState::bookingTouched, this, [this](int slot) {
        if (!m_completed->showSlot(slot))
            m_planned->showSlot(slot);
    });
    applyOptions();
}

BookingListView &LedgerView::table(core::Listing listing) const {
    return listing == core::Listing::Planned ? *m_planned : *m_completed;
}

int LedgerView::currentSlot(core::Listing listing) const {
    return table(listing).currentSlot();
}

void LedgerView::setChangesAllowed(bool allowed) {
    for (QToolButton *button : m_changeButtons)
        button->setEnabled(allowed);
    for (QAction *action : m_changeActions)
        action->setEnabled(allowed);
}

void LedgerView::applyOptions() {
    m_plannedGroup->setVisible(m_state.settings().showPlannedTable);
    m_completed->fitColumns();
    m_planned->fitColumns();
}

core::Result<void> LedgerView::refresh() {
    const core::Settings &settings = m_state.settings();
    m_currencies->applyOptions();
    m_sums->applyOptions(settings);
    m_plannedSumPanel->setVisible(settings.showPlannedSum);
    m_completedGroup->setTitle(QStringLiteral("Getätigte Buchungen - ") + m_state.currentFile());

    core::Result<void> outcome = showSums();
    core::RunningBalances balances;
    if (outcome && settings.showBalanceColumn) {
        auto filled =
            core::FillRunningBalances(m_state.table(), core::SortOrderFromSettings(settings));
        if (filled)
            balances = std::move(*filled);
        else
            outcome = filled.error();
    }
    m_completed->reload(std::move(balances.done));
    m_planned->reload(std::move(balances.planned));
    return outcome;
}

core::Result<void> LedgerView::showSums() {
    const auto sums = ComputeLedgerSums(m_state.table(), m_state.today());
    if (!sums)
        return sums.error();
    const AmountDisplay amounts(m_state.settings());
    m_sums->showSums(*sums, amounts);
    SumsPanel::showSum(m_plannedSum, amounts.sum(sums->planned));
    Q_EMIT todayBalanceChanged(amounts.sum(sums->today));
    return {};
}

QWidget *LedgerView::buildCompletedGroup() {
    m_completedGroup = new QGroupBox(QStringLiteral("Getätigte Buchungen"), this);
    m_completedGroup->setObjectName(QStringLiteral("GroupBox1"));
    QGroupBox *box = m_completedGroup;

    auto *strip = new widgets::WrappingRow;
    QToolButton *neu = widgets::CommandButton(box, "SBDatenNeu", QStringLiteral("Eingeben"));
    QToolButton *aendern = widgets::CommandButton(box, "SBAendern", QStringLiteral("Bearbeiten"));
    QToolButton *loeschen = widgets::CommandButton(box, "SBLoeschen", QStringLiteral("Löschen"));
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
    m_sums = new SumsPanel(box);
    strip->addTrailing(m_sums);
    auto *marked = new QLabel(QStringLiteral("markierte Buchungen"), box);
    marked->setObjectName(QStringLiteral("LSumme1"));
    marked->hide();

    m_currencies = new CurrencyChoice(m_state.settings(), box);
    m_completed = bookingTable(m_state, core::Listing::Completed, box, "Stringgrid1",
                               QStringLiteral("Getätigte Buchungen"));

    auto *layout = new QVBoxLayout(box);
    layout->addLayout(strip);
    layout->addWidget(m_currencies);
    layout->addWidget(m_completed, 1);
    return box;
}

QWidget *LedgerView::buildPlannedGroup() {
    m_plannedGroup = new QGroupBox(QStringLiteral("Geplante Buchungen"), this);
    m_plannedGroup->setObjectName(QStringLiteral("GroupBox2"));
    QGroupBox *box = m_plannedGroup;
    m_planned = bookingTable(m_state, core::Listing::Planned, box, "StringGrid2",
                             QStringLiteral("Geplante Buchungen"));

    auto *buttons = new QVBoxLayout;
    QToolButton *bearbeiten =
        widgets::CommandButton(box, "SBDatenBearbeiten2", QStringLiteral("Bearbeiten"));
    QToolButton *neu = widgets::CommandButton(box, "SBDatenBNeu2", QStringLiteral("Eingeben"));
    QToolButton *loeschen =
        widgets::CommandButton(box, "SBDatenLoeschen2", QStringLiteral("Löschen"));
    QToolButton *verschieben =
        widgets::CommandButton(box, "SBDatenVerschieben", QStringLiteral("Übertragen"),
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

    m_plannedSum = SumsPanel::sumField(box, "ESumme2");
    m_plannedSumPanel = SumsPanel::captioned(box, "PSummeZ", new QLabel(QStringLiteral("Summe:")),
                                             m_plannedSum, QBoxLayout::TopToBottom);
    QToolButton *summe2 = widgets::CommandButton(m_plannedSumPanel, "SBSumme2", QStringLiteral("Σ"),
                                                 QStringLiteral("Summe neu berechnen"));
    summe2->setAccessibleName(QStringLiteral("Summe neu berechnen"));
    // The button beside the sum rather than below it: the group's least height is the height
    // of this column, and the completed bookings above should not give up theirs for it.
    auto *sumColumn = static_cast<QBoxLayout *>(m_plannedSumPanel->layout());
    sumColumn->removeWidget(m_plannedSum);
    auto *sumRow = new QHBoxLayout;
    sumRow->addWidget(m_plannedSum);
    sumRow->addWidget(summe2);
    sumColumn->addLayout(sumRow);
    connect(summe2, &QToolButton::clicked, this,
            [this] { platform::ReportFailure(m_state.ui(), showSums()); });
    buttons->addWidget(m_plannedSumPanel);
    buttons->addStretch();
    auto *marked = new QLabel(QStringLiteral("markierte Buchungen"), box);
    marked->setObjectName(QStringLiteral("LSumme2"));
    marked->hide();

    auto *layout = new QHBoxLayout(box);
    layout->addWidget(m_planned, 1);
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

    for (auto [table, menu] :
         {std::pair{m_completed, m_completedMenu}, std::pair{m_planned, m_plannedMenu}}) {
        table->setContextMenuPolicy(Qt::CustomContextMenu);
        connect(table, &QWidget::customContextMenuRequested, this,
                [table, menu](const QPoint &pos) { menu->popup(table->mapToGlobal(pos)); });
    }
}

} // namespace penvaro::ledger
