#include "accountregistermodel.h"

#include "core/amounttext.h"
#include "widgets/localeseparators.h"

#include <iterator>

namespace penvaro::ledger {
namespace {

constexpr int balanceColumn = 2;

} // namespace

AccountRegisterModel::AccountRegisterModel(QObject *parent)
    : QAbstractTableModel(parent) {}

void AccountRegisterModel::setRegister(core::AccountRegister accounts) {
    beginResetModel();
    m_accounts = std::move(accounts);
    endResetModel();
}

const core::RegisterEntry *AccountRegisterModel::entryAt(int row) const {
    if (row < 0 || row >= static_cast<int>(m_accounts.entries.size()))
        return nullptr;
    return &m_accounts.entries[static_cast<std::size_t>(row)];
}

int AccountRegisterModel::rowCount(const QModelIndex &parent) const {
    return parent.isValid() ? 0 : static_cast<int>(m_accounts.entries.size());
}

int AccountRegisterModel::columnCount(const QModelIndex &parent) const {
    return parent.isValid() ? 0 : static_cast<int>(std::size(columnWidths));
}

QVariant AccountRegisterModel::data(const QModelIndex &index, int role) const {
    const core::RegisterEntry *entry = index.isValid() ? entryAt(index.row()) : nullptr;
    if (!entry)
        return {};
    if (role == Qt::TextAlignmentRole) {
        const Qt::Alignment horizontal =
            index.column() == balanceColumn ? Qt::AlignRight : Qt::AlignLeft;
        return QVariant::fromValue(horizontal | Qt::AlignVCenter);
    }
    if (role != Qt::DisplayRole)
        return {};
    switch (index.column()) {
    case 0:
        return QString::fromStdString(entry->Kontobezeichnung.toUtf8());
    case 1:
        return QString::fromStdString(entry->Kontonummer.toUtf8());
    case balanceColumn:
        return QString::fromStdString(core::FormatEuroText(
            entry->Kontostand, widgets::LocaleSeparators(), core::SignificantDigits::Overview));
    case 3:
        return QString::fromStdString(entry->Dateiname.toUtf8());
    default:
        return {};
    }
}

QVariant AccountRegisterModel::headerData(int section, Qt::Orientation orientation,
                                          int role) const {
    static const char *const headers[] = {"Kontobezeichnung", "Kontonummer", "Kontostand",
                                          "Dateiname"};
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0
        || section >= columnCount())
        return {};
    return QString::fromLatin1(headers[section]);
}

} // namespace penvaro::ledger
