#include "appfixture.h"
#include "support/records.h"

#include "app/mainwindow.h"
#include "ledger/ledgerview.h"

#include <QApplication>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <random>

using namespace penvaro;

namespace {

std::vector<core::BookingRecord> fullAccount() {
    std::mt19937 rng(7);
    std::vector<core::BookingRecord> records{penvaro::testing::StartValue(1000000)};
    for (int i = 1; i < core::MaxBookings; ++i) {
        char date[16];
        std::snprintf(date, sizeof date, "%02d.%02d.%04d", 1 + static_cast<int>(rng() % 28),
                      1 + static_cast<int>(rng() % 12), 2000 + static_cast<int>(rng() % 11));
        records.push_back(i % 10 == 0 ? penvaro::testing::Planned(date, i)
                                      : penvaro::testing::Completed(2005, i % 300, date, i));
    }
    return records;
}

// The fixture's set-up without GoogleTest running it.
class Account : public penvaro::testing::AppFixture {
public:
    Account() {
        setLastFile(writeAccount(QStringLiteral("voll.p11"), fullAccount()));
        for (const char *option : {"AuszugsdatAN", "BuchungsdatAN", "SummeB"})
            setFileValue(accountPath(QStringLiteral("voll.p11")), QString::fromLatin1(option),
                         std::int32_t(1));
    }
    void TestBody() override {}
    platform::AppState &appState() { return *state; }
};

void startUpToPaintedLedger(benchmark::State &bench) {
    Account account;
    for (auto _ : bench) {
        app::MainWindow window(account.appState());
        window.startUp();
        window.show();
        benchmark::DoNotOptimize(window.grab());
    }
}

void refreshLedger(benchmark::State &bench) {
    Account account;
    app::MainWindow window(account.appState());
    window.startUp();
    window.show();
    for (auto _ : bench)
        benchmark::DoNotOptimize(window.view().refresh());
}

// What every change of bookings costs: the table sorted again and both grids refilled.
void bookingChange(benchmark::State &bench) {
    Account account;
    app::MainWindow window(account.appState());
    window.startUp();
    window.show();
    for (auto _ : bench)
        account.appState().announceBookingChange();
}

} // namespace

BENCHMARK(startUpToPaintedLedger)->Unit(benchmark::kMillisecond);
BENCHMARK(refreshLedger)->Unit(benchmark::kMillisecond);
BENCHMARK(bookingChange)->Unit(benchmark::kMillisecond);

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
