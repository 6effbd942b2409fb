#include "yearreport.h"

#include "balances.h"
#include "bookingtexts.h"
#include "date.h"
#include "wideint.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <string_view>

namespace penvaro::core {
namespace {

using MonthSums = std::array<Int128, 12>;

// The month (1 to 12) of a completed booking of the year; 0 for any other record.
int bookedMonth(const BookingRecord &record, int year) {
    if (record.Satzart != BookingKind::Completed)
        return 0;
    const auto date = CivilFromDayCount(std::trunc(record.Wertdatum));
    return date && date->year == year ? date->month : 0;
}

std::string_view trimmed(std::string_view text) {
    const auto first = text.find_first_not_of(' ');
    if (first == std::string_view::npos)
        return {};
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

Error overflow(int year) {
    return {ErrorKind::Overflow,
            "Eine Summe des Jahres " + std::to_string(year) + " ist zu groß, um sie darzustellen."};
}

// Checks every month and the year of the sums, and writes them into the row.
bool fillRow(YearReportRow &row, const MonthSums &sums) {
    Int128 total = 0;
    for (std::size_t m = 0; m < 12; ++m) {
        if (!FitsInt64(sums[m]))
            return false;
        row.months[m] = static_cast<std::int64_t>(sums[m]);
        total += sums[m];
    }
    if (!FitsInt64(total))
        return false;
    row.total = static_cast<std::int64_t>(total);
    return true;
}

// The group a booking is summed under: its field without surrounding blanks, so that "Miete"
// typed once with a trailing blank is not a category of its own.
std::string ReportGroupName(const BookingRecord &record, ReportGrouping grouping) {
    const std::string text =
        grouping == ReportGrouping::Category ? core::CategoryText(record) : core::PartyText(record);
    const std::string_view name = trimmed(text);
    return name.empty() ? std::string(UnnamedGroup) : std::string(name);
}

} // namespace

Result<YearReport> BuildYearReport(const BookingTable &table, int year, ReportGrouping grouping) {
    std::map<std::string, MonthSums> groups;
    MonthSums all{};
    for (const BookingRecord &record : table.used()) {
        const int month = bookedMonth(record, year);
        if (month == 0)
            continue;
        const Int128 amount = SignedAmount(record);
        groups[ReportGroupName(record, grouping)][static_cast<std::size_t>(month - 1)] += amount;
        all[static_cast<std::size_t>(month - 1)] += amount;
    }

    YearReport report;
    report.year = year;
    report.grouping = grouping;
    report.sum.name = "Summe";
    if (!fillRow(report.sum, all))
        return overflow(year);
    for (const auto &[name, sums] : groups) {
        YearReportRow row;
        row.name = name;
        if (!fillRow(row, sums))
            return overflow(year);
        report.rows.push_back(std::move(row));
    }
    // The map gives the rows by name, so a stable sort leaves equal totals in that order.
    std::stable_sort(
        report.rows.begin(), report.rows.end(),
        [](const YearReportRow &a, const YearReportRow &b) { return a.total < b.total; });
    return report;
}

std::vector<int> YearReportSlots(const BookingTable &table, int year, ReportGrouping grouping,
                                 const std::optional<std::string> &group,
                                 std::optional<int> month) {
    std::vector<int> slots;
    for (int slot = 1; slot <= table.count(); ++slot) {
        const BookingRecord &record = table.slot(slot);
        const int booked = bookedMonth(record, year);
        if (booked == 0 || (month && *month != booked))
            continue;
        if (group && ReportGroupName(record, grouping) != *group)
            continue;
        slots.push_back(slot);
    }
    return slots;
}

Result<MonthlyFlows> BuildMonthlyFlows(const BookingTable &table, int year,
                                       ReportGrouping grouping) {
    std::map<std::string, MonthSums> outgoing;
    MonthSums incoming{};
    for (const BookingRecord &record : table.used()) {
        const int month = bookedMonth(record, year);
        if (month == 0)
            continue;
        const auto index = static_cast<std::size_t>(month - 1);
        if (record.SollHaben == u'+')
            incoming[index] += record.Betrag;
        else
            outgoing[ReportGroupName(record, grouping)][index] += record.Betrag;
    }

    struct Group {
        std::string name;
        MonthSums months;
        Int128 total = 0;
    };
    std::vector<Group> groups;
    for (const auto &[name, months] : outgoing) {
        Group group{name, months, 0};
        for (const Int128 m : months)
            group.total += m;
        groups.push_back(std::move(group));
    }
    std::stable_sort(groups.begin(), groups.end(),
                     [](const Group &a, const Group &b) { return a.total > b.total; });

    MonthlyFlows flows;
    MonthSums rest{};
    for (std::size_t i = 0; i < groups.size(); ++i) {
        if (i < ChartedGroups) {
            MonthlyFlows::Series series{groups[i].name, {}};
            YearReportRow row;
            if (!fillRow(row, groups[i].months))
                return overflow(year);
            series.months = row.months;
            flows.outgoing.push_back(std::move(series));
        } else {
            for (std::size_t m = 0; m < 12; ++m)
                rest[m] += groups[i].months[m];
        }
    }
    if (groups.size() > ChartedGroups) {
        YearReportRow row;
        if (!fillRow(row, rest))
            return overflow(year);
        flows.outgoing.push_back({OtherGroups, row.months});
    }
    YearReportRow in;
    if (!fillRow(in, incoming))
        return overflow(year);
    flows.incoming = in.months;
    return flows;
}

} // namespace penvaro::core
