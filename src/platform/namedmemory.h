#pragma once

#include "core/result.h"

#include <QString>
#include <QStringList>

#include <vector>

namespace penvaro::platform {

class RegistryStore;

// What the recipient and payee memories share: a key with one subkey of string values per
// remembered name, the empty name standing for the key itself.
namespace namedmemory {

// The key of a name, also of one with backslashes.
QString entryKey(const QString &memoryKey, const QString &name);

core::Result<void> remember(RegistryStore &store, const QString &memoryKey, const QString &name,
                            const QStringList &valueNames, const QStringList &texts);
// Empty texts for an unknown name and for a missing or non-text value.
core::Result<QStringList> recall(RegistryStore &store, const QString &memoryKey,
                                 const QString &name, const QStringList &valueNames);
core::Result<QStringList> names(RegistryStore &store, const QString &memoryKey);

} // namespace namedmemory
} // namespace penvaro::platform
