#pragma once

#include "core/accountregister.h"

#include <QDialog>

class QLabel;

namespace penvaro::platform {
class AppState;
} // namespace penvaro::platform

namespace penvaro::widgets {
class StringGrid;
} // namespace penvaro::widgets

namespace penvaro::ledger {

// The accounts overview: every account file the program has opened, with its last known
// balance and the total of all. A row opens its file; deleting a row forgets the entry only.
class AccountsOverviewDialog : public QDialog {
    Q_OBJECT

public:
    AccountsOverviewDialog(platform::AppState &state, QWidget *parent = nullptr);

    // Reads the register and fills the grid and the total.
    void refill();
    void fillAccountsOverview();
    void openCurrentRow();
    void deleteCurrentRow();

    const core::AccountRegister &accounts() const { return m_accounts; }

Q_SIGNALS:
    // "Drucken": the main window prints the register as the grid shows it.
    void printRequested();

protected:
    void keyReleaseEvent(QKeyEvent *event) override;

private:
    platform::AppState &m_state;
    core::AccountRegister m_accounts;
    widgets::StringGrid *m_grid;
    QLabel *m_saldo;
};

} // namespace penvaro::ledger
