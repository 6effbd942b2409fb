#pragma once

#include "core/savedtransferfile.h"
#include "core/sepatemplate.h"

#include <QAbstractTableModel>

#include <vector>

namespace penvaro::payments {

// The saved transfers of the open account file, a row each: recipient, account, bank code, the
// two purpose lines, currency and amount as they were typed, and a SEPA transfer's IBAN and BIC.
class SavedTransfersModel : public QAbstractTableModel {
    Q_OBJECT

public:
    struct Column {
        const char16_t *title;
        int width;
    };
    static const std::vector<Column> &columns();
    static constexpr int IbanColumn = 7;
    static constexpr int BicColumn = 8;

    explicit SavedTransfersModel(const core::SavedTransferList &list, QObject *parent = nullptr);

    // The list was read or changed: every row is shown afresh.
    void reload();

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    static QVariant sepaData(const core::SepaTemplate &sepa, int column);

    const core::SavedTransferList &m_list;
};

} // namespace penvaro::payments
