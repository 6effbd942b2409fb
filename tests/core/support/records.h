#pragma once

#include "core/bookingrecord.h"
#include "core/bookingtable.h"

#include <cstdint>
#include <string>
#include <vector>

namespace penvaro::testing {

// The day count of a date written dd.mm.yyyy.
double Day(const std::string &text);

// A completed booking with the given statement and value date (dd.mm.yyyy).
core::BookingRecord Completed(int year, int statement, const std::string &valueDate,
                              std::int64_t amount = 10000, const std::string &purpose = {});
core::BookingRecord Planned(const std::string &valueDate, std::int64_t amount = 10000);
core::BookingRecord Recurring(int day, const std::string &firstDate, int interval = 1);
core::BookingRecord StartValue(std::int64_t amount);

// Puts the records into slots 1..n and sets the count.
void Fill(core::BookingTable &table, const std::vector<core::BookingRecord> &records);

// The file bytes of records in the current (132) or older (140) layout, texts scrambled.
std::vector<std::uint8_t> FileBytes(const std::vector<core::BookingRecord> &records);
std::vector<std::uint8_t> LegacyFileBytes(const std::vector<core::BookingRecord> &records);

} // namespace penvaro::testing
