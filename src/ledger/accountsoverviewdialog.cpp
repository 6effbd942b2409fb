#include "accountsoverviewdialog.h"

#include "accountregistermodel.h"
#include "amountdisplay.h"

#include "core/accountfile.h"
#include "core/balances.h"
#include "core/overviewprintout.h"
#include "core/wideint.h"
#include "platform/accountsession.h"
#include "platform/appstate.h"
#include "platform/uiservice.h"
#include "widgets/rowtable.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QTableView>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>

namespace penvaro::ledger {
namespace {

QString overviewAmount(std::int64_t amount) {
    return QString::fromStdString(
        core::FormatEuroText(amount, LocaleSeparators(), core::SignificantDigits::Overview));
}

QToolButton *button(QWidget *parent, const char *name, const QString &caption,
                    const QString &hint) {
    auto *b = new QToolButton(parent);
    b->setObjectName(QString::fromLatin1(name));
    b->setText(caption);
    b->setToolTip(hint);
    b->setToolButtonStyle(Qt::ToolButtonTextOnly);
    return b;
}

} // namespace

AccountsOverviewDialog::AccountsOverviewDialog(platform::AppState &state, QWidget *parent)
    : QDialog(parent)
    , m_state(state)
    , m_model(new AccountRegisterModel(this))
    , m_table(new QTableView(this))
    , m_saldo(new QLabel(this)) {
    setObjectName(QStringLiteral("KontenF"));
    setWindowTitle(QStringLiteral("Ihre Kontodateien"));
    resize(720, 400);

    auto *panel = new QWidget(this);
    panel->setObjectName(QStringLiteral("Panel6"));
    auto *top = new QHBoxLayout(panel);
    QToolButton *loeschen =
        button(panel, "SpeedButton6", QStringLiteral("Löschen"), QStringLiteral("Daten löschen"));
    connect(loeschen, &QToolButton::clicked, this, &AccountsOverviewDialog::deleteCurrentRow);
    QToolButton *drucken =
        button(panel, "SpeedButton1", QStringLiteral("Drucken"), QStringLiteral("Daten drucken"));
    connect(drucken, &QToolButton::clicked, this, &AccountsOverviewDialog::printRequested);
    auto *hint = new QLabel(
        QStringLiteral("Um ein Konto zu öffnen, doppelklicken Sie einfach die Zeile."), panel);
    auto *saldoLabel = new QLabel(QStringLiteral("SALDO:"), panel);
    m_saldo->setObjectName(QStringLiteral("LSaldo"));
    m_saldo->setParent(panel);
    QFont bold = m_saldo->font();
    bold.setBold(true);
    m_saldo->setFont(bold);
    m_saldo->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    saldoLabel->setBuddy(m_saldo);
    top->addWidget(loeschen);
    top->addWidget(hint, 1);
    top->addWidget(saldoLabel);
    top->addWidget(m_saldo);
    top->addWidget(drucken);

    m_table->setObjectName(QStringLiteral("SG1"));
    m_table->setAccessibleName(QStringLiteral("Ihre Kontodateien"));
    m_table->setModel(m_model);
    widgets::SetUpRowTable(*m_table);
    widgets::SetRowHeight(*m_table, 20);
    m_table->setFont(QFont(QStringLiteral("Arial")));
    // The written widths, widened where the style would cut a heading.
    for (int col = 0; col < m_model->columnCount(); ++col)
        m_table->setColumnWidth(col, std::max(AccountRegisterModel::columnWidths[col],
                                              m_table->horizontalHeader()->sectionSizeHint(col)));
    connect(m_table, &QAbstractItemView::doubleClicked, this,
            &AccountsOverviewDialog::openCurrentRow);

    auto *menu = new QMenu(this);
    menu->setObjectName(QStringLiteral("PopupMenu1"));
    QAction *open = menu->addAction(QStringLiteral("Konto öffnen"), this,
                                    &AccountsOverviewDialog::openCurrentRow);
    open->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_O));
    QAction *print =
        menu->addAction(QStringLiteral("Drucken"), this, &AccountsOverviewDialog::printRequested);
    print->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_P));
    QAction *remove = menu->addAction(QStringLiteral("Zeile löschen"), this,
                                      &AccountsOverviewDialog::deleteCurrentRow);
    remove->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_X));
    addActions({open, print, remove});
    m_table->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(m_table, &QWidget::customContextMenuRequested, this, [this, menu](const QPoint &pos) {
        menu->popup(m_table->viewport()->mapToGlobal(pos));
    });

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(panel);
    layout->addWidget(m_table, 1);
}

const core::AccountRegister &AccountsOverviewDialog::accounts() const {
    return m_model->accounts();
}

void AccountsOverviewDialog::readChangedBalances(core::AccountRegister &accounts) {
    for (core::RegisterEntry &entry : accounts.entries) {
        const std::string file = entry.Dateiname.toUtf8();
        // The open file's balance is kept up to date by every change.
        if (file == m_state.settings().accountFile)
            continue;
        std::error_code ec;
        const auto changed = std::filesystem::last_write_time(file, ec);
        const auto size = ec ? 0 : std::filesystem::file_size(file, ec);
        if (ec)
            continue;
        const auto seen = std::make_pair(changed, size);
        if (const auto read = m_read.find(file); read != m_read.end() && read->second == seen)
            continue;
        core::BookingTable table;
        if (!core::LoadAccountFile(file, table))
            continue;
        const auto balance = core::ComputeBookBalance(table);
        if (!balance)
            continue;
        m_read[file] = seen;
        if (*balance == entry.Kontostand)
            continue;
        entry.Kontostand = *balance;
        // The register is a convenience: the balance shown is right even when it cannot be
        // written.
        (void)core::UpdateRegisterBalance(m_state.registerPath(), file, *balance);
    }
}

void AccountsOverviewDialog::refill() {
    auto loaded = core::LoadAccountRegister(m_state.registerPath());
    if (!loaded)
        m_state.ui().showFailure(QString::fromStdString(loaded.error().message));
    else
        readChangedBalances(*loaded);
    m_model->setRegister(loaded ? std::move(*loaded) : core::AccountRegister{});
    m_saldo->setText(overviewAmount(core::AccountsTotal(accounts())));
}

void AccountsOverviewDialog::openCurrentRow() {
    const core::RegisterEntry *entry = m_model->entryAt(m_table->currentIndex().row());
    if (!entry)
        return;
    const std::string file = entry->Dateiname.toUtf8();
    accept();
    // A file that cannot be opened is reported by the session and leaves the open account.
    m_state.session().open(file);
}

void AccountsOverviewDialog::deleteCurrentRow() {
    const core::RegisterEntry *entry = m_model->entryAt(m_table->currentIndex().row());
    if (!entry)
        return;
    if (m_state.ui().askYesNo(
            QStringLiteral("Wollen Sie wirklich den aktuellen Datensatz löschen?"),
            platform::Answer::No)
        != platform::Answer::Yes)
        return;
    // Changed in the register as it is now, which another program may have added to.
    platform::ReportFailure(
        m_state.ui(), core::RemoveFromRegister(m_state.registerPath(), entry->Dateiname.toUtf8()));
    refill();
}

void AccountsOverviewDialog::keyReleaseEvent(QKeyEvent *event) {
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) && m_table->hasFocus()) {
        openCurrentRow();
        return;
    }
    QDialog::keyReleaseEvent(event);
}

} // namespace penvaro::ledger
