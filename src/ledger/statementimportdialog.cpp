#include "statementimportdialog.h"

#include "amountdisplay.h"
#include "importpreviewmodel.h"

#include "core/amounttext.h"
#include "core/wideint.h"
#include "platform/appstate.h"
#include "platform/importmemory.h"
#include "platform/statementfile.h"
#include "platform/uiservice.h"
#include "widgets/commandguard.h"
#include "widgets/dialogflags.h"

#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

#include <algorithm>
#include <limits>

namespace penvaro::ledger {
namespace {

constexpr std::int32_t ErrorRememberStatementDate = 162;

QString euro(std::int64_t amount) {
    return QString::fromStdString(core::FormatEuroText(amount, LocaleSeparators()));
}

QLabel *valueLabel(QWidget *parent, const char *name) {
    auto *label = new QLabel(parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    return label;
}

QLabel *captionLabel(QWidget *parent, const char *name, const QString &text, QWidget *buddy) {
    auto *label = new QLabel(text, parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setBuddy(buddy);
    return label;
}

// Only the text colour is set; everything else follows the dialog's palette.
void setRed(QLabel *label, bool red) {
    QPalette palette;
    if (red)
        palette.setColor(QPalette::WindowText, Qt::red);
    label->setPalette(palette);
}

bool bringsBookings(const core::ImportPlan &plan) {
    return std::any_of(plan.steps.begin(), plan.steps.end(), [](const core::ImportStep &step) {
        return step.action == core::ImportAction::Added
               || step.action == core::ImportAction::Matched;
    });
}

// Every account a file names, so the user sees whose statement it is.
QString accountsOf(const std::vector<core::Statement> &statements) {
    QStringList accounts;
    for (const core::Statement &statement : statements) {
        const QString account = QString::fromStdString(statement.accountId);
        if (!account.isEmpty() && !accounts.contains(account))
            accounts << account;
    }
    return accounts.join(QStringLiteral(", "));
}

} // namespace

StatementImportDialog::StatementImportDialog(platform::AppState &state, QWidget *parent)
    : QDialog(parent, widgets::FixedDialogFlags)
    , m_state(state) {
    setObjectName(QStringLiteral("TAuszugImportF"));
    setWindowTitle(QStringLiteral("Kontoauszug importieren"));
    setModal(true);

    m_file = new QLabel(this);
    m_file->setObjectName(QStringLiteral("LDatei"));
    m_file->setTextFormat(Qt::PlainText);
    m_file->setWordWrap(true);

    m_model = new ImportPreviewModel(this);
    m_grid = new QTableView(this);
    m_grid->setObjectName(QStringLiteral("SGImport"));
    m_grid->setAccessibleName(QStringLiteral("Buchungen des Kontoauszugs"));
    m_grid->setModel(m_model);
    m_grid->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_grid->setSelectionMode(QAbstractItemView::SingleSelection);
    m_grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_grid->setTabKeyNavigation(false);
    m_grid->setWordWrap(false);
    m_grid->verticalHeader()->hide();
    m_grid->setSizeAdjustPolicy(QAbstractScrollArea::AdjustToContents);
    m_grid->installEventFilter(this);
    auto *gridLabel = captionLabel(
        this, "LBuchungen", QStringLiteral("&Buchungen (ohne Häkchen nicht übernehmen):"), m_grid);
    connect(m_model, &ImportPreviewModel::leaveOutRequested, this,
            &StatementImportDialog::leaveOut);

    auto *balances = new QGridLayout;
    m_closing = valueLabel(this, "EEndsaldo");
    m_bookBalance = valueLabel(this, "EKontostand");
    balances->addWidget(
        captionLabel(this, "LEndsaldo", QStringLiteral("Endsaldo laut Kontoauszug:"), m_closing), 0,
        0);
    balances->addWidget(m_closing, 0, 1);
    balances->addWidget(captionLabel(this, "LKontostand",
                                     QStringLiteral("Kontostand nach dem Import:"), m_bookBalance),
                        1, 0);
    balances->addWidget(m_bookBalance, 1, 1);
    m_difference = new QLabel(this);
    m_difference->setObjectName(QStringLiteral("LDifferenz"));
    m_difference->setWordWrap(true);
    balances->addWidget(m_difference, 2, 0, 1, 2);
    balances->setColumnStretch(2, 1);

    m_import = new QPushButton(QStringLiteral("Importieren"), this);
    m_import->setObjectName(QStringLiteral("BImportieren"));
    m_import->setDefault(true);
    auto *cancel = new QPushButton(QStringLiteral("Abbrechen"), this);
    cancel->setObjectName(QStringLiteral("BAbbrechen"));
    connect(m_import, &QPushButton::clicked, this, &StatementImportDialog::book);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_import);
    buttons->addWidget(cancel);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_file);
    layout->addWidget(gridLabel);
    layout->addWidget(m_grid, 1);
    layout->addLayout(balances);
    layout->addLayout(buttons);
}

int StatementImportDialog::importFile(const QString &path) {
    auto statements = platform::ReadStatementFile(path);
    if (!statements) {
        m_state.ui().showFailure(QString::fromStdString(statements.error().message));
        return QDialog::Rejected;
    }
    m_statements = std::move(*statements);
    std::size_t entries = 0;
    for (const core::Statement &statement : m_statements)
        entries += statement.entries.size();
    if (!replan(std::vector<bool>(entries, false)))
        return QDialog::Rejected;

    const QString accounts = accountsOf(m_statements);
    m_file->setText(
        QStringLiteral("Kontoauszug: %1").arg(QFileInfo(path).fileName())
        + (accounts.isEmpty() ? QString() : QStringLiteral(", Konto %1").arg(accounts)));
    m_grid->resizeColumnsToContents();
    if (m_model->rowCount() > 0)
        m_grid->setCurrentIndex(m_model->index(0, ImportPreviewModel::Take));
    m_grid->setFocus();
    adjustSize();
    return m_state.ui().runModal(*this);
}

bool StatementImportDialog::replan(const std::vector<bool> &leftOut) {
    auto plan = core::PlanStatementImport(m_state.table(), m_statements, leftOut);
    if (!plan) {
        m_state.ui().showFailure(QString::fromStdString(plan.error().message));
        return false;
    }
    m_leftOut = leftOut;
    m_plan = std::move(*plan);
    m_model->setSteps(m_plan.steps);
    m_grid->resizeColumnToContents(ImportPreviewModel::Action);
    showBalances();
    m_import->setEnabled(bringsBookings(m_plan));
    return true;
}

void StatementImportDialog::leaveOut(int row, bool leaveOut) {
    std::vector<bool> leftOut = m_leftOut;
    leftOut.at(static_cast<std::size_t>(row)) = leaveOut;
    replan(leftOut);
}

void StatementImportDialog::showBalances() {
    const bool known = m_plan.closingBalance.has_value();
    m_closing->setText(known ? euro(*m_plan.closingBalance) : QStringLiteral("nicht angegeben"));
    m_bookBalance->setText(euro(m_plan.bookBalanceAfter));
    const bool differs = known && *m_plan.closingBalance != m_plan.bookBalanceAfter;
    setRed(m_bookBalance, differs);
    setRed(m_difference, differs);
    m_difference->setVisible(differs);
    if (differs) {
        // Both lie within 64 bits; their distance may not.
        const core::Int128 distance =
            core::Int128{*m_plan.closingBalance} - m_plan.bookBalanceAfter;
        const core::Int128 shown = distance < 0 ? -distance : distance;
        m_difference->setText(
            QStringLiteral("Der Kontostand weicht um %1 vom Endsaldo des Kontoauszugs ab. "
                           "Fehlt ein Kontoauszug?")
                .arg(euro(static_cast<std::int64_t>(
                    std::min<core::Int128>(shown, std::numeric_limits<std::int64_t>::max())))));
    }
}

bool StatementImportDialog::eventFilter(QObject *watched, QEvent *event) {
    // The box is ticked from any cell of the row, not only from its own.
    if (watched == m_grid && event->type() == QEvent::KeyPress
        && static_cast<QKeyEvent *>(event)->key() == Qt::Key_Space) {
        const QModelIndex current = m_grid->currentIndex();
        if (current.isValid()) {
            const bool left = m_leftOut.at(static_cast<std::size_t>(current.row()));
            leaveOut(current.row(), !left);
        }
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

void StatementImportDialog::book() {
    // A full table or a file that cannot be written refuses all of it; the preview stays, so
    // that the user can try again or cancel.
    if (!widgets::RunCommand(m_state.ui(), [this] {
            return core::ApplyImportPlan(m_state.table(), m_plan, m_state.currentPath());
        }))
        return;
    if (!platform::RememberImport(m_state.store(), m_state.currentFile(), m_plan))
        platform::ShowError(m_state.ui(), ErrorRememberStatementDate,
                            QStringLiteral("Registry Fehler"));
    m_state.announceBookingChange();
    accept();
}

} // namespace penvaro::ledger
