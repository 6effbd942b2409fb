#include "appfixture.h"
#include "fullaccount.h"

#include "app/mainwindow.h"
#include "core/bookingchanges.h"
#include "ledger/ledgerview.h"

#include <benchmark/benchmark.h>

#include <sys/resource.h>

using namespace penvaro;

namespace {

// The fixture's set-up without GoogleTest running it.
class Account : public penvaro::testing::AppFixture {
public:
    explicit Account(std::int64_t size) {
        setLastFile(
            writeAccount(QStringLiteral("voll.p11"), bench::FullAccount(static_cast<int>(size))));
        for (const char *option : {"AuszugsdatAN", "BuchungsdatAN", "SummeB"})
            setFileValue(accountPath(QStringLiteral("voll.p11")), QString::fromLatin1(option),
                         std::int32_t(1));
    }
    void TestBody() override {}
    platform::AppState &appState() { return *state; }
    std::filesystem::path file() const { return accountPath(QStringLiteral("voll.p11")); }
};

// What the user waits for at start: the window built, the account read and the ledger painted.
void paintLedger(Account &account) {
    app::MainWindow window(account.appState());
    window.startUp();
    window.show();
    benchmark::DoNotOptimize(window.grab());
}

void startUpToPaintedLedger(benchmark::State &bench) {
    Account account(bench.range(0));
    for (auto _ : bench)
        paintLedger(account);
}

void refreshLedger(benchmark::State &bench) {
    Account account(bench.range(0));
    app::MainWindow window(account.appState());
    window.startUp();
    window.show();
    for (auto _ : bench)
        benchmark::DoNotOptimize(window.view().refresh());
}

// What every change of bookings costs: the file rewritten and flushed to disk, the table
// sorted again and both grids refilled.
void bookingChange(benchmark::State &bench) {
    Account account(bench.range(0));
    app::MainWindow window(account.appState());
    window.startUp();
    window.show();
    core::BookingTable &table = account.appState().table();
    for (auto _ : bench) {
        const int slot = table.count() / 2;
        core::BookingRecord edited = table.slot(slot);
        edited.Betrag += 1;
        if (!core::ReplaceBooking(table, slot, edited, account.file()))
            bench.SkipWithError("write failed");
        account.appState().announceBookingChange();
    }
}

// The most memory the process has held once the ledger shows the account; run each size in a
// process of its own (--benchmark_filter=peakMemory/records:5000), as the figure only grows.
void peakMemory(benchmark::State &bench) {
    Account account(bench.range(0));
    for (auto _ : bench)
        paintLedger(account);
    rusage usage{};
    ::getrusage(RUSAGE_SELF, &usage);
    bench.counters["peak_MB"] = static_cast<double>(usage.ru_maxrss) / 1024.0;
}

void sizes(benchmark::internal::Benchmark *bench) {
    bench->ArgName("records")->Arg(5000)->Arg(50000)->Unit(benchmark::kMillisecond);
}

} // namespace

BENCHMARK(startUpToPaintedLedger)->Apply(sizes);
BENCHMARK(refreshLedger)->Apply(sizes);
BENCHMARK(bookingChange)->Apply(sizes);
BENCHMARK(peakMemory)->Apply(sizes)->Iterations(1);
