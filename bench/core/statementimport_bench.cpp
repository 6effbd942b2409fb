#include "core/date.h"
#include "core/mt940parser.h"
#include "core/sortbookingtable.h"
#include "core/statementimport.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <random>

using namespace penvaro::core;

namespace {

// A large account, half completed and half planned bookings over ten years, and a statement whose
// entries repeat some completed bookings, settle some planned ones and bring new ones: the preview
// plans the import again each time the user leaves an entry out.
struct Account {
    BookingTable table;
    std::vector<Statement> statements;
};

Account account(int records, int entries) {
    std::mt19937 rng(17);
    Account a;
    a.table.resize(static_cast<int>(records));
    for (int i = 1; i <= records; ++i) {
        BookingRecord &r = a.table.slot(i);
        r.Satzart = i == 1 ? BookingKind::StartValue
                           : (i % 2 == 0 ? BookingKind::Completed : BookingKind::Planned);
        r.Wertdatum = DayCountFromCivil({2016 + i % 10, 1 + i % 12, 1 + i % 28});
        r.Auszugsjahr = static_cast<std::uint16_t>(2016 + i % 10);
        r.Auszugsnr = static_cast<std::uint16_t>(1 + i % 12);
        r.SollHaben = rng() % 3 == 0 ? u'+' : u'-';
        r.Betrag = static_cast<std::int64_t>(rng() % 1000) * 100;
        r.Verwendungszweck.setUtf8("Zweck " + std::to_string(i));
    }
    SortBookingTable(a.table, {});
    Statement s{"DE02", 12, DayCountFromCivil({2025, 12, 31}), std::nullopt, {}};
    for (int i = 0; i < entries; ++i) {
        const BookingRecord &r = a.table.slot(2 + (i * 7) % (records - 1));
        s.entries.push_back({r.Wertdatum + i % 3, std::nullopt, r.SollHaben, r.Betrag, "Partei",
                             r.Verwendungszweck.toUtf8(), "Art"});
    }
    a.statements.push_back(std::move(s));
    return a;
}

void BM_PlanStatementImport(benchmark::State &state) {
    const Account a = account(static_cast<int>(state.range(0)), static_cast<int>(state.range(1)));
    for (auto _ : state)
        benchmark::DoNotOptimize(PlanStatementImport(a.table, a.statements));
}
BENCHMARK(BM_PlanStatementImport)
    ->ArgNames({"records", "entries"})
    ->ArgsProduct({{5000, 50000}, {30, 300, 2000}})
    ->Unit(benchmark::kMillisecond);

// A year of statements of a busy account, ten entries each with structured details.
void BM_ParseMt940(benchmark::State &state) {
    std::string text;
    char line[160];
    for (int statement = 1; statement <= 100; ++statement) {
        text += ":20:STARTUMSE\r\n:25:12030000/0000202051\r\n";
        text += ":28C:" + std::to_string(statement) + "/1\r\n:60F:C260101EUR1000,00\r\n";
        for (int entry = 0; entry < 10; ++entry) {
            std::snprintf(line, sizeof line, ":61:26%02d%02d%02d%02dDR%d,%02dNDDTNONREF\r\n",
                          1 + statement % 12, 1 + entry, 1 + statement % 12, 2 + entry,
                          statement * entry, entry);
            text += line;
            text += ":86:105?00LASTSCHRIFT?20EREF+123?21MREF+M-1?22CRED+DE98ZZZ0999999999\r\n"
                    "9?23SVWZ+Stromabschlag ?24Monat "
                    + std::to_string(entry)
                    + "?32Stadtwerke S\xFC"
                      "d\r\n";
        }
        text += ":62F:C261231EUR1750,05\r\n-\r\n";
    }
    for (auto _ : state)
        benchmark::DoNotOptimize(ParseMt940(text));
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * text.size()));
}
BENCHMARK(BM_ParseMt940)->Unit(benchmark::kMillisecond);

} // namespace
