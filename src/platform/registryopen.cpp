#include "registrystore.h"

#include "sqlite.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

#include <sqlite3.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace penvaro::platform {

namespace {

constexpr int BusyTimeoutMilliseconds = 10000;

const char *const Schema = R"sql(
CREATE TABLE IF NOT EXISTS keys(
    id INTEGER PRIMARY KEY,
    parent INTEGER REFERENCES keys(id) ON DELETE CASCADE,
    name TEXT NOT NULL,
    folded TEXT NOT NULL);
CREATE UNIQUE INDEX IF NOT EXISTS keys_by_parent ON keys(parent, folded);
INSERT OR IGNORE INTO keys(id, parent, name, folded)
    VALUES(0, NULL, 'HKEY_LOCAL_MACHINE', 'hkey_local_machine');
CREATE TABLE IF NOT EXISTS vals(
    key INTEGER NOT NULL REFERENCES keys(id) ON DELETE CASCADE,
    name TEXT NOT NULL,
    folded TEXT NOT NULL,
    type INTEGER NOT NULL,
    data,
    PRIMARY KEY(key, folded));
)sql";

enum class Check { Usable, Damaged, Failed };

bool IsDamageCode(int code) {
    return code == SQLITE_NOTADB || code == SQLITE_CORRUPT;
}

// Tells a file that is no database, or not ours, or broken, from one that is merely locked
// or unreadable: only the first kind may be set aside.
Check CheckDatabase(sqlite3 *db, int &failedCode) {
    SqliteStatement quickCheck(db, "PRAGMA quick_check");
    const int code = quickCheck.step();
    failedCode = code == SQLITE_ROW ? SQLITE_OK : code;
    if (IsDamageCode(code))
        return Check::Damaged;
    if (code != SQLITE_ROW)
        return Check::Failed;
    if (quickCheck.text(0) != u"ok")
        return Check::Damaged;

    const int schemaCode = Execute(db, "BEGIN IMMEDIATE");
    failedCode = schemaCode;
    if (schemaCode != SQLITE_OK)
        return IsDamageCode(schemaCode) ? Check::Damaged : Check::Failed;
    const int createCode = Execute(db, Schema);
    failedCode = createCode;
    if (createCode != SQLITE_OK) {
        Execute(db, "ROLLBACK");
        // CREATE ... IF NOT EXISTS only fails on a file of another layout or a broken one.
        return createCode == SQLITE_ERROR || IsDamageCode(createCode) ? Check::Damaged
                                                                      : Check::Failed;
    }
    failedCode = Execute(db, "COMMIT");
    if (failedCode != SQLITE_OK) {
        Execute(db, "ROLLBACK");
        return Check::Failed;
    }
    SqliteStatement keys(db, "SELECT id, parent, name, folded FROM keys LIMIT 0");
    SqliteStatement values(db, "SELECT key, name, folded, type, data FROM vals LIMIT 0");
    if (keys.prepareCode() != SQLITE_OK || values.prepareCode() != SQLITE_OK)
        return Check::Damaged;
    return Check::Usable;
}

QString DescribeSqliteFailure(int code) {
    switch (code & 0xFF) {
    case SQLITE_READONLY:
        return QStringLiteral("sie oder ihr Ordner ist schreibgeschützt");
    case SQLITE_CANTOPEN:
        return QStringLiteral("sie lässt sich nicht öffnen oder anlegen");
    case SQLITE_PERM:
    case SQLITE_AUTH:
        return QStringLiteral("keine Berechtigung");
    case SQLITE_FULL:
        return QStringLiteral("auf dem Datenträger ist kein Platz mehr");
    case SQLITE_BUSY:
    case SQLITE_LOCKED:
        return QStringLiteral("ein anderes Programm hält sie gesperrt");
    case SQLITE_IOERR:
        return QStringLiteral("Ein-/Ausgabefehler des Datenträgers");
    default:
        return QString::fromUtf8(sqlite3_errstr(code));
    }
}

struct Attempt {
    sqlite3 *db = nullptr;
    Check check = Check::Failed;
    QString message;
};

