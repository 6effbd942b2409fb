#pragma once

#include "core/result.h"

#include <QString>
#include <QStringList>

namespace penvaro::platform {

// The key names of a backslash-separated path; an empty path is HKEY_LOCAL_MACHINE itself.
// Refuses an empty name between backslashes and a name longer than the registry allows.
core::Result<QStringList> SplitKeyPath(const QString &path);

// Value names may hold backslashes; only their length is limited.
core::Result<void> CheckValueName(const QString &name);

core::Error InvalidName(const QString &message);

} // namespace penvaro::platform
