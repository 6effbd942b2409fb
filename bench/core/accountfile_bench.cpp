#include "support/records.h"
#include "support/tempdir.h"

#include "core/accountfile.h"
#include "core/bookingchanges.h"

#include <benchmark/benchmark.h>

using namespace penvaro;

namespace {

// The sizes an account reaches: the older limit, and decades of a busy household's bookings.
void sizes(benchmark::internal::Benchmark *bench) {
    bench->ArgName("records")->Arg(5000)->Arg(50000)->Unit(benchmark::kMillisecond);
}

std::vector<core::BookingRecord> records(benchmark::State &state) {
    std::vector<core::BookingRecord> all;
    for (int i = 0; i < state.range(0); ++i)
        all.push_back(penvaro::testing::Completed(2011, 1 + i % 50, "15.07.2011", 12345 + i));
    return all;
}

void loadAccountFile(benchmark::State &state) {
    penvaro::testing::TempDir dir;
    const auto path = dir.path("voll.p11");
    penvaro::testing::WriteBytes(path, penvaro::testing::FileBytes(records(state)));
    core::BookingTable table;
    for (auto _ : state) {
        if (!core::LoadAccountFile(path, table))
            state.SkipWithError("load failed");
        benchmark::DoNotOptimize(table.count());
    }
}
BENCHMARK(loadAccountFile)->Apply(sizes);

void saveAccountFile(benchmark::State &state) {
    penvaro::testing::TempDir dir;
    core::BookingTable table;
    penvaro::testing::Fill(table, records(state));
    for (auto _ : state) {
        if (!core::SaveAccountFile(table, dir.path("voll.p11")))
            state.SkipWithError("save failed");
    }
}
BENCHMARK(saveAccountFile)->Apply(sizes);

// A booking change as the user makes it, with the file's check, rewrite or append and fsync
// on the real disk: an edit, then a new booking, then its deletion.
void bookingChange(benchmark::State &state) {
    penvaro::testing::TempDir dir;
    const auto path = dir.path("konto.p11");
    penvaro::testing::WriteBytes(path, penvaro::testing::FileBytes(records(state)));
    core::BookingTable table;
    if (!core::LoadAccountFile(path, table))
        state.SkipWithError("load failed");
    const core::BookingRecord added = penvaro::testing::Completed(2012, 1, "02.01.2012", 4711);
    int step = 0;
    for (auto _ : state) {
        core::Result<void> done;
        switch (step++ % 3) {
        case 0:
            done = core::ReplaceBooking(table, table.count() / 2, added, path);
            break;
        case 1:
            done = core::AddBooking(table, added, path);
            break;
        default:
            done = core::DeleteBooking(table, table.count(), path);
            break;
        }
        if (!done)
            state.SkipWithError(done.error().message.c_str());
    }
}
BENCHMARK(bookingChange)->Apply(sizes);

} // namespace
