#include "records.h"

#include "core/date.h"

#include <stdexcept>

namespace penvaro::testing {
namespace {

template<std::size_t Size,
         void (*Encode)(const core::BookingRecord &, std::span<std::uint8_t, Size>)>
std::vector<std::uint8_t> encodeAll(const std::vector<core::BookingRecord> &records) {
    std::vector<std::uint8_t> bytes(records.size() * Size);
    for (std::size_t i = 0; i < records.size(); ++i) {
        core::BookingRecord r = records[i];
        core::ScrambleTexts(r);
        Encode(r, std::span<std::uint8_t, Size>(bytes.data() + i * Size, Size));
    }
    return bytes;
}

} // namespace

double Day(const std::string &text) {
    const auto parsed = core::ParseDate(text);
    if (!parsed)
        throw std::invalid_argument("bad test date " + text);
    return *parsed;
}

core::BookingRecord Completed(int year, int statement, const std::string &valueDate,
                              std::int64_t amount, const std::string &purpose) {
    core::BookingRecord r;
    r.Satzart = core::BookingKind::Completed;
    r.Auszugsjahr = static_cast<std::uint16_t>(year);
    r.Auszugsnr = static_cast<std::uint16_t>(statement);
    r.Wertdatum = Day(valueDate);
    r.Auszugsdatum = r.Wertdatum;
    r.Buchungsdatum = r.Wertdatum;
    r.Buchungsart.setUtf8("Abbuchung");
    r.Absender.setUtf8("Stadtwerke Köln");
    r.Verwendungszweck.setUtf8(purpose.empty() ? "Abschlag " + valueDate : purpose);
    r.SollHaben = amount < 0 ? u'-' : u'+';
    r.Betrag = amount < 0 ? -amount : amount;
    return r;
}

core::BookingRecord Planned(const std::string &valueDate, std::int64_t amount) {
    core::BookingRecord r = Completed(0, 1, valueDate, amount);
    r.Satzart = core::BookingKind::Planned;
    r.Auszugsjahr = static_cast<std::uint16_t>(core::CivilFromDayCount(r.Wertdatum)->year);
    return r;
}

core::BookingRecord Recurring(int dueDay, const std::string &firstDate, int interval) {
    core::BookingRecord r = Completed(interval, dueDay, firstDate);
    r.Satzart = core::BookingKind::Recurring;
    r.Auszugsdatum = 0.0;
    r.Buchungsdatum = 0.0;
    return r;
}

core::BookingRecord StartValue(std::int64_t amount) {
    core::BookingRecord r;
    r.Satzart = core::BookingKind::StartValue;
    r.Auszugsjahr = 1960;
    r.Auszugsnr = 1;
    r.Auszugsdatum = r.Wertdatum = r.Buchungsdatum = Day("01.01.1960");
    r.Betrag = amount;
    return r;
}

void Fill(core::BookingTable &table, const std::vector<core::BookingRecord> &records) {
    table.resize(0);
    for (const core::BookingRecord &r : records)
        table.append(r);
}

std::vector<std::uint8_t> FileBytes(const std::vector<core::BookingRecord> &records) {
    return encodeAll<core::BookingRecordSize, core::EncodeBookingRecord>(records);
}

std::vector<std::uint8_t> LegacyFileBytes(const std::vector<core::BookingRecord> &records) {
    return encodeAll<core::LegacyBookingRecordSize, core::EncodeLegacyBookingRecord>(records);
}

} // namespace penvaro::testing
