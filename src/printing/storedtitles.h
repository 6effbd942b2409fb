#pragma once

#include "core/result.h"

#include <QString>

namespace penvaro::platform {
class RegistryStore;
} // namespace penvaro::platform

namespace penvaro::printing {

// The titles of the two tables of a printout, kept per account file in "Titel1" and "Titel2".
struct TableTitles {
    QString completed;
    QString planned;
};

QString DefaultCompletedTitle();
QString DefaultPlannedTitle();

// An empty or missing title reads as its default. Fails when the file's key cannot be opened.
core::Result<TableTitles> ReadTableTitles(platform::RegistryStore &store,
                                          const QString &accountFile);
// Stores both titles as they stand, empty ones included.
core::Result<void> StoreTableTitles(platform::RegistryStore &store, const QString &accountFile,
                                    const TableTitles &titles);

} // namespace penvaro::printing
