#include "bankcodefile.h"

#include "programfolder.h"

namespace penvaro::platform {

QString BankCodeFilePath(const QString &dataFolder, const QString &applicationDir) {
    return ProgramFilePath(QStringLiteral("blz.asc"), dataFolder, applicationDir);
}

QString BankCodeFilePath() {
    return ProgramFilePath(QStringLiteral("blz.asc"));
}

} // namespace penvaro::platform
