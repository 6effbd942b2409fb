#include "support/records.h"

#include "core/date.h"
#include "core/evaluationrows.h"
#include "core/interest.h"
#include "core/search.h"
#include "core/sortbookingtable.h"

#include <benchmark/benchmark.h>

#include <random>

using namespace penvaro;

namespace {

// 20 years of a busy account: the start value, completed bookings with a few planned and
// recurring ones, credits and debits so that the balance changes sign now and then.
core::BookingTable twentyYears(std::int64_t size) {
    std::mt19937 rng(2012);
    std::vector<core::BookingRecord> records;
    records.push_back(penvaro::testing::StartValue(5000000));
    static constexpr const char *purposes[] = {"Miete Mai",   "Gehalt",   "Strom Abschlag",
                                               "Monatsmiete", "Übertrag", "Versicherung"};
    for (int i = 1; i < size; ++i) {
        const int year = 2006 + static_cast<int>(rng() % 20);
        char date[16];
        std::snprintf(date, sizeof date, "%02d.%02d.%04d", 1 + static_cast<int>(rng() % 28),
                      1 + static_cast<int>(rng() % 12), year);
        const auto amount = static_cast<std::int64_t>(rng() % 20000000) - 9900000;
        if (i % 20 == 0)
            records.push_back(penvaro::testing::Planned(date, amount));
        else if (i % 97 == 0)
            records.push_back(penvaro::testing::Recurring(5, date));
        else
            records.push_back(
                penvaro::testing::Completed(year, 1 + i % 30, date, amount, purposes[i % 6]));
    }
    core::BookingTable table;
    penvaro::testing::Fill(table, records);
    core::SortBookingTable(table, {});
    return table;
}

const double today = core::DayCountFromCivil({2025, 12, 31});

void sizes(benchmark::internal::Benchmark *bench) {
    bench->ArgName("records")->Arg(5000)->Arg(50000)->Unit(benchmark::kMillisecond);
}

// What the interest window computes on opening: its own order, the twelve months of the
// current year and the total from the first booking to today.
void BM_InterestWindowOpening(benchmark::State &state) {
    const core::BookingTable loaded = twentyYears(state.range(0));
    for (auto _ : state) {
        state.PauseTiming();
        core::BookingTable table = loaded;
        state.ResumeTiming();
        core::SortBookingTable(table, core::InterestOrder);
        benchmark::DoNotOptimize(core::MonthlyInterest(table, {}, 2025));
        benchmark::DoNotOptimize(
            core::InterestForPeriod(table, {}, *core::FirstBookingDay(table), today));
    }
}
BENCHMARK(BM_InterestWindowOpening)->Apply(sizes);

// The same computation on a table already in the interest order.
void BM_InterestMonthsAndTotal(benchmark::State &state) {
    core::BookingTable table = twentyYears(state.range(0));
    core::SortBookingTable(table, core::InterestOrder);
    for (auto _ : state) {
        benchmark::DoNotOptimize(core::MonthlyInterest(table, {}, 2025));
        benchmark::DoNotOptimize(
            core::InterestForPeriod(table, {}, *core::FirstBookingDay(table), today));
    }
}
BENCHMARK(BM_InterestMonthsAndTotal)->Apply(sizes);

core::SearchCriteria everyField(const core::BookingTable &table) {
    const auto range = core::BookingValueDateRange(table);
    return {core::SearchMode::Containing, "miete", {true, true, true}, range->from, range->to};
}

void BM_SearchContaining(benchmark::State &state) {
    const core::BookingTable table = twentyYears(state.range(0));
    const core::SearchCriteria criteria = everyField(table);
    for (auto _ : state)
        benchmark::DoNotOptimize(core::SearchBookings(table, criteria));
}
BENCHMARK(BM_SearchContaining)->Apply(sizes);

// A search with the text of every result row, as the window fills its table: a word found in
// a third of the bookings (all 0), or the whole range, listing every booking (all 1).
void BM_SearchWithRows(benchmark::State &state) {
    const core::BookingTable table = twentyYears(state.range(0));
    core::SearchCriteria criteria = everyField(table);
    if (state.range(1) == 1)
        criteria.mode = core::SearchMode::DateRange;
    const core::EvaluationLayout layout;
    for (auto _ : state) {
        const auto found = core::SearchBookings(table, criteria);
        benchmark::DoNotOptimize(core::EvaluationTableRows(table, *found, layout));
    }
}
BENCHMARK(BM_SearchWithRows)
    ->ArgNames({"records", "all"})
    ->ArgsProduct({{5000, 50000}, {0, 1}})
    ->Unit(benchmark::kMillisecond);

} // namespace
