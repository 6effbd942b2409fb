#include "bankofficesmodel.h"

#include <iterator>

namespace penvaro::payments {

const std::vector<BankOfficesModel::Column> &BankOfficesModel::columns() {
    static const std::vector<Column> all = {
        {u"Bankleitzahl", 64},
        {u"Bankname", 250},
        {u"PLZ", 40},
        {u"Ort", 120},
    };
    return all;
}

void BankOfficesModel::setOffices(std::vector<core::BankOffice> offices) {
    beginResetModel();
    m_offices = std::move(offices);
    endResetModel();
}

const core::BankOffice *BankOfficesModel::officeAt(int row) const {
    if (row < 0 || row >= static_cast<int>(m_offices.size()))
        return nullptr;
    return &m_offices[static_cast<std::size_t>(row)];
}

int BankOfficesModel::rowCount(const QModelIndex &parent) const {
    return parent.isValid() ? 0 : static_cast<int>(m_offices.size()) + 1;
}

int BankOfficesModel::columnCount(const QModelIndex &parent) const {
    return parent.isValid() ? 0 : static_cast<int>(columns().size());
}

QVariant BankOfficesModel::data(const QModelIndex &index, int role) const {
    if (role != Qt::DisplayRole || !index.isValid())
        return {};
    const core::BankOffice *office = officeAt(index.row());
    if (!office)
        return QString();
    const std::string *fields[] = {&office->Bankleitzahl, &office->Bankname, &office->PLZ,
                                   &office->Ort};
    const auto col = static_cast<std::size_t>(index.column());
    return col < std::size(fields) ? QString::fromStdString(*fields[col]) : QString();
}

QVariant BankOfficesModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0
        || section >= columnCount())
        return {};
    return QString::fromUtf16(columns()[static_cast<std::size_t>(section)].title);
}

} // namespace penvaro::payments
