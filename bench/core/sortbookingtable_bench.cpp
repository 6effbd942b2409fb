#include "support/records.h"
#include "support/referencesort.h"

#include "core/sortbookingtable.h"

#include <benchmark/benchmark.h>

#include <random>

using namespace penvaro;

namespace {

// A table as a long-kept account has it: mostly completed bookings over many years, some
// planned and recurring ones, many statements sharing numbers.
std::vector<core::BookingRecord> accountTable(int size) {
    std::mt19937 rng(42);
    std::vector<core::BookingRecord> records;
    records.push_back(penvaro::testing::StartValue(1000000));
    for (int i = 1; i < size; ++i) {
        const int day = 1 + static_cast<int>(rng() % 28);
        const int month = 1 + static_cast<int>(rng() % 12);
        const int year = 1995 + static_cast<int>(rng() % 16);
        char date[16];
        std::snprintf(date, sizeof date, "%02d.%02d.%04d", day, month, year);
        if (i % 20 == 0)
            records.push_back(penvaro::testing::Planned(date));
        else if (i % 97 == 0)
            records.push_back(penvaro::testing::Recurring(day, date));
        else
            records.push_back(penvaro::testing::Completed(year, month, date, i));
    }
    return records;
}

enum class Input { Random, Ordered };

template<void (*Sort)(core::BookingTable &, const core::SortOrder &)>
void sortTable(benchmark::State &state) {
    const auto input = static_cast<Input>(state.range(0));
    core::BookingTable original;
    penvaro::testing::Fill(original, accountTable(static_cast<int>(state.range(1))));
    if (input == Input::Ordered)
        core::SortBookingTable(original, {});
    core::BookingTable table;
    for (auto _ : state) {
        state.PauseTiming();
        table = original;
        state.ResumeTiming();
        Sort(table, {});
        benchmark::DoNotOptimize(table.used().data());
    }
}

void fastSort(core::BookingTable &table, const core::SortOrder &order) {
    core::SortBookingTable(table, order);
}

} // namespace

BENCHMARK(sortTable<fastSort>)
    ->ArgNames({"ordered", "records"})
    ->ArgsProduct({{static_cast<int>(Input::Random), static_cast<int>(Input::Ordered)},
                   {5000, 50000}})
    ->Unit(benchmark::kMillisecond);
// The quadratic rule as written, for comparison; at 50,000 records it takes seconds.
BENCHMARK(sortTable<penvaro::testing::ReferenceSortBookingTable>)
    ->ArgNames({"ordered", "records"})
    ->ArgsProduct({{static_cast<int>(Input::Random), static_cast<int>(Input::Ordered)}, {5000}})
    ->Unit(benchmark::kMillisecond);
