#pragma once

#include "core/bankcodelist.h"

#include <QAbstractTableModel>

#include <vector>

namespace penvaro::payments {

// The bank offices a search found: code, name, postal code and place. The list always ends in
// one empty row, which stands for no office.
class BankOfficesModel : public QAbstractTableModel {
    Q_OBJECT

public:
    struct Column {
        const char16_t *title;
        int width;
    };
    static const std::vector<Column> &columns();

    using QAbstractTableModel::QAbstractTableModel;

    void setOffices(std::vector<core::BankOffice> offices);
    // The office in the row; none for the empty row.
    const core::BankOffice *officeAt(int row) const;

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    std::vector<core::BankOffice> m_offices;
};

} // namespace penvaro::payments
