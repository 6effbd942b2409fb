#include "appfixture.h"
#include "benchledger.h"

#include "app/mainwindow.h"
#include "ledger/ledgerview.h"

#include <QApplication>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

using namespace penvaro;

namespace {

// The fixture's set-up without GoogleTest running it.
class Account : public penvaro::testing::AppFixture {
public:
    Account() {
        setLastFile(writeAccount(QStringLiteral("voll.p11"), bench::FullAccount()));
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
