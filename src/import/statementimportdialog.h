#pragma once

#include "core/statement.h"
#include "core/statementimport.h"

#include <QDialog>

#include <set>
#include <string>
#include <vector>

class QLabel;
class QPushButton;
class QTableView;

namespace penvaro::platform {
class AppState;
} // namespace penvaro::platform

namespace penvaro::import {

class ImportPreviewModel;

// "Kontoauszug importieren": shows what a bank statement file would do to the open account,
// entry by entry, lets the user leave entries out, and compares the statement's closing
// balance with the book balance the import leaves on the closing balance's day. Nothing is written
// before "Importieren"; then all of it is, or nothing.
class StatementImportDialog : public QDialog {
    Q_OBJECT

public:
    explicit StatementImportDialog(platform::AppState &state, QWidget *parent = nullptr);

    // Reads the statement file and shows the preview modally. A file that cannot be read or
    // planned is refused with its message and no preview. Returns Accepted when the entries
    // were booked.
    int importFile(const QString &path);

    const core::ImportPlan &plan() const { return m_plan; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // Plans anew with the given entries left out; keeps the plan that stands when that fails.
    bool replan(const std::vector<bool> &leftOut, const std::vector<bool> &takeUncertain);
    void leaveOut(int row, bool leaveOut);
    void takeUncertain(int row, bool take);
    void showBalances();
    // Warns when the statement names another account than the file's own account data.
    void compareAccounts();
    // Sizes the dialog to show every column whole and as many rows as sensible.
    void fitToEntries();
    void book();

    platform::AppState &m_state;
    std::vector<core::Statement> m_statements;
    std::set<std::string> m_references; // of the entries imported before
    std::vector<bool> m_leftOut;
    std::vector<bool> m_takeUncertain;
    core::ImportPlan m_plan;
    ImportPreviewModel *m_model = nullptr;
    QTableView *m_grid = nullptr;
    QLabel *m_file = nullptr;
    QLabel *m_account = nullptr;
    QLabel *m_otherAccount = nullptr;
    QLabel *m_closing = nullptr;
    QLabel *m_bookBalance = nullptr;
    QLabel *m_bookBalanceCaption = nullptr;
    QLabel *m_difference = nullptr;
    QLabel *m_differenceCaption = nullptr;
    QPushButton *m_import = nullptr;
    bool m_ofOtherAccount = false;
};

} // namespace penvaro::import
