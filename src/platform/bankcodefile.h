#pragma once

#include <QString>

namespace penvaro::platform {

// The bank code file "blz.asc" to read: the one in the data folder when the user keeps one
// there (a newer file brought in with penvaro-cli blz-import), else the one shipped with the
// program in ../share/penvaro/ beside the executable's folder, which holds in the build tree
// (src/app, src/cli and src/share) as when installed (bin and share). When neither exists, the data
// folder's path, so that the error names where the file is looked for.
QString BankCodeFilePath(const QString &dataFolder, const QString &applicationDir);

// The same for this program: ProgramFolder() and QCoreApplication::applicationDirPath(),
// which needs a QCoreApplication.
QString BankCodeFilePath();

} // namespace penvaro::platform
