#pragma once

#include "core/bookingrecord.h"
#include "core/bookingtable.h"

#include <string>

namespace penvaro::cli {

// The texts as the record's fields hold them, or whole as the companion file keeps them.
enum class Texts { Fields, Full };

// The eleven fields of a record, tab-separated: Satzart, Auszugsjahr, Auszugsnr, Auszugsdatum,
// Wertdatum, Buchungsart, Absender, Verwendungszweck, Buchungsdatum, SollHaben, Betrag.
std::string FormatRecordFields(const core::BookingRecord &record, Texts texts = Texts::Fields);

// One tab-separated line of a slot: the slot, then the record's fields.
std::string FormatDumpLine(int slot, const core::BookingRecord &record,
                           Texts texts = Texts::Fields);

// "runs" and the six run indices, tab-separated.
std::string FormatRunsLine(const core::BookingTable &table);

} // namespace penvaro::cli
