#include "manual.h"

#include "platform/programfolder.h"
#include "platform/uiservice.h"

#include <QFileInfo>

namespace penvaro::widgets {

QString ManualPath() {
    return platform::ProgramFolder() + QStringLiteral("Penvaro 2011 - Handbuch.pdf");
}

void OpenManual(platform::UiService &ui) {
    const QString path = ManualPath();
    // Without the file the desktop would show a message of its own.
    if (QFileInfo::exists(path))
        static_cast<void>(ui.openDocument(path));
}

} // namespace penvaro::widgets
