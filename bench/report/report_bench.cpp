#include "appfixture.h"
#include "support/records.h"
#include "yearofbookings.h"

#include "core/sortbookingtable.h"
#include "report/yearreportwindow.h"

#include <benchmark/benchmark.h>

using namespace penvaro;

namespace {

// The fixture's set-up without GoogleTest running it.
class Account : public penvaro::testing::AppFixture {
public:
    Account() {
        // The fixture's today is 20.06.2011, in the middle of the year of bookings.
        penvaro::testing::Fill(state->table(), bench::YearOfBookings());
        core::SortBookingTable(state->table(), {});
    }
    void TestBody() override {}
    platform::AppState &appState() { return *state; }
};

// From the command to the painted window: built, computed, laid out and drawn.
void yearReportPainted(benchmark::State &bench) {
    Account account;
    for (auto _ : bench) {
        report::YearReportWindow window(account.appState());
        window.showModal(); // the scripted UI computes and returns without a modal loop
        window.show();
        benchmark::DoNotOptimize(window.grab());
    }
}

// What a change of bookings costs while the window is open.
void yearReportBookingChange(benchmark::State &bench) {
    Account account;
    report::YearReportWindow window(account.appState());
    window.showModal();
    window.show();
    for (auto _ : bench) {
        account.appState().announceBookingChange();
        benchmark::DoNotOptimize(window.grab());
    }
}

} // namespace

BENCHMARK(yearReportPainted)->Unit(benchmark::kMillisecond);
BENCHMARK(yearReportBookingChange)->Unit(benchmark::kMillisecond);
