#include "statementimportdialog.h"

#include "importpreviewmodel.h"

#include "core/amounttext.h"
#include "core/date.h"
#include "core/statementaccount.h"
#include "core/wideint.h"
#include "platform/appstate.h"
#include "platform/importmemory.h"
#include "platform/importreferences.h"
#include "platform/statementfile.h"
#include "platform/uiservice.h"
#include "widgets/commandguard.h"
#include "widgets/dialogflags.h"
#include "widgets/localeseparators.h"

#include <QFileInfo>
#include <QFormLayout>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
#include <QTableView>
#include <QVBoxLayout>

#include <algorithm>
#include <limits>

namespace penvaro::import {
namespace {

constexpr std::int32_t ErrorRememberStatementDate = 162;

QString euro(std::int64_t amount) {
    return QString::fromStdString(core::FormatEuroText(amount, widgets::LocaleSeparators()));
}

QLabel *valueLabel(QWidget *parent, const char *name) {
    auto *label = new QLabel(parent);
    label->setObjectName(QString::fromLatin1(name));
    // File names and account numbers come from outside; markup in them is shown as it is.
    label->setTextFormat(Qt::PlainText);
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

    auto *source = new QFormLayout;
    m_file = valueLabel(this, "EDatei");
    m_account = valueLabel(this, "EKonto");
    m_file->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    m_account->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    source->addRow(captionLabel(this, "LDatei", QStringLiteral("Kontoauszug:"), m_file), m_file);
    source->addRow(captionLabel(this, "LKonto", QStringLiteral("Konto:"), m_account), m_account);
    m_otherAccount = valueLabel(this, "LAnderesKonto");
    m_otherAccount->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    m_otherAccount->setWordWrap(true);
    setRed(m_otherAccount, true);
    m_otherAccount->hide();
    source->addRow(m_otherAccount);

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
    m_grid->installEventFilter(this);
    auto *gridLabel = captionLabel(
        this, "LBuchungen", QStringLiteral("&Buchungen (ohne Häkchen nicht übernehmen):"), m_grid);
    connect(m_model, &ImportPreviewModel::leaveOutRequested, this,
            &StatementImportDialog::leaveOut);
    connect(m_model, &ImportPreviewModel::takeUncertainRequested, this,
            &StatementImportDialog::takeUncertain);

    auto *balances = new QGridLayout;
    m_closing = valueLabel(this, "EEndsaldo");
    m_bookBalance = valueLabel(this, "EKontostand");
    balances->addWidget(
        captionLabel(this, "LEndsaldo", QStringLiteral("Endsaldo laut Kontoauszug:"), m_closing), 0,
        0);
    balances->addWidget(m_closing, 0, 1);
    m_bookBalanceCaption = captionLabel(
        this, "LKontostand", QStringLiteral("Kontostand nach dem Import:"), m_bookBalance);
    balances->addWidget(m_bookBalanceCaption, 1, 0);
    balances->addWidget(m_bookBalance, 1, 1);
    m_difference = valueLabel(this, "EDifferenz");
    m_differenceCaption = captionLabel(this, "LDifferenz",
                                       QStringLiteral("Differenz zum Kontoauszug:"), m_difference);
    balances->addWidget(m_differenceCaption, 2, 0);
    balances->addWidget(m_difference, 2, 1);
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
    layout->addLayout(source);
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
    const core::Settings &own = m_state.settings();
    auto chosen =
        core::ChooseAccountStatements(*statements, {own.bankCode, own.accountNumber, own.iban}, {});
    if (!chosen) {
        m_state.ui().showFailure(QString::fromStdString(chosen.error().message));
        return QDialog::Rejected;
    }
    m_statements = std::move(chosen->statements);
    // A store that cannot be read leaves the comparison of the texts, which finds most.
    m_references = m_state.account().importReferences(m_state.clock().today());
    if (const auto earlier = platform::ImportReferences(m_state.store(), m_state.currentFile())
                                 .read(m_state.clock().today()))
        m_references.insert(earlier->begin(), earlier->end());
    std::size_t entries = 0;
    for (const core::Statement &statement : m_statements)
        entries += statement.entries.size();
    if (!replan(std::vector<bool>(entries, false), std::vector<bool>(entries, false)))
        return QDialog::Rejected;

    m_file->setText(QFileInfo(path).fileName());
    m_file->setToolTip(QFileInfo(path).absoluteFilePath());
    QString accounts = accountsOf(m_statements);
    if (!chosen->leftOutAccounts.empty()) {
        QStringList others;
        for (const std::string &account : chosen->leftOutAccounts)
            others << QString::fromStdString(account);
        accounts += QStringLiteral(" (nicht importiert: Auszüge der Konten %1)")
                        .arg(others.join(QStringLiteral(", ")));
    }
    m_account->setText(accounts);
    compareAccounts();
    if (m_model->rowCount() > 0)
        m_grid->setCurrentIndex(m_model->index(0, ImportPreviewModel::Take));
    m_grid->setFocus();
    fitToEntries();
    return m_state.ui().runModal(*this);
}

void StatementImportDialog::fitToEntries() {
    ensurePolished();
    m_grid->resizeColumnsToContents();
    // Every column whole and up to a screenful of rows; a longer statement scrolls.
    constexpr int shownRows = 15;
    const int frame = 2 * m_grid->frameWidth();
    const int scrollBar = m_grid->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, m_grid);
    const QSize wanted(m_grid->horizontalHeader()->length() + frame + scrollBar,
                       m_grid->horizontalHeader()->sizeHint().height()
                           + std::clamp(m_model->rowCount(), 8, shownRows)
                                 * m_grid->verticalHeader()->defaultSectionSize()
                           + frame + scrollBar);
    QSize size = sizeHint() + (wanted - m_grid->sizeHint());
    if (const QScreen *shown = screen())
        size = size.boundedTo(shown->availableGeometry().size() * 9 / 10);
    resize(size.expandedTo(minimumSizeHint()));
}

bool StatementImportDialog::replan(const std::vector<bool> &leftOut,
                                   const std::vector<bool> &takeUncertain) {
    auto plan = core::PlanStatementImport(m_state.table(), m_statements, leftOut, m_references,
                                          takeUncertain);
    if (!plan) {
        m_state.ui().showFailure(QString::fromStdString(plan.error().message));
        return false;
    }
    m_leftOut = leftOut;
    m_takeUncertain = takeUncertain;
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
    replan(leftOut, m_takeUncertain);
}

void StatementImportDialog::takeUncertain(int row, bool take) {
    std::vector<bool> taken = m_takeUncertain;
    taken.at(static_cast<std::size_t>(row)) = take;
    replan(m_leftOut, taken);
}

void StatementImportDialog::showBalances() {
    const bool known = m_plan.closingBalance.has_value();
    m_closing->setText(known ? euro(*m_plan.closingBalance) : QStringLiteral("nicht angegeben"));
    // An older statement is compared with the balance of its own day.
    m_bookBalanceCaption->setText(
        m_plan.closingDate ? QStringLiteral("Kontostand am %1 nach dem Import:")
                                 .arg(QString::fromStdString(core::FormatDate(*m_plan.closingDate)))
                           : QStringLiteral("Kontostand nach dem Import:"));
    m_bookBalance->setText(euro(m_plan.bookBalanceAtClosing));
    const bool differs = known && *m_plan.closingBalance != m_plan.bookBalanceAtClosing;
    // Red alone would not reach everyone; the difference is written out as well.
    for (QLabel *label : {m_bookBalance, m_difference, m_differenceCaption})
        setRed(label, differs);
    m_difference->setVisible(differs);
    m_differenceCaption->setVisible(differs);
    if (differs) {
        // Both lie within 64 bits, their difference may not; no real account comes near.
        constexpr core::Int128 lowest = std::numeric_limits<std::int64_t>::min();
        constexpr core::Int128 highest = std::numeric_limits<std::int64_t>::max();
        const core::Int128 difference =
            core::Int128{*m_plan.closingBalance} - m_plan.bookBalanceAtClosing;
        m_difference->setText(
            euro(static_cast<std::int64_t>(std::clamp(difference, lowest, highest))));
    }
}

void StatementImportDialog::compareAccounts() {
    const core::Settings &own = m_state.settings();
    m_ofOtherAccount = std::any_of(
        m_statements.begin(), m_statements.end(), [&own](const core::Statement &statement) {
            return core::MatchOwnAccount(statement.accountId,
                                         {own.bankCode, own.accountNumber, own.iban})
                   == core::AccountMatch::Other;
        });
    QString ownAccount = QStringLiteral("Konto %1").arg(QString::fromStdString(own.accountNumber));
    if (!own.iban.empty())
        ownAccount = QStringLiteral("IBAN %1").arg(QString::fromStdString(own.iban));
    else if (!own.bankCode.empty())
        ownAccount += QStringLiteral(", BLZ %1").arg(QString::fromStdString(own.bankCode));
    m_otherAccount->setText(
        QStringLiteral("Achtung: Der Kontoauszug gehört nicht zum Konto dieser Kontodatei (%1).")
            .arg(ownAccount));
    m_otherAccount->setVisible(m_ofOtherAccount);
    setRed(m_account, m_ofOtherAccount);
}

bool StatementImportDialog::eventFilter(QObject *watched, QEvent *event) {
    // The box is ticked from any cell of the row, not only from its own.
    if (watched == m_grid && event->type() == QEvent::KeyPress
        && static_cast<QKeyEvent *>(event)->key() == Qt::Key_Space) {
        const QModelIndex current = m_grid->currentIndex();
        if (current.isValid()
            && m_model->step(current.row()).action != core::ImportAction::Pending) {
            const bool left = m_leftOut.at(static_cast<std::size_t>(current.row()));
            leaveOut(current.row(), !left);
        }
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

void StatementImportDialog::book() {
    if (m_ofOtherAccount
        && m_state.ui().askYesNo(
               QStringLiteral("Der Kontoauszug gehört zu einem anderen Konto als diese Kontodatei. "
                              "Sollen seine Buchungen trotzdem übernommen werden?"),
               platform::Answer::No)
               != platform::Answer::Yes)
        return;
    // A full table or a file that cannot be written refuses all of it; the preview stays, so
    // that the user can try again or cancel.
    if (!widgets::RunCommand(m_state.ui(), [this] {
            return m_state.account().applyImport(m_plan, m_state.clock().today());
        }))
        return;
    if (!platform::RememberImport(m_state.store(), m_state.currentFile(), m_plan))
        platform::ShowError(m_state.ui(), ErrorRememberStatementDate,
                            QStringLiteral("Registry Fehler"));
    accept();
}

} // namespace penvaro::import
