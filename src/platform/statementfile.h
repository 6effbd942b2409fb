#pragma once

#include "core/result.h"
#include "core/statement.h"

#include <QString>

#include <vector>

namespace penvaro::platform {

inline constexpr qint64 MaxStatementFileSize = 50 * 1024 * 1024;

// Reads a bank statement file, CAMT.053, MT940 or a bank's CSV export, told apart by its
// content; csvLayout, when given, reads it as that CSV layout (core::BankCsvLayoutNames).
// Anything but a regular file is refused without waiting on it (a pipe, a device), and so is a
// file larger than MaxStatementFileSize. Errors name the file and, for a broken statement, the
// place.
core::Result<std::vector<core::Statement>> ReadStatementFile(const QString &path,
                                                             const QString &csvLayout = {});

} // namespace penvaro::platform