// The store holds account numbers, bank codes and the start password: readable by its owner
// only, as the account files are. SQLite gives its journal the same permissions.
void KeepPrivate(const QString &path) {
    const QByteArray name = QFile::encodeName(path);
    const int fd =
        ::open(name.constData(), O_WRONLY | O_CREAT | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC, 0600);
    if (fd < 0)
        return;
    struct stat info {};
    if (::fstat(fd, &info) == 0 && S_ISREG(info.st_mode) && (info.st_mode & 077) != 0)
        ::fchmod(fd, info.st_mode & 0700);
    ::close(fd);
}

Attempt OpenDatabase(const QString &path) {
    KeepPrivate(path);
    Attempt attempt;
    const int code = sqlite3_open_v2(QFile::encodeName(path).constData(), &attempt.db,
                                     SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr);
    int failedCode = code;
    if (code == SQLITE_OK) {
        sqlite3_busy_timeout(attempt.db, BusyTimeoutMilliseconds);
        Execute(attempt.db, "PRAGMA foreign_keys = ON");
        attempt.check = CheckDatabase(attempt.db, failedCode);
    }
    if (attempt.check != Check::Usable) {
        // The code of the step that failed: after the rollback that follows it, the
        // connection's last message is "not an error".
        attempt.message = DescribeSqliteFailure(failedCode);
        sqlite3_close(attempt.db);
        attempt.db = nullptr;
    }
    return attempt;
}

// Renames the damaged file, and its rollback journal with it, to a name that no file has yet.
QString SetAside(const QString &path) {
    const QString stamp = QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss"));
    QString target = path + QStringLiteral(".beschädigt-") + stamp;
    for (int n = 2;
         QFileInfo::exists(target) || QFileInfo::exists(target + QStringLiteral("-journal")); ++n)
        target = path + QStringLiteral(".beschädigt-") + stamp + u'-' + QString::number(n);
    if (!QFile::rename(path, target))
        return {};
    const QString journal = path + QStringLiteral("-journal");
    if (QFileInfo::exists(journal))
        QFile::rename(journal, target + QStringLiteral("-journal"));
    return target;
}

core::Error OpeningError(const QString &message) {
    return core::Error{core::ErrorKind::Io, message.toStdString()};
}

} // namespace

QString RegistryStore::DefaultDatabasePath() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation)
           + QStringLiteral("/penvaro/einstellungen.sqlite");
}

RegistryStore::Opening RegistryStore::Open(const QString &databasePath) {
    const auto unusable = [&](const QString &reason) {
        const QString message =
            QStringLiteral("Die Einstellungsdatei „%1“ kann nicht benutzt werden (%2). "
                           "Einstellungen werden in dieser Sitzung nicht gespeichert.")
                .arg(QDir::toNativeSeparators(databasePath), reason);
        return Opening{std::unique_ptr<RegistryStore>(new RegistryStore(nullptr, message)),
                       OpeningError(message)};
    };

    QDir().mkpath(QFileInfo(databasePath).absolutePath());
    Attempt attempt = OpenDatabase(databasePath);
    if (attempt.check == Check::Usable)
        return Opening{std::unique_ptr<RegistryStore>(new RegistryStore(attempt.db, {})), {}};
    if (attempt.check == Check::Failed)
        return unusable(attempt.message);

    const QString setAside = SetAside(databasePath);
    if (setAside.isEmpty())
        return unusable(QStringLiteral("beschädigt und kann nicht umbenannt werden"));
    attempt = OpenDatabase(databasePath);
    if (attempt.check != Check::Usable)
        return unusable(attempt.message);
    const QString message =
        QStringLiteral("Die Einstellungsdatei „%1“ war beschädigt. Sie wurde unter dem Namen "
                       "„%2“ aufbewahrt; das Programm beginnt mit den Standardeinstellungen.")
            .arg(QDir::toNativeSeparators(databasePath), QDir::toNativeSeparators(setAside));
    return Opening{std::unique_ptr<RegistryStore>(new RegistryStore(attempt.db, {})),
                   OpeningError(message)};
}

} // namespace penvaro::platform
