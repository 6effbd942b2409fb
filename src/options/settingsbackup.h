#pragma once

#include "core/result.h"

#include <QString>

namespace penvaro::platform {
class AppState;
} // namespace penvaro::platform

namespace penvaro::options {

// Writes every setting of the program and of all account files into a registry file, after
// saving those in memory, so that the file holds what the program shows.
core::Result<void> ExportSettings(platform::AppState &state, const QString &file);

// Merges a registry file of this program's settings and reads the settings again at once, so
// that no later save writes the old values over the merged ones. The open account file stays
// open and the program folder stays the running program's: a backup from another time or
// machine names others, which must not take the place of the file whose bookings are shown.
// A file of anything else is refused and changes nothing.
core::Result<void> MergeSettings(platform::AppState &state, const QString &file);

} // namespace penvaro::options
