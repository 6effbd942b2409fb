#include "support/records.h"
#include "support/tempdir.h"

#include "core/accountfile.h"

#include <benchmark/benchmark.h>

using namespace penvaro;

namespace {

void loadFullAccountFile(benchmark::State &state) {
    penvaro::testing::TempDir dir;
    const auto path = dir.path("voll.p11");
    std::vector<core::BookingRecord> records(
        core::MaxBookings, penvaro::testing::Completed(2011, 7, "15.07.2011", 12345));
    penvaro::testing::WriteBytes(path, penvaro::testing::FileBytes(records));
    core::BookingTable table;
    for (auto _ : state) {
        if (!core::LoadAccountFile(path, table))
            state.SkipWithError("load failed");
        benchmark::DoNotOptimize(table.count);
    }
}

void saveFullAccountFile(benchmark::State &state) {
    penvaro::testing::TempDir dir;
    core::BookingTable table;
    penvaro::testing::Fill(
        table, std::vector<core::BookingRecord>(
                   core::MaxBookings, penvaro::testing::Completed(2011, 7, "15.07.2011", 12345)));
    for (auto _ : state) {
        if (!core::SaveAccountFile(table, dir.path("voll.p11")))
            state.SkipWithError("save failed");
    }
}

} // namespace

BENCHMARK(loadFullAccountFile)->Unit(benchmark::kMillisecond);
BENCHMARK(saveFullAccountFile)->Unit(benchmark::kMillisecond);
