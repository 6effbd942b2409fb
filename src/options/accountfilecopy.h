#pragma once

#include <QString>
#include <QStringList>

#include <vector>

namespace penvaro::options {

// A file that was not copied, and why, in German.
struct UncopiedFile {
    QString path;
    QString reason;

    friend bool operator==(const UncopiedFile &, const UncopiedFile &) = default;
};

// What a backup copied and what it left.
struct BackupReport {
    QString folder;
    QStringList copied; // the files copied, as given
    std::vector<UncopiedFile> uncopied;
};

// The folder as the target of copies: with a separator at its end.
QString FolderWithSeparator(const QString &folder);

// Where backups go until the user has chosen a folder: "Penvaro-Sicherung" in the user's
// documents.
QString DefaultBackupFolder();

// Copies each account file into the folder under its own name, in the order given, and with it
// the file of its saved transfers (giro.pv beside giro.p11) and its companion (giro.p11.pvdb)
// when it has them. The folder is
// created when it is missing. A file of that name already in the folder is never replaced: an
// earlier backup stays as it was.
BackupReport CopyAccountFiles(const QStringList &files, const QString &folder);

// The one message that says what was copied and what was not, and why.
QString BackupMessage(const BackupReport &report);

} // namespace penvaro::options
