#pragma once

#include "core/result.h"

#include <QString>

#include <cstdint>
#include <optional>

namespace penvaro::platform {
class RegistryStore;
} // namespace penvaro::platform

namespace penvaro::entry {

// The date of every bank statement entered is kept in the account file's settings key, so
// that typing a statement number used before brings its date back. The value is named by the
// year followed directly by the number (statement 7 of 2011: "20117") and holds the day count
// as an 8-byte double.

QString StatementDateValueName(int year, int number);

// Adds or overwrites the value. Fails when the account's key cannot be opened.
core::Result<void> RememberStatementDate(platform::RegistryStore &store, const QString &accountFile,
                                         int number, int year, double date);

// The date remembered for the statement named by the two texts as typed; nothing when they
// are no statement year and number, when none was remembered, or when the stored value is no
// date. Fails when the account's key cannot be opened.
core::Result<std::optional<double>> LookUpStatementDate(platform::RegistryStore &store,
                                                        const QString &accountFile,
                                                        const QString &yearText,
                                                        const QString &numberText);

} // namespace penvaro::entry
