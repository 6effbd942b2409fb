#pragma once

#include "core/bookingrecord.h"
#include "core/bookingtable.h"

#include <string>

namespace penvaro::cli {

// One tab-separated line of a slot: slot, Satzart, Auszugsjahr, Auszugsnr, Auszugsdatum,
// Wertdatum, Buchungsart, Absender, Verwendungszweck, Buchungsdatum, SollHaben, Betrag.
std::string FormatDumpLine(int slot, const core::BookingRecord &record);

// "runs" and the six run indices, tab-separated.
std::string FormatRunsLine(const core::BookingTable &table);

} // namespace penvaro::cli
