#include "bankcodefile.h"

#include "programfolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace penvaro::platform {

QString BankCodeFilePath(const QString &dataFolder, const QString &applicationDir) {
    const QString own = QDir(dataFolder).filePath(QStringLiteral("blz.asc"));
    if (QFileInfo::exists(own))
        return own;
    const QString shipped =
        QDir::cleanPath(QDir(applicationDir).filePath(QStringLiteral("../share/penvaro/blz.asc")));
    return QFileInfo::exists(shipped) ? shipped : own;
}

QString BankCodeFilePath() {
    return BankCodeFilePath(ProgramFolder(), QCoreApplication::applicationDirPath());
}

} // namespace penvaro::platform
