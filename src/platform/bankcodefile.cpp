#include "bankcodefile.h"

#include "programfolder.h"

namespace penvaro::platform {

QString BankCodeFilePath() {
    return ProgramFilePath(QStringLiteral("blz.asc"));
}

} // namespace penvaro::platform
