#include "accountsoverviewdialog.h"

#include "amountdisplay.h"
#include "widgets/stringgrid.h"

#include "core/overviewprintout.h"
#include "core/wideint.h"
#include "platform/accountsession.h"
#include "platform/appstate.h"
#include "platform/uiservice.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QToolButton>
#include <QVBoxLayout>

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
    , m_grid(new widgets::StringGrid(this))
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

    m_grid->setObjectName(QStringLiteral("SG1"));
    m_grid->setAccessibleName(QStringLiteral("Ihre Kontodateien"));
    m_grid->setOptions(widgets::StringGrid::RowSelect);
    m_grid->setFixedColumns(0);
    m_grid->setColumnCount(4);
    m_grid->setDefaultRowHeight(20);
    m_grid->setFont(QFont(QStringLiteral("Arial")));
    m_grid->column(2).setAlignment(Qt::AlignRight);
    connect(m_grid, &QAbstractItemView::doubleClicked, this,
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
    m_grid->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(m_grid, &QWidget::customContextMenuRequested, this,
            [this, menu](const QPoint &pos) { menu->popup(m_grid->viewport()->mapToGlobal(pos)); });

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(panel);
    layout->addWidget(m_grid, 1);
}

void AccountsOverviewDialog::refill() {
    auto loaded = core::LoadAccountRegister(m_state.registerPath());
    if (!loaded) {
        m_state.ui().showFailure(QString::fromStdString(loaded.error().message));
        m_accounts = {};
    } else {
        m_accounts = std::move(*loaded);
    }
    fillAccountsOverview();
}

void AccountsOverviewDialog::fillAccountsOverview() {
    static const struct {
        const char *header;
        int width;
    } columns[] = {
        {"Kontobezeichnung", 200}, {"Kontonummer", 75}, {"Kontostand", 100}, {"Dateiname", 300}};
    m_grid->beginUpdate();
    m_grid->setRowCount(static_cast<int>(m_accounts.entries.size()) + 1);
    for (int col = 0; col < 4; ++col) {
        m_grid->setColumnWidth(col, columns[col].width);
        m_grid->setCell(col, 0, QString::fromUtf8(columns[col].header));
    }
    int row = 0;
    for (const core::RegisterEntry &entry : m_accounts.entries) {
        ++row;
        m_grid->setCell(0, row, QString::fromStdString(entry.Kontobezeichnung.toUtf8()));
        m_grid->setCell(1, row, QString::fromStdString(entry.Kontonummer.toUtf8()));
        m_grid->setCell(2, row, overviewAmount(entry.Kontostand));
        m_grid->setCell(3, row, QString::fromStdString(entry.Dateiname.toUtf8()));
    }
    m_grid->endUpdate();
    m_saldo->setText(overviewAmount(core::AccountsTotal(m_accounts)));
}

void AccountsOverviewDialog::openCurrentRow() {
    const int row = m_grid->currentRow();
    if (row < 1 || row > static_cast<int>(m_accounts.entries.size()))
        return;
    const std::string file =
        m_accounts.entries[static_cast<std::size_t>(row - 1)].Dateiname.toUtf8();
    accept();
    // A file that cannot be opened is reported by the session and leaves the open account.
    m_state.session().open(file);
}

void AccountsOverviewDialog::deleteCurrentRow() {
    const int row = m_grid->currentRow();
    if (row < 1 || row > static_cast<int>(m_accounts.entries.size()))
        return;
    if (m_state.ui().askYesNo(
            QStringLiteral("Wollen Sie wirklich den aktuellen Datensatz löschen?"),
            platform::Answer::No)
        != platform::Answer::Yes)
        return;
    // Changed in the register as it is now, which another program may have added to.
    platform::ReportFailure(
        m_state.ui(),
        core::RemoveFromRegister(
            m_state.registerPath(),
            m_accounts.entries[static_cast<std::size_t>(row - 1)].Dateiname.toUtf8()));
    refill();
}

void AccountsOverviewDialog::keyReleaseEvent(QKeyEvent *event) {
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) && m_grid->hasFocus()) {
        openCurrentRow();
        return;
    }
    QDialog::keyReleaseEvent(event);
}

} // namespace penvaro::ledger
