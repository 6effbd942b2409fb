#include "support/bankcodelines.h"
#include "support/tempdir.h"

#include "core/bankcodecache.h"
#include "core/fileio.h"

#include <benchmark/benchmark.h>

#include <string>

using namespace penvaro;

namespace {

// As many lines as the Bundesbank's file has; the code looked up stands on the last line.
constexpr int lines = 16000;
const std::string lastCode = std::to_string(10000000 + lines - 1);

std::filesystem::path writeBankCodeFile(const penvaro::testing::TempDir &dir) {
    std::string text;
    for (int i = 0; i < lines; ++i)
        text += penvaro::testing::BankCodeLine(
            std::to_string(10000000 + i), "Volks- und Raiffeisenbank Nummer " + std::to_string(i),
            "VR-Bank " + std::to_string(i), "12345", "Musterstadt");
    const auto path = dir.path("blz.asc");
    penvaro::testing::WriteBytes(path, {text.begin(), text.end()});
    return path;
}

// The lookup of the program that kept no index: read the file, test the lines in order.
void lookupByReadingTheFile(benchmark::State &state) {
    penvaro::testing::TempDir dir;
    const auto path = writeBankCodeFile(dir);
    for (auto _ : state) {
        const auto text = core::ReadWholeFile(path, 64 * 1024 * 1024);
        benchmark::DoNotOptimize(text->find(lastCode));
    }
}

void loadBankCodeList(benchmark::State &state) {
    penvaro::testing::TempDir dir;
    const auto path = writeBankCodeFile(dir);
    for (auto _ : state) {
        const auto list = core::BankCodeList::Load(path);
        benchmark::DoNotOptimize(list->size());
    }
}

// What leaving a bank code field costs: the freshness check of the file and the index.
void lookupBankName(benchmark::State &state) {
    penvaro::testing::TempDir dir;
    const auto path = writeBankCodeFile(dir);
    core::BankCodeCache cache;
    for (auto _ : state)
        benchmark::DoNotOptimize(core::LookupBankName(cache, path, lastCode));
}

void searchByNameAndPlace(benchmark::State &state) {
    penvaro::testing::TempDir dir;
    const auto path = writeBankCodeFile(dir);
    core::BankCodeCache cache;
    for (auto _ : state)
        benchmark::DoNotOptimize(core::SearchBankCodes(cache, path, "raiffeisen", "muster"));
}

} // namespace

BENCHMARK(lookupByReadingTheFile)->Unit(benchmark::kMicrosecond);
BENCHMARK(loadBankCodeList)->Unit(benchmark::kMicrosecond);
BENCHMARK(lookupBankName)->Unit(benchmark::kMicrosecond);
BENCHMARK(searchByNameAndPlace)->Unit(benchmark::kMicrosecond);
