#include "manual.h"

#include "platform/programfolder.h"
#include "platform/uiservice.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace penvaro::widgets {

QString ManualPath() {
    return platform::ProgramFilePath(QStringLiteral("Penvaro 2011 - Handbuch.pdf"));
}

void OpenManual(platform::UiService &ui) {
    const QString path = ManualPath();
    if (!QFileInfo::exists(path)) {
        // It ships with the program; the data folder only holds a copy a user put there.
        const QString shipped =
            QDir::cleanPath(QCoreApplication::applicationDirPath()
                            + QStringLiteral("/../share/penvaro/") + QFileInfo(path).fileName());
        ui.information(QStringLiteral("Das Handbuch wurde nicht gefunden. Es wird hier "
                                      "erwartet:\n%1\noder im Datenordner:\n%2")
                           .arg(QDir::toNativeSeparators(shipped), QDir::toNativeSeparators(path)));
        return;
    }
    if (!ui.openDocument(path))
        ui.information(QStringLiteral("Das Handbuch %1 konnte nicht geöffnet werden: Es ist kein "
                                      "Programm zum Anzeigen von PDF-Dateien eingerichtet.")
                           .arg(QDir::toNativeSeparators(path)));
}

} // namespace penvaro::widgets
