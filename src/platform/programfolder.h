#pragma once

#include <QString>

namespace penvaro::platform {

// The folder of the program's own files (account register, bank code file, manual), below the
// user's data folder, with a trailing slash so that a file name can be appended directly.
// Created when missing.
QString ProgramFolder();

// A file the program ships (the bank code file, the manual): the one in the data folder when the
// user keeps one there, else the one shipped with the program in ../share/penvaro/ beside the
// executable's folder, which holds in the build tree (src/app, src/cli and src/share) as when
// installed (bin and share). When neither exists, the data folder's path, so that a message
// names where the file is looked for.
QString ProgramFilePath(const QString &name, const QString &dataFolder,
                        const QString &applicationDir);

// The same for this program: ProgramFolder() and QCoreApplication::applicationDirPath(), which
// needs a QCoreApplication.
QString ProgramFilePath(const QString &name);

} // namespace penvaro::platform
