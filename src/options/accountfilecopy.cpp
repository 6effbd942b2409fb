#include "accountfilecopy.h"

#include "core/savedtransferfile.h"
#include "platform/companion.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

namespace penvaro::options {
namespace {

void copyInto(const QDir &target, const QString &path, BackupReport &report) {
    const QString copy = target.filePath(QFileInfo(path).fileName());
    if (QFileInfo::exists(copy)) {
        report.uncopied.push_back(
            {path, QStringLiteral("Im Verzeichnis gibt es schon eine Datei "
                                  "dieses Namens; sie bleibt, wie sie ist.")});
        return;
    }
    // Copies through a temporary file and refuses to replace a file that appears meanwhile.
    QFile source(path);
    if (source.copy(copy))
        report.copied.append(path);
    else
        report.uncopied.push_back({path, source.errorString()});
}

// The saved transfers of an account file, when it has any.
QString savedTransfersOf(const QString &accountFile) {
    const auto name = core::SavedTransferFileName(QFile::encodeName(accountFile).toStdString());
    if (!name)
        return {};
    const QString path = QFile::decodeName(QByteArray::fromStdString(name->native()));
    return QFileInfo::exists(path) && path != accountFile ? path : QString();
}

QString companionOf(const QString &accountFile) {
    const auto name = platform::Companion::PathOf(QFile::encodeName(accountFile).toStdString());
    const QString path = QFile::decodeName(QByteArray::fromStdString(name.native()));
    return QFileInfo::exists(path) ? path : QString();
}

} // namespace

QString FolderWithSeparator(const QString &folder) {
    const QString separator = QDir::toNativeSeparators(QStringLiteral("/"));
    return folder.endsWith(separator) ? folder : folder + separator;
}

QString DefaultBackupFolder() {
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return QDir::toNativeSeparators(QDir(documents).filePath(QStringLiteral("Penvaro-Sicherung")));
}

BackupReport CopyAccountFiles(const QStringList &files, const QString &folder) {
    BackupReport report;
    report.folder = folder;
    const QDir target(QDir::fromNativeSeparators(folder));
    if (!target.exists() && !QDir().mkpath(target.path())) {
        for (const QString &path : files)
            report.uncopied.push_back(
                {path, QStringLiteral("Das Verzeichnis lässt sich nicht anlegen.")});
        return report;
    }
    for (const QString &path : files) {
        copyInto(target, path, report);
        if (const QString templates = savedTransfersOf(path); !templates.isEmpty())
            copyInto(target, templates, report);
        // The whole texts and import references belong to the bookings: a copy without them
        // would import the same statements again.
        if (const QString companion = companionOf(path); !companion.isEmpty())
            copyInto(target, companion, report);
    }
    return report;
}

QString BackupMessage(const BackupReport &report) {
    QString message;
    if (!report.copied.isEmpty()) {
        message = QStringLiteral("Gesichert in %1:").arg(QDir::toNativeSeparators(report.folder));
        for (const QString &path : report.copied)
            message += QStringLiteral("\n%1").arg(QDir::toNativeSeparators(path));
    }
    if (!report.uncopied.empty()) {
        if (!message.isEmpty())
            message += QStringLiteral("\n\n");
        message += QStringLiteral("Nicht gesichert wurden:");
        for (const UncopiedFile &file : report.uncopied)
            message +=
                QStringLiteral("\n%1: %2").arg(QDir::toNativeSeparators(file.path), file.reason);
    }
    return message;
}

} // namespace penvaro::options
