#pragma once

#include "bookingtable.h"
#include "result.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace penvaro::core {

// What a year's bookings are summed by: Buchungsart or Absender.
enum class ReportGrouping { Category, Party };

// The name a booking without category or party is summed under.
inline constexpr const char *UnnamedGroup = "(ohne)";

struct YearReportRow {
    std::string name; // UTF-8; UnnamedGroup for an empty field
    std::array<std::int64_t, 12> months{};
    std::int64_t total = 0;

    friend bool operator==(const YearReportRow &, const YearReportRow &) = default;
};

// The completed bookings whose value date lies in the year, summed per group and month, signed
// (credits added, debits subtracted). Rows run from the largest outgoing total to the largest
// incoming one, equal totals by name; the sum row holds the month totals.
struct YearReport {
    int year = 0;
    ReportGrouping grouping = ReportGrouping::Category;
    std::vector<YearReportRow> rows;
    YearReportRow sum;
};

// Fails (Overflow) when a sum leaves the 64-bit range.
Result<YearReport> BuildYearReport(const BookingTable &table, int year, ReportGrouping grouping);

// The bookings behind one cell of the report, in table order: a group (none: every group, the
// sum row) and a month 1 to 12 (none: the whole year).
std::vector<int> YearReportSlots(const BookingTable &table, int year, ReportGrouping grouping,
                                 const std::optional<std::string> &group, std::optional<int> month);

// Money going out and coming in per month, the outgoing split by group: the groups with the
// largest outgoing year totals, the rest together as "Sonstige". Amounts are positive.
struct MonthlyFlows {
    struct Series {
        std::string name;
        std::array<std::int64_t, 12> months{};
    };
    std::vector<Series> outgoing; // largest first, "Sonstige" last when there is a rest
    std::array<std::int64_t, 12> incoming{};
};

inline constexpr std::size_t ChartedGroups = 8;
inline constexpr const char *OtherGroups = "Sonstige";

Result<MonthlyFlows> BuildMonthlyFlows(const BookingTable &table, int year,
                                       ReportGrouping grouping);

} // namespace penvaro::core
