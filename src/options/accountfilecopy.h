#pragma once

#include <QString>
#include <QStringList>

#include <vector>

namespace penvaro::options {

// An account file that was not copied, and why, in German.
struct UncopiedFile {
    QString path;
    QString reason;

    friend bool operator==(const UncopiedFile &, const UncopiedFile &) = default;
};

// The folder as the target of copies: with a separator at its end.
QString FolderWithSeparator(const QString &folder);

// Copies each file into the folder under its own name, in the order given. A file of that name
// already in the folder is never replaced: an earlier backup stays as it was.
std::vector<UncopiedFile> CopyAccountFiles(const QStringList &files, const QString &folder);

// The one message that names every file not copied; empty when all were copied.
QString UncopiedMessage(const std::vector<UncopiedFile> &uncopied);

} // namespace penvaro::options
