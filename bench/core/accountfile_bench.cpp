#include "support/records.h"
#include "support/tempdir.h"

#include "core/accountfile.h"

#include <benchmark/benchmark.h>

using namespace penvaro;

namespace {

void loadFullAccountFile(benchmark::State &state) {
    test::TempDir dir;
    const auto path = dir.path("voll.p11");
    std::vector<core::BookingRecord> records(core::MaxBookings,
                                             test::Completed(2011, 7, "15.07.2011", 12345));
    test::WriteBytes(path, test::FileBytes(records));
    core::BookingTable table;
    for (auto _ : state) {
        if (!core::LoadAccountFile(path, table))
            state.SkipWithError("load failed");
        benchmark::DoNotOptimize(table.count);
    }
}

void saveFullAccountFile(benchmark::State &state) {
    test::TempDir dir;
    core::BookingTable table;
    test::Fill(table, std::vector<core::BookingRecord>(
                          core::MaxBookings, test::Completed(2011, 7, "15.07.2011", 12345)));
    for (auto _ : state) {
        if (!core::SaveAccountFile(table, dir.path("voll.p11")))
            state.SkipWithError("save failed");
    }
}

} // namespace

BENCHMARK(loadFullAccountFile)->Unit(benchmark::kMillisecond);
BENCHMARK(saveFullAccountFile)->Unit(benchmark::kMillisecond);
