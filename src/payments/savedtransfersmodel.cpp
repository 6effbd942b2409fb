#include "savedtransfersmodel.h"

#include "core/iban.h"

namespace penvaro::payments {

const std::vector<SavedTransfersModel::Column> &SavedTransfersModel::columns() {
    static const std::vector<Column> all = {
        {u"Empfänger", 110},   {u"Kontonummer", 70},  {u"Bankleitzahl", 60},
        {u"Verwendung 1", 85}, {u"Verwendung 2", 85}, {u"Währung", 25},
        {u"Betrag", 65},       {u"IBAN", 170},        {u"BIC", 85},
    };
    return all;
}

SavedTransfersModel::SavedTransfersModel(const core::SavedTransferList &list, QObject *parent)
    : QAbstractTableModel(parent)
    , m_list(list) {}

void SavedTransfersModel::reload() {
    beginResetModel();
    endResetModel();
}

int SavedTransfersModel::rowCount(const QModelIndex &parent) const {
    return parent.isValid() ? 0 : static_cast<int>(m_list.records.size());
}

int SavedTransfersModel::columnCount(const QModelIndex &parent) const {
    return parent.isValid() ? 0 : static_cast<int>(columns().size());
}

QVariant SavedTransfersModel::data(const QModelIndex &index, int role) const {
    if (role != Qt::DisplayRole || !index.isValid() || index.row() >= rowCount())
        return {};
    const core::SavedTransferRecord &r = m_list.records[static_cast<std::size_t>(index.row())];
    if (r.Formular == core::SepaTemplateForm)
        return sepaData(core::SepaTemplateOf(r), index.column());
    switch (index.column()) {
    case 0:
        return QString::fromStdString(r.Empfaenger.toUtf8());
    case 1:
        return QString::fromStdString(r.EmpfaengerKontonr.toUtf8());
    case 2:
        return QString::fromStdString(r.EmpfaengerBLZ.toUtf8());
    case 3:
        return QString::fromStdString(r.Verwendung1.toUtf8());
    case 4:
        return QString::fromStdString(r.Verwendung2.toUtf8());
    case 5:
        return QString::fromStdString(r.Waehrung.toUtf8());
    case 6:
        return QString::fromStdString(r.BetragText.toUtf8());
    default:
        return {};
    }
}

QVariant SavedTransfersModel::sepaData(const core::SepaTemplate &sepa, int column) {
    // A SEPA transfer has no account number or bank code; its texts are the longer ones.
    switch (column) {
    case 0:
        return QString::fromStdString(sepa.name);
    case 3:
        return QString::fromStdString(sepa.purpose);
    case 5:
        return QStringLiteral("EUR");
    case 6:
        return QString::fromStdString(sepa.amount);
    case IbanColumn:
        return QString::fromStdString(core::IbanInGroups(sepa.iban));
    case BicColumn:
        return QString::fromStdString(sepa.bic);
    default:
        return {};
    }
}

QVariant SavedTransfersModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0
        || section >= columnCount())
        return {};
    return QString::fromUtf16(columns()[static_cast<std::size_t>(section)].title);
}

} // namespace penvaro::payments
