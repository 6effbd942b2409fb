#include "programfolder.h"

#include <QDir>
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

} // namespace penvaro::platform
