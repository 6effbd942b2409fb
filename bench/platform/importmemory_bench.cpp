#include "core/statementbooking.h"
#include "platform/importmemory.h"
#include "platform/registrystore.h"

#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <string>

namespace {

using namespace penvaro;

constexpr int Entries = 10000;

// A year of a club's statements: every entry with its own party, purpose and account, the way
// the import remembers them.
core::ImportPlan planOfNewTexts(const std::string &prefix) {
    core::ImportPlan plan;
    const core::Statement statement{"DE02120300000000202051", 7, 46083.0, std::nullopt, {}};
    for (int i = 0; i < Entries; ++i) {
        const std::string n = prefix + std::to_string(i);
        core::StatementEntry entry{46083.0,          std::nullopt,    u'+',
                                   10000 + i,        "Mitglied " + n, "Beitrag " + n,
                                   "SEPA-Gutschrift"};
        std::string iban = "DE0212030000" + std::to_string(1000000000 + i);
        entry.partyIban = iban;
        plan.steps.push_back({core::ImportAction::Added,
                              core::CompletedBookingFromEntry(statement, entry),
                              0,
                              {},
                              entry});
    }
    plan.statementDates.push_back({2026, 7, 46083.0});
    return plan;
}

std::unique_ptr<platform::RegistryStore> openStore(const QTemporaryDir &dir) {
    return std::move(
        platform::RegistryStore::Open(dir.filePath(QStringLiteral("einstellungen.sqlite"))).store);
}

const QString account = QStringLiteral("/home/verein/giro.p11");

// Both in one run: remembering what an import brings costs about the same whether its texts
// are new to the store or were remembered before.
void BM_RememberImportNewTexts(benchmark::State &state) {
    QTemporaryDir dir;
    auto store = openStore(dir);
    int round = 0;
    for (auto _ : state) {
        state.PauseTiming();
        const core::ImportPlan plan = planOfNewTexts(std::to_string(round++) + "-");
        state.ResumeTiming();
        benchmark::DoNotOptimize(platform::RememberImport(*store, account, plan));
    }
    state.SetItemsProcessed(state.iterations() * Entries);
}
BENCHMARK(BM_RememberImportNewTexts)->Unit(benchmark::kMillisecond)->Iterations(3);

void BM_RememberImportKnownTexts(benchmark::State &state) {
    QTemporaryDir dir;
    auto store = openStore(dir);
    const core::ImportPlan plan = planOfNewTexts("0-");
    static_cast<void>(platform::RememberImport(*store, account, plan));
    for (auto _ : state)
        benchmark::DoNotOptimize(platform::RememberImport(*store, account, plan));
    state.SetItemsProcessed(state.iterations() * Entries);
}
BENCHMARK(BM_RememberImportKnownTexts)->Unit(benchmark::kMillisecond)->Iterations(3);

} // namespace
