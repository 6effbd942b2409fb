#pragma once

#include "core/accountregister.h"

#include <QAbstractTableModel>

namespace penvaro::ledger {

// The account files the program has opened, a row each: name, account number, last known
// balance and file name.
class AccountRegisterModel : public QAbstractTableModel {
    Q_OBJECT

public:
    static constexpr int columnWidths[] = {200, 75, 100, 300};

    explicit AccountRegisterModel(QObject *parent = nullptr);

    void setRegister(core::AccountRegister accounts);
    const core::AccountRegister &accounts() const { return m_accounts; }
    // The entry in the row; none outside the list.
    const core::RegisterEntry *entryAt(int row) const;

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    core::AccountRegister m_accounts;
};

} // namespace penvaro::ledger
