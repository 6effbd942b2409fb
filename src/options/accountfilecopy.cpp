#include "accountfilecopy.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace penvaro::options {

QString FolderWithSeparator(const QString &folder) {
    const QString separator = QDir::toNativeSeparators(QStringLiteral("/"));
    return folder.endsWith(separator) ? folder : folder + separator;
}

std::vector<UncopiedFile> CopyAccountFiles(const QStringList &files, const QString &folder) {
    std::vector<UncopiedFile> uncopied;
    const QDir target(QDir::fromNativeSeparators(folder));
    for (const QString &path : files) {
        const QString copy = target.filePath(QFileInfo(path).fileName());
        if (QFileInfo::exists(copy)) {
            uncopied.push_back({path, QStringLiteral("Im Verzeichnis gibt es schon eine Datei "
                                                     "dieses Namens; sie bleibt, wie sie ist.")});
            continue;
        }
        // Copies through a temporary file and refuses to replace a file that appears meanwhile.
        QFile source(path);
        if (!source.copy(copy))
            uncopied.push_back({path, source.errorString()});
    }
    return uncopied;
}

QString UncopiedMessage(const std::vector<UncopiedFile> &uncopied) {
    if (uncopied.empty())
        return {};
    QString message = QStringLiteral("Nicht gesichert wurden:");
    for (const UncopiedFile &file : uncopied)
        message += QStringLiteral("\n%1: %2").arg(QDir::toNativeSeparators(file.path), file.reason);
    return message;
}

} // namespace penvaro::options
