#pragma once

#include "core/yearreport.h"
#include "ledger/amountdisplay.h"

#include <QAbstractTableModel>

#include <optional>
#include <string>

namespace penvaro::report {

// The year's report as a table: a row per group and the sum row "Summe", the group's name, the
// twelve months and the year. A cell knows the bookings it sums: its group and its month.
class YearReportModel : public QAbstractTableModel {
    Q_OBJECT

public:
    static constexpr int NameColumn = 0;
    static constexpr int YearColumn = 13;

    explicit YearReportModel(QObject *parent = nullptr);

    void setReport(core::YearReport report, const ledger::AmountDisplay &amounts);
    // No rows at all, not even the sum row: for a year whose sums cannot be shown.
    void clear();
    const core::YearReport &report() const { return m_report; }

    // None for the sum row: every group.
    std::optional<std::string> groupOf(int row) const;
    // 1 to 12; none for the name and the year column.
    std::optional<int> monthOf(int column) const;
    // The sum a cell shows, exact.
    std::int64_t amountAt(int row, int column) const;

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    bool isSumRow(int row) const;
    const core::YearReportRow &rowAt(int row) const;

    core::YearReport m_report;
    std::vector<QString> m_texts; // row by row, 14 cells each
};

// "Januar" to "Dezember".
QString MonthName(int month);

} // namespace penvaro::report
