#include "yearreportmodel.h"

#include "core/date.h"

namespace penvaro::report {
namespace {

constexpr int Columns = 14;

} // namespace

QString MonthName(int month) {
    const std::string_view name = core::MonthName(month);
    return QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size()));
}

YearReportModel::YearReportModel(QObject *parent)
    : QAbstractTableModel(parent) {}

void YearReportModel::setReport(core::YearReport report, const ledger::AmountDisplay &amounts) {
    beginResetModel();
    m_report = std::move(report);
    m_texts.clear();
    for (int row = 0; row <= static_cast<int>(m_report.rows.size()); ++row) {
        const core::YearReportRow &r = rowAt(row);
        m_texts.push_back(isSumRow(row) ? QStringLiteral("Summe") : QString::fromStdString(r.name));
        for (const std::int64_t amount : r.months)
            m_texts.push_back(amounts.sum(amount));
        m_texts.push_back(amounts.sum(r.total));
    }
    endResetModel();
}

void YearReportModel::clear() {
    beginResetModel();
    m_report.rows.clear();
    m_report.sum = {};
    m_texts.clear();
    endResetModel();
}

bool YearReportModel::isSumRow(int row) const {
    return row == static_cast<int>(m_report.rows.size());
}

const core::YearReportRow &YearReportModel::rowAt(int row) const {
    return isSumRow(row) ? m_report.sum : m_report.rows.at(static_cast<std::size_t>(row));
}

std::optional<std::string> YearReportModel::groupOf(int row) const {
    if (isSumRow(row))
        return std::nullopt;
    return rowAt(row).name;
}

std::optional<int> YearReportModel::monthOf(int column) const {
    if (column <= NameColumn || column >= YearColumn)
        return std::nullopt;
    return column;
}

std::int64_t YearReportModel::amountAt(int row, int column) const {
    const core::YearReportRow &r = rowAt(row);
    const auto month = monthOf(column);
    return month ? r.months.at(static_cast<std::size_t>(*month - 1)) : r.total;
}

int YearReportModel::rowCount(const QModelIndex &parent) const {
    return parent.isValid() || m_texts.empty() ? 0 : static_cast<int>(m_report.rows.size()) + 1;
}

int YearReportModel::columnCount(const QModelIndex &parent) const {
    return parent.isValid() ? 0 : Columns;
}

QVariant YearReportModel::data(const QModelIndex &index, int role) const {
    if (!index.isValid() || m_texts.empty())
        return {};
    switch (role) {
    case Qt::DisplayRole:
        return m_texts.at(static_cast<std::size_t>(index.row() * Columns + index.column()));
    case Qt::TextAlignmentRole:
        return index.column() == NameColumn ? QVariant(Qt::AlignLeft | Qt::AlignVCenter)
                                            : QVariant(Qt::AlignRight | Qt::AlignVCenter);
    default:
        return {};
    }
}

QVariant YearReportModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal)
        return {};
    if (role == Qt::DisplayRole) {
        if (section == NameColumn)
            return m_report.grouping == core::ReportGrouping::Category
                       ? QStringLiteral("Art/Kategorie")
                       : QStringLiteral("Absender/Empfänger");
        if (section == YearColumn)
            return QStringLiteral("Jahr");
        return MonthName(section).left(3);
    }
    if ((role == Qt::ToolTipRole || role == Qt::AccessibleTextRole) && monthOf(section))
        return MonthName(section);
    if (role == Qt::TextAlignmentRole)
        return section == NameColumn ? QVariant(Qt::AlignLeft | Qt::AlignVCenter)
                                     : QVariant(Qt::AlignRight | Qt::AlignVCenter);
    return {};
}

} // namespace penvaro::report
