#include "support/records.h"
#include "yearofbookings.h"

#include "core/balancecourse.h"
#include "core/yearreport.h"
#include "core/yearreportcsv.h"

#include <benchmark/benchmark.h>

#include <random>

using namespace penvaro;

namespace {

core::BookingTable fullYear() {
    core::BookingTable table;
    penvaro::testing::Fill(table, bench::YearOfBookings());
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
