#pragma once

#include "core/bookingtable.h"
#include "core/result.h"

#include <QString>

#include <filesystem>
#include <vector>

namespace penvaro::platform {

class RegistryStore;

// Saving the planned bookings of a catch-up and storing the next check day "LM" are two
// writes to two places. Before the first, the new "LM" is recorded in the account file's
// settings together with the stamp the file will have once the bookings are saved; after the
// second, the record goes. A record that a crash left behind is settled at the next opening
// from the file itself, so that no check day is planned twice and none is skipped.

// The file is to hold the table's used slots followed by the added records.
core::Result<void> RecordPendingCheckDay(RegistryStore &store, const QString &accountFile,
                                         double nextCheckDay, const core::BookingTable &table,
                                         const std::vector<core::BookingRecord> &added);
void ForgetPendingCheckDay(RegistryStore &store, const QString &accountFile);
// The file holds the saved bookings: "LM" takes the recorded day. It does not: the days are
// checked again. Either way the record goes; a record that cannot be settled stays.
core::Result<void> SettlePendingCheckDay(RegistryStore &store, const QString &accountFile,
                                         const std::filesystem::path &file);

} // namespace penvaro::platform
