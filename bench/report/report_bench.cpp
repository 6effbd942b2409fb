#include "appfixture.h"
#include "support/records.h"

#include "core/sortbookingtable.h"
#include "report/yearreportwindow.h"

#include <QApplication>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <random>

using namespace penvaro;

namespace {

// 5000 bookings of this year (the fixture's today is 20.06.2011), forty categories.
std::vector<core::BookingRecord> fullYear() {
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
        records.push_back(r);
    }
    return records;
}

// The fixture's set-up without GoogleTest running it.
class Account : public penvaro::testing::AppFixture {
public:
    Account() {
        penvaro::testing::Fill(state->table(), fullYear());
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

int main(int argc, char **argv) {
    QTemporaryDir home;
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(home.filePath(QStringLiteral("config"))));
    qputenv("XDG_DATA_HOME", QFile::encodeName(home.filePath(QStringLiteral("data"))));
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
