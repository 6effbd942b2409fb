#include "bookinglistmodel.h"

#include "core/bookingtexts.h"
#include "core/cp1252.h"
#include "core/date.h"
#include "widgets/widesttext.h"

#include <algorithm>
#include <optional>

namespace penvaro::ledger {
namespace {

QString dateText(double dayCount) {
    if (!core::CivilFromDayCount(dayCount))
        return {};
    return QString::fromStdString(core::FormatDate(dayCount));
}

// The text of a record in a column; a date that has no calendar day leaves its cell empty.
QString cellText(LedgerColumn column, const core::BookingRecord &r, const AmountDisplay &amounts) {
    switch (column) {
    case LedgerColumn::Auszugsnr:
        return QStringLiteral("%1 / %2").arg(r.Auszugsnr).arg(r.Auszugsjahr);
    case LedgerColumn::Auszugsdatum:
        return dateText(r.Auszugsdatum);
    case LedgerColumn::Wertdatum:
        return dateText(r.Wertdatum);
    case LedgerColumn::Art:
        return QString::fromStdString(core::CategoryText(r));
    case LedgerColumn::Absender:
        return QString::fromStdString(core::PartyText(r));
    case LedgerColumn::Verwendungszweck:
        return QString::fromStdString(core::PurposeText(r));
    case LedgerColumn::Buchungsdatum:
        return dateText(r.Buchungsdatum);
    case LedgerColumn::SollHaben:
        return QString(QChar(r.SollHaben));
    case LedgerColumn::Betrag:
        return amounts.amountCell(r.Betrag);
    case LedgerColumn::Kontostand:
        break;
    }
    return {};
}

int digitCount(unsigned value) {
    int digits = 1;
    for (; value >= 10; value /= 10)
        ++digits;
    return digits;
}

std::int64_t widthOf(std::string_view cp1252, const BookingListModel::CharWidths &widths) {
    std::int64_t width = 0;
    for (const char c : cp1252)
        width += widths[static_cast<unsigned char>(c)];
    return width;
}

// How wide a cell's text will be, or a stand-in that orders as that width does, in a column
// that keeps its whole text and is not found by its extreme amounts.
std::int64_t widthOf(LedgerColumn column, const core::BookingRecord &r,
                     const BookingListModel::CharWidths &widths) {
    switch (column) {
    case LedgerColumn::Auszugsnr:
        return digitCount(r.Auszugsnr) + digitCount(r.Auszugsjahr);
    case LedgerColumn::Auszugsdatum:
        return core::CivilFromDayCount(r.Auszugsdatum) ? 1 : 0;
    case LedgerColumn::Wertdatum:
        return core::CivilFromDayCount(r.Wertdatum) ? 1 : 0;
    case LedgerColumn::Buchungsdatum:
        return core::CivilFromDayCount(r.Buchungsdatum) ? 1 : 0;
    case LedgerColumn::Art:
        return r.details ? widthOf(core::Utf8ToCp1252(core::CategoryText(r)), widths)
                         : widthOf(std::string_view(
                                       reinterpret_cast<const char *>(r.Buchungsart.chars.data()),
                                       r.Buchungsart.usedLength()),
                                   widths);
    // Free text and the direction may be cut, so none of them is measured; amounts and
    // balances are found by their extremes.
    case LedgerColumn::Absender:
    case LedgerColumn::Verwendungszweck:
    case LedgerColumn::SollHaben:
    case LedgerColumn::Betrag:
    case LedgerColumn::Kontostand:
        break;
    }
    return 1;
}

// An amount's text grows with its magnitude, in euro as in the national currency, and a sign
// adds to it: the largest and the smallest amount have the longest texts between them.
template<typename AmountAt>
std::vector<int> extremeRows(std::size_t rows, AmountAt amountAt) {
    std::vector<int> found;
    std::size_t largest = rows;
    std::size_t smallest = rows;
    for (std::size_t row = 0; row < rows; ++row) {
        const auto amount = amountAt(row);
        if (!amount)
            continue;
        if (largest == rows || *amount > *amountAt(largest))
            largest = row;
        if (smallest == rows || *amount < *amountAt(smallest))
            smallest = row;
    }
    for (const std::size_t row : {largest, smallest}) {
        if (row != rows)
            found.push_back(static_cast<int>(row));
    }
    return found;
}

} // namespace

BookingListModel::BookingListModel(const core::BookingTable &table, core::Listing listing,
                                   QObject *parent)
    : QAbstractTableModel(parent)
    , m_table(table)
    , m_listing(listing)
    , m_amounts(core::Settings{}) {}

void BookingListModel::reload(const core::Settings &settings, std::vector<std::int64_t> balances) {
    beginResetModel();
    m_amounts = AmountDisplay(settings);
    m_columns = m_listing == core::Listing::Planned ? widgets::PlannedColumns(settings)
                                                    : widgets::CompletedColumns(settings);
    m_slots = core::ListedSlots(m_table, m_listing);
    m_balances = std::move(balances);
    endResetModel();
}

int BookingListModel::columnOf(LedgerColumn column) const {
    for (std::size_t i = 0; i < m_columns.size(); ++i) {
        if (m_columns[i].column == column)
            return static_cast<int>(i);
    }
    return -1;
}

int BookingListModel::slotAt(int row) const {
    if (row < 0 || row >= listedCount())
        return 0;
    return m_slots[static_cast<std::size_t>(row)];
}

int BookingListModel::rowOf(int slot) const {
    const auto found = std::find(m_slots.begin(), m_slots.end(), slot);
    return found == m_slots.end() || slot == 0 ? -1 : static_cast<int>(found - m_slots.begin());
}

int BookingListModel::rowCount(const QModelIndex &parent) const {
    return parent.isValid() ? 0 : std::max(listedCount(), 1);
}

int BookingListModel::columnCount(const QModelIndex &parent) const {
    return parent.isValid() ? 0 : static_cast<int>(m_columns.size());
}

QString BookingListModel::text(int row, int col) const {
    const int slot = slotAt(row);
    if (slot == 0)
        return {};
    const LedgerColumn column = m_columns[static_cast<std::size_t>(col)].column;
    if (column == LedgerColumn::Kontostand) {
        const auto at = static_cast<std::size_t>(row);
        return at < m_balances.size() ? m_amounts.balanceCell(m_balances[at]) : QString();
    }
    const core::BookingRecord &record = m_table.slot(slot);
    // The start value has no texts or dates of its own: its name stands in the first column.
    if (record.Satzart == core::BookingKind::StartValue)
        return col == 0 ? QStringLiteral("Startwert") : QString();
    return cellText(column, record, m_amounts);
}

std::vector<int> BookingListModel::widestTextRows(int col, const CharWidths &widths) const {
    const LedgerColumn column = m_columns[static_cast<std::size_t>(col)].column;
    if (column == LedgerColumn::Kontostand) {
        return extremeRows(m_balances.size(), [this](std::size_t row) {
            return std::optional<std::int64_t>(m_balances[row]);
        });
    }
    const auto isStart = [this](std::size_t row) {
        return m_table.slot(m_slots[row]).Satzart == core::BookingKind::StartValue;
    };
    std::vector<int> rows;
    if (column == LedgerColumn::Betrag) {
        rows = extremeRows(m_slots.size(), [&](std::size_t row) {
            return isStart(row) ? std::nullopt
                                : std::optional<std::int64_t>(m_table.slot(m_slots[row]).Betrag);
        });
    } else {
        widgets::WidestCandidates widest;
        for (std::size_t row = 0; row < m_slots.size(); ++row) {
            if (!isStart(row))
                widest.offer(static_cast<int>(row),
                             widthOf(column, m_table.slot(m_slots[row]), widths));
        }
        rows = std::move(widest).indices();
    }
    // The start value's name stands in the first column.
    if (col == 0) {
        for (std::size_t row = 0; row < m_slots.size(); ++row) {
            if (isStart(row)) {
                rows.push_back(static_cast<int>(row));
                break;
            }
        }
    }
    return rows;
}

QVariant BookingListModel::data(const QModelIndex &index, int role) const {
    if (!index.isValid() || index.column() >= columnCount())
        return {};
    switch (role) {
    case Qt::DisplayRole:
        return text(index.row(), index.column());
    case Qt::TextAlignmentRole:
        return QVariant::fromValue(m_columns[static_cast<std::size_t>(index.column())].alignment
                                   | Qt::AlignVCenter);
    default:
        return {};
    }
}

QVariant BookingListModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || section < 0 || section >= columnCount())
        return {};
    switch (role) {
    case Qt::DisplayRole:
        return m_columns[static_cast<std::size_t>(section)].header;
    case Qt::TextAlignmentRole:
        return QVariant::fromValue(Qt::Alignment(Qt::AlignHCenter | Qt::AlignVCenter));
    default:
        return {};
    }
}

} // namespace penvaro::ledger
