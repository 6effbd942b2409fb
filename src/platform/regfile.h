#pragma once

#include "core/result.h"
#include "registryvalue.h"

#include <QByteArray>
#include <QString>

#include <cstddef>
#include <vector>

namespace penvaro::platform {

class RegistryStore;

// The registry editor's export format ("Windows Registry Editor Version 5.00"), so that a
// backup can be read by people and tools that know that format.

// UTF-16LE with byte-order mark and CRLF line ends, as the registry editor writes it.
QByteArray FormatRegistryFile(const std::vector<KeyContents> &keys);

// Accepts UTF-16LE with byte-order mark, or UTF-8 with or without one. Sections outside
// HKEY_LOCAL_MACHINE and deletion entries are refused. Errors name the line.
core::Result<std::vector<KeyContents>> ParseRegistryFile(const QByteArray &bytes);

// Writes the key with everything below it. A start password still in its old scrambled form
// is replaced by its hash first.
core::Result<void> ExportRegistryFile(RegistryStore &store, const QString &keyPath,
                                      const QString &filePath);

// A registry file holds settings, suggestion lists and saved recipients: a few hundred kilobytes
// at most. A larger file is no export of this program.
inline constexpr std::size_t MaxRegistryFileBytes = 16 * 1024 * 1024;

// Reads the whole file first and merges it in one transaction: a file with any error changes
// nothing. Every key of the file must lie at or below keyPath, so that a file of another
// program, or a hand-made one, cannot write elsewhere; a file without such a key is refused too.
// A start password in the old scrambled form is replaced by its hash once it is in the store.
core::Result<void> ImportRegistryFile(RegistryStore &store, const QString &filePath,
                                      const QString &keyPath);

} // namespace penvaro::platform
