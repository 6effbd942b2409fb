#include "support/records.h"

#include "core/balancecourse.h"
#include "core/yearreport.h"
#include "core/yearreportcsv.h"

#include <benchmark/benchmark.h>

#include <random>

using namespace penvaro;

namespace {

// A table of 5000 bookings that all fall into one year, spread over forty categories and two
// hundred parties, with some planned and recurring bookings for the projection.
core::BookingTable fullYear() {
    std::mt19937 rng(2027);
    std::vector<core::BookingRecord> records{penvaro::testing::StartValue(5000000)};
    for (int i = 1; i < 5000; ++i) {
        char date[16];
        std::snprintf(date, sizeof date, "%02d.%02d.2011", 1 + static_cast<int>(rng() % 28),
                      1 + static_cast<int>(rng() % 12));
        const auto amount = static_cast<std::int64_t>(rng() % 2000000) - 1500000;
        core::BookingRecord r = i % 25 == 0    ? penvaro::testing::Planned(date, amount)
                                : i % 101 == 0 ? penvaro::testing::Recurring(5, date)
                                               : penvaro::testing::Completed(2011, 1, date, amount);
        r.Buchungsart.setUtf8("Kategorie " + std::to_string(i % 40));
        r.Absender.setUtf8("Empfänger " + std::to_string(i % 200));
        records.push_back(r);
    }
    core::BookingTable table;
    penvaro::testing::Fill(table, records);
    return table;
}

// Everything the window computes when it opens or a booking changes.
void yearReport(benchmark::State &bench) {
    const core::BookingTable table = fullYear();
    const auto grouping = static_cast<core::ReportGrouping>(bench.range(0));
    for (auto _ : bench) {
        auto report = core::BuildYearReport(table, 2011, grouping);
        auto flows = core::BuildMonthlyFlows(table, 2011, grouping);
        auto course = core::BuildBalanceCourse(table, 2011, penvaro::testing::Day("20.06.2011"));
        benchmark::DoNotOptimize(report);
        benchmark::DoNotOptimize(flows);
        benchmark::DoNotOptimize(course);
    }
}

void yearReportCsv(benchmark::State &bench) {
    const auto report = core::BuildYearReport(fullYear(), 2011, core::ReportGrouping::Party);
    for (auto _ : bench)
        benchmark::DoNotOptimize(core::YearReportCsv(*report));
}

} // namespace

BENCHMARK(yearReport)
    ->Arg(static_cast<int>(core::ReportGrouping::Category))
    ->Arg(static_cast<int>(core::ReportGrouping::Party))
    ->Unit(benchmark::kMillisecond);
BENCHMARK(yearReportCsv)->Unit(benchmark::kMillisecond);
