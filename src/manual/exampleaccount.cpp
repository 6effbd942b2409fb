#include "exampleaccount.h"

#include "core/accountfile.h"
#include "core/bookingtable.h"
#include "core/date.h"
#include "core/fileio.h"

#include <cstdint>
#include <string>
#include <vector>

namespace penvaro::manual {
namespace {

using core::BookingKind;
using core::BookingRecord;

// A booking in the ledger's words: amounts in cent, negative for a debit.
struct Row {
    BookingKind kind;
    int monthOffset; // months from today's month
    int day;
    int statement; // statement number; the due day of a recurring booking
    const char *type;
    const char *party;
    const char *purpose;
    std::int64_t cents;
    int interval = 0; // recurring bookings: months between two bookings
};

const Row Rows[] = {
    {BookingKind::Completed, -2, 1, 1, "Gehalt", "Muster GmbH", "Gehalt", 285000},
    {BookingKind::Completed, -2, 3, 1, "Dauerauftr", "Wohnbau eG", "Miete Wohnung 3", -92000},
    {BookingKind::Completed, -2, 12, 2, "Lastschr", "Stadtwerke", "Abschlag Strom", -6800},
    {BookingKind::Completed, -2, 20, 2, "Karte", "Frischmarkt", "Einkauf", -11245},
    {BookingKind::Completed, -1, 1, 3, "Gehalt", "Muster GmbH", "Gehalt", 285000},
    {BookingKind::Completed, -1, 3, 3, "Dauerauftr", "Wohnbau eG", "Miete Wohnung 3", -92000},
    {BookingKind::Completed, -1, 9, 4, "Überweis.", "Autohaus Berger", "Inspektion", -34890},
    {BookingKind::Completed, -1, 12, 4, "Lastschr", "Stadtwerke", "Abschlag Strom", -6800},
    {BookingKind::Completed, -1, 22, 4, "Bar", "Geldautomat", "Bargeld", -20000},
    {BookingKind::Planned, 0, 15, 0, "Überweis.", "Zahnarzt Dr. Lind", "Rechnung 2211", -8950},
    {BookingKind::Planned, 0, 25, 0, "Gutschrift", "Finanzamt", "Erstattung", 41200},
    {BookingKind::Recurring, 1, 3, 3, "Dauerauftr", "Wohnbau eG", "Miete Wohnung 3", -92000, 1},
    {BookingKind::Recurring, 1, 15, 15, "Lastschr", "Versicherung AG", "Hausrat", -4560, 3},
};

double dayIn(const core::CivilDate &today, int monthOffset, int day) {
    int month = today.month - 1 + monthOffset;
    int year = today.year + (month < 0 ? (month - 11) / 12 : month / 12);
    month = ((month % 12) + 12) % 12 + 1;
    return core::DayCountFromCivil({year, month, day});
}

BookingRecord record(const Row &row, const core::CivilDate &today) {
    BookingRecord r;
    r.Satzart = row.kind;
    r.Wertdatum = dayIn(today, row.monthOffset, row.day);
    const auto valueDay = *core::CivilFromDayCount(r.Wertdatum);
    r.Auszugsjahr = static_cast<std::uint16_t>(row.kind == BookingKind::Recurring ? row.interval
                                                                                  : valueDay.year);
    r.Auszugsnr = static_cast<std::uint16_t>(row.statement);
    if (row.kind != BookingKind::Recurring)
        r.Auszugsdatum = r.Buchungsdatum = r.Wertdatum;
    r.Buchungsart.setUtf8(row.type);
    r.Absender.setUtf8(row.party);
    r.Verwendungszweck.setUtf8(row.purpose);
    r.SollHaben = row.cents < 0 ? u'-' : u'+';
    r.Betrag = (row.cents < 0 ? -row.cents : row.cents) * 100;
    return r;
}

} // namespace

core::Result<void> WriteExampleAccount(const std::filesystem::path &file, double today) {
    const auto day = core::CivilFromDayCount(today);
    if (!day)
        return core::Error{core::ErrorKind::Invalid, "Ungültiges Datum"};
    core::BookingTable table;
    std::vector<BookingRecord> records;
    BookingRecord start;
    start.Satzart = BookingKind::StartValue;
    start.Auszugsjahr = 1960;
    start.Auszugsnr = 1;
    start.Auszugsdatum = start.Wertdatum = start.Buchungsdatum =
        core::DayCountFromCivil({1960, 1, 1});
    start.Betrag = 12'500'000; // 1.250,00 €
    records.push_back(start);
    for (const Row &row : Rows)
        records.push_back(record(row, *day));
    for (const BookingRecord &r : records)
        table.append(r);

    if (auto saved = core::SaveAccountFile(table, file); !saved)
        return saved.error();
    return {};
}

core::Result<void> WriteExampleStatement(const std::filesystem::path &file, double today) {
    const auto day = core::CivilFromDayCount(today);
    if (!day)
        return core::Error{core::ErrorKind::Invalid, "Ungültiges Datum"};
    const auto twoDigits = [](int n) { return std::string(n < 10 ? "0" : "") + std::to_string(n); };
    // MT940 dates as YYMMDD: the first and the second of today's month.
    const std::string month = twoDigits(day->year % 100) + twoDigits(day->month);
    const std::string f = month + "01";
    const std::string s = month + "02";
    const std::string text = ":20:STARTUMSE\r\n"
                             ":25:37040044/0532013000\r\n"
                             ":28C:5\r\n"
                             ":60F:C"
                             + f + "EUR4312,65\r\n:61:" + f + f.substr(2)
                             + "CR2850,00NTRFNONREF\r\n"
                               ":86:166?00GUTSCHRIFT?20SVWZ+Gehalt?32Muster GmbH\r\n"
                               ":61:"
                             + s + s.substr(2)
                             + "DR68,00NDDTNONREF\r\n"
                               ":86:105?00LASTSCHRIFT?20SVWZ+Abschlag Strom?32Stadtwerke\r\n"
                               ":62F:C"
                             + s + "EUR7094,65\r\n-\r\n";
    return core::WriteFileAtomically(
        file, std::span(reinterpret_cast<const std::uint8_t *>(text.data()), text.size()));
}

} // namespace penvaro::manual
