#include "dumpformat.h"

#include "core/bookingtexts.h"
#include "core/cp1252.h"
#include "core/date.h"

namespace penvaro::cli {
std::string FormatRecordFields(const core::BookingRecord &r, Texts texts) {
    const bool full = texts == Texts::Full;
    std::string line = std::to_string(static_cast<int>(r.Satzart));
    auto field = [&line](const std::string &text) {
        line += '\t';
        line += text;
    };
    field(std::to_string(r.Auszugsjahr));
    field(std::to_string(r.Auszugsnr));
    field(core::FormatDate(r.Auszugsdatum));
    field(core::FormatDate(r.Wertdatum));
    field(full ? core::CategoryText(r) : r.Buchungsart.toUtf8());
    field(full ? core::PartyText(r) : r.Absender.toUtf8());
    field(full ? core::PurposeText(r) : r.Verwendungszweck.toUtf8());
    field(core::FormatDate(r.Buchungsdatum));
    std::string sollHaben;
    core::AppendUtf8(sollHaben, r.SollHaben);
    field(sollHaben);
    field(std::to_string(r.Betrag));
    return line;
}

std::string FormatDumpLine(int slot, const core::BookingRecord &record, Texts texts) {
    return std::to_string(slot) + '\t' + FormatRecordFields(record, texts);
}

std::string FormatRunsLine(const core::BookingTable &table) {
    std::string line = "runs";
    for (const int index : {table.FirstDone, table.LastDone, table.FirstPlanned, table.LastPlanned,
                            table.FirstRecurring, table.LastRecurring})
        line += '\t' + std::to_string(index);
    return line;
}

} // namespace penvaro::cli
