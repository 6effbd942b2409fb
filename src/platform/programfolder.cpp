#include "programfolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace penvaro::platform {

QString ProgramFolder() {
    // A fixed name rather than the application name, so that the folder does not move when
    // the executable is renamed.
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation)
                           + QStringLiteral("/penvaro/");
    QDir().mkpath(folder);
    return folder;
}

QString ProgramFilePath(const QString &name, const QString &dataFolder,
                        const QString &applicationDir) {
    const QString own = QDir(dataFolder).filePath(name);
    if (QFileInfo::exists(own))
        return own;
    const QString shipped =
        QDir::cleanPath(QDir(applicationDir).filePath(QStringLiteral("../share/penvaro/") + name));
    return QFileInfo::exists(shipped) ? shipped : own;
}

QString ProgramFilePath(const QString &name) {
    return ProgramFilePath(name, ProgramFolder(), QCoreApplication::applicationDirPath());
}

} // namespace penvaro::platform
