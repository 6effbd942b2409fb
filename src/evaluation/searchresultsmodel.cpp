#include "searchresultsmodel.h"

#include <QFont>

#include <algorithm>

namespace penvaro::evaluation {
namespace {

std::vector<QString> texts(const std::vector<std::string> &cells) {
    std::vector<QString> row;
    row.reserve(cells.size());
    for (const std::string &cell : cells)
        row.push_back(QString::fromStdString(cell));
    return row;
}

} // namespace

SearchResultsModel::SearchResultsModel(QObject *parent)
    : QAbstractTableModel(parent) {}

void SearchResultsModel::setColumns(const core::Settings &settings) {
    beginResetModel();
    m_columns = widgets::CompletedColumns(settings);
    std::erase_if(m_columns, [](const widgets::ShownColumn &shown) {
        return shown.column == widgets::LedgerColumn::Kontostand;
    });
    m_slots.clear();
    m_rows.clear();
    m_planned.clear();
    endResetModel();
}

void SearchResultsModel::clear() {
    beginResetModel();
    m_slots.clear();
    m_rows.clear();
    m_planned.clear();
    endResetModel();
}

bool SearchResultsModel::isPlanned(int row) const {
    return row >= 0 && static_cast<std::size_t>(row) < m_planned.size()
           && m_planned[static_cast<std::size_t>(row)];
}

void SearchResultsModel::setResult(const core::BookingTable &table,
                                   const core::SearchResult &result,
                                   const core::EvaluationLayout &layout) {
    beginResetModel();
    m_slots = result.matches;
    m_rows.clear();
    m_planned.clear();
    for (int slot : m_slots) {
        const core::BookingRecord &record = table.slot(slot);
        std::vector<std::string> cells = core::EvaluationRowCells(record, layout);
        // The start value looks as in the ledger: its name in the first column, no texts or
        // dates, only what it adds to the sum.
        if (record.Satzart == core::BookingKind::StartValue) {
            std::fill(cells.begin(), cells.end() - 2, std::string());
            cells.front() = "Startwert";
        }
        m_rows.push_back(texts(cells));
        m_planned.push_back(record.Satzart == core::BookingKind::Planned);
    }
    endResetModel();
}

int SearchResultsModel::rowCount(const QModelIndex &parent) const {
    return parent.isValid() ? 0 : std::max(static_cast<int>(m_rows.size()), 1);
}

int SearchResultsModel::columnCount(const QModelIndex &parent) const {
    return parent.isValid() ? 0 : static_cast<int>(m_columns.size());
}

QVariant SearchResultsModel::data(const QModelIndex &index, int role) const {
    if (!index.isValid() || index.column() >= columnCount())
        return {};
    const auto col = static_cast<std::size_t>(index.column());
    if (role == Qt::TextAlignmentRole)
        return QVariant::fromValue(m_columns[col].alignment | Qt::AlignVCenter);
    if (isPlanned(index.row())) {
        if (role == Qt::FontRole) {
            QFont italic;
            italic.setItalic(true);
            return italic;
        }
        if (role == Qt::ToolTipRole || role == Qt::AccessibleDescriptionRole)
            return QStringLiteral("Geplante Buchung, noch nicht gebucht");
    }
    if (role != Qt::DisplayRole)
        return {};
    const auto row = static_cast<std::size_t>(index.row());
    if (row >= m_rows.size() || col >= m_rows[row].size())
        return QString();
    return m_rows[row][col];
}

QVariant SearchResultsModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || section < 0 || section >= columnCount())
        return {};
    if (role == Qt::TextAlignmentRole)
        return QVariant::fromValue(Qt::Alignment(Qt::AlignHCenter | Qt::AlignVCenter));
    if (role == Qt::DisplayRole)
        return m_columns[static_cast<std::size_t>(section)].header;
    return {};
}

} // namespace penvaro::evaluation
