#include "core/amounttext.h"
#include "core/balances.h"
#include "core/date.h"
#include "core/sortbookingtable.h"

#include <benchmark/benchmark.h>

#include <random>

using namespace penvaro::core;

namespace {

// A table as a busy account would hold it: the start value, completed and planned bookings of
// many years and a few recurring ones, ordered as after loading.
BookingTable accountTable(std::int64_t size) {
    std::mt19937 rng(5000);
    BookingTable table;
    table.resize(static_cast<int>(size));
    for (int i = 1; i <= size; ++i) {
        BookingRecord &r = table.slot(i);
        const int kind = i == 1 ? 0 : i % 50 == 0 ? 4 : i % 4 == 0 ? 2 : 1;
        r.Satzart = static_cast<BookingKind>(kind);
        r.Auszugsjahr = static_cast<std::uint16_t>(2000 + i / 500);
        r.Auszugsnr = static_cast<std::uint16_t>(1 + i % 28);
        r.Wertdatum = DayCountFromCivil({2000 + i / 500, 1 + i % 12, 1 + i % 28});
        r.Auszugsdatum = r.Wertdatum;
        r.SollHaben = rng() % 3 == 0 ? u'+' : u'-';
        r.Betrag = static_cast<std::int64_t>(rng() % 100000000);
    }
    SortBookingTable(table, {});
    return table;
}

void BM_FillRunningBalances(benchmark::State &state) {
    const BookingTable table = accountTable(state.range(0));
    for (auto _ : state)
        benchmark::DoNotOptimize(FillRunningBalances(table, {}));
}
BENCHMARK(BM_FillRunningBalances)->ArgName("records")->Arg(5000)->Arg(50000);

void BM_AllSums(benchmark::State &state) {
    const BookingTable table = accountTable(state.range(0));
    const double today = DayCountFromCivil({2005, 6, 15});
    for (auto _ : state) {
        const auto book = ComputeBookBalance(table);
        const auto planned = ComputePlannedSum(table);
        benchmark::DoNotOptimize(ComputeProjectedBalance(table, *book, *planned));
        benchmark::DoNotOptimize(ComputeTodayBalance(table, today));
    }
}
BENCHMARK(BM_AllSums)->ArgName("records")->Arg(5000)->Arg(50000);

// What the balance column of a refresh costs: every running balance and its text.
void BM_RunningBalanceTexts(benchmark::State &state) {
    const BookingTable table = accountTable(state.range(0));
    for (auto _ : state) {
        const auto running = FillRunningBalances(table, {});
        for (const std::int64_t balance : running->done)
            benchmark::DoNotOptimize(FormatEuroText(balance, GermanSeparators));
        for (const std::int64_t balance : running->planned)
            benchmark::DoNotOptimize(FormatEuroText(balance, GermanSeparators));
    }
}
BENCHMARK(BM_RunningBalanceTexts)->ArgName("records")->Arg(5000)->Arg(50000);

} // namespace
