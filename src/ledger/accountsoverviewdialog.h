#pragma once

#include "core/accountregister.h"

#include <QDialog>

#include <cstdint>
#include <filesystem>
#include <map>
#include <string>
#include <utility>

class QLabel;
class QTableView;

namespace penvaro::platform {
class AppState;
} // namespace penvaro::platform

namespace penvaro::ledger {

class AccountRegisterModel;

// The accounts overview: every account file the program has opened, with its last known
// balance and the total of all. A row opens its file; deleting a row forgets the entry only.
class AccountsOverviewDialog : public QDialog {
    Q_OBJECT

public:
    AccountsOverviewDialog(platform::AppState &state, QWidget *parent = nullptr);

    // Reads the register and shows it with the total; a closed file changed since its balance
    // was read here (by penvaro-cli import, say) is read again for its balance.
    void refill();
    void openCurrentRow();
    void deleteCurrentRow();

    const core::AccountRegister &accounts() const;

Q_SIGNALS:
    // "Drucken": the main window prints the register as the table shows it.
    void printRequested();

protected:
    void keyReleaseEvent(QKeyEvent *event) override;

private:
    void readChangedBalances(core::AccountRegister &accounts);

    platform::AppState &m_state;
    // Each closed file as its balance was last read: its time of change and size.
    std::map<std::string, std::pair<std::filesystem::file_time_type, std::uintmax_t>> m_read;
    AccountRegisterModel *m_model;
    QTableView *m_table;
    QLabel *m_saldo;
};

} // namespace penvaro::ledger
