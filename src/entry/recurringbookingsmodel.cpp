#include "recurringbookingsmodel.h"

#include "core/amounttext.h"
#include "core/bookingtexts.h"
#include "core/date.h"
#include "widgets/localeseparators.h"

namespace penvaro::entry {
namespace {

constexpr int DirectionColumn = 6;

QString Text(const std::string &utf8) {
    return QString::fromStdString(utf8);
}

} // namespace

const std::vector<RecurringBookingsModel::Column> &RecurringBookingsModel::columns() {
    static const std::vector<Column> all = {
        {u"Ausführungstag", 95, Qt::AlignHCenter},
        {u"alle ... Monate", 70, Qt::AlignHCenter},
        {u"1. Ausführungstag", 90, Qt::AlignHCenter},
        {u"Buchungsart", 75, Qt::AlignHCenter},
        {u"Absender", 140, Qt::AlignLeft},
        {u"Verwendungszweck", 140, Qt::AlignLeft},
        {u"+/-", 20, Qt::AlignHCenter},
        {u"Betrag", 90, Qt::AlignRight},
    };
    return all;
}

RecurringBookingsModel::RecurringBookingsModel(const core::BookingTable &table, QObject *parent)
    : QAbstractTableModel(parent)
    , m_table(table) {}

void RecurringBookingsModel::reload(const QFont &font) {
    beginResetModel();
    m_bold = font;
    m_bold.setBold(true);
    m_slots = core::ListedSlots(m_table, core::Listing::Recurring);
    endResetModel();
}

int RecurringBookingsModel::slotAt(int row) const {
    if (row < 0 || row >= listedCount())
        return 0;
    return m_slots[static_cast<std::size_t>(row)];
}

int RecurringBookingsModel::rowCount(const QModelIndex &parent) const {
    return parent.isValid() ? 0 : std::max(listedCount(), 1);
}

int RecurringBookingsModel::columnCount(const QModelIndex &parent) const {
    return parent.isValid() ? 0 : static_cast<int>(columns().size());
}

QString RecurringBookingsModel::text(const core::BookingRecord &r, int column) const {
    switch (column) {
    case 0:
        return QString::number(r.Auszugsnr) + QStringLiteral(". im Monat");
    case 1:
        return QString::number(r.Auszugsjahr);
    case 2:
        return core::CivilFromDayCount(r.Wertdatum) ? Text(core::FormatDate(r.Wertdatum))
                                                    : QString();
    case 3:
        return Text(core::CategoryText(r));
    case 4:
        return Text(core::PartyText(r));
    case 5:
        return Text(core::PurposeText(r));
    case DirectionColumn:
        return QString(QChar(r.SollHaben));
    default:
        return Text(core::FormatEuroText(r.Betrag, widgets::LocaleSeparators(),
                                         core::SignificantDigits::Cell));
    }
}

QVariant RecurringBookingsModel::data(const QModelIndex &index, int role) const {
    if (!index.isValid() || index.column() >= columnCount())
        return {};
    switch (role) {
    case Qt::DisplayRole: {
        const int slot = slotAt(index.row());
        return slot == 0 ? QString() : text(m_table.slot(slot), index.column());
    }
    case Qt::TextAlignmentRole:
        return QVariant::fromValue(columns()[static_cast<std::size_t>(index.column())].alignment
                                   | Qt::AlignVCenter);
    case Qt::FontRole:
        return index.column() == DirectionColumn ? QVariant(m_bold) : QVariant();
    default:
        return {};
    }
}

QVariant RecurringBookingsModel::headerData(int section, Qt::Orientation orientation,
                                            int role) const {
    if (orientation != Qt::Horizontal || section < 0 || section >= columnCount())
        return {};
    if (role == Qt::TextAlignmentRole)
        return QVariant::fromValue(Qt::Alignment(Qt::AlignHCenter | Qt::AlignVCenter));
    if (role == Qt::DisplayRole)
        return QString::fromUtf16(columns()[static_cast<std::size_t>(section)].title);
    return {};
}

} // namespace penvaro::entry
