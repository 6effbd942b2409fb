#include "registrystore.h"

#include "registrykeypath.h"
#include "sqlite.h"

#include <sqlite3.h>

#include <type_traits>

namespace penvaro::platform {

namespace {

constexpr std::int64_t RootKey = 0;

QString ChildPath(const QString &path, const QString &name) {
    return path.isEmpty() ? name : path + u'\\' + name;
}

bool StartsWithKeys(const QStringList &names, const QStringList &prefix) {
    if (prefix.size() > names.size())
        return false;
    for (qsizetype i = 0; i < prefix.size(); ++i) {
        if (names[i].toCaseFolded() != prefix[i].toCaseFolded())
            return false;
    }
    return true;
}

} // namespace

RegistryStore::RegistryStore(sqlite3 *db, QString unavailableReason)
    : m_db(db)
    , m_unavailableReason(std::move(unavailableReason)) {}

RegistryStore::~RegistryStore() {
    sqlite3_close(m_db);
}

core::Error RegistryStore::databaseError() const {
    return core::Error{core::ErrorKind::Io, QStringLiteral("Der Einstellungsspeicher meldet: %1")
                                                .arg(LastSqliteMessage(m_db))
                                                .toStdString()};
}

core::Result<void> RegistryStore::ensureAvailable() const {
    if (m_db == nullptr)
        return core::Error{core::ErrorKind::Io, m_unavailableReason.toStdString()};
    return {};
}

core::Result<void> RegistryStore::inTransaction(const std::function<core::Result<void>()> &work) {
    if (auto available = ensureAvailable(); !available)
        return available;
    const bool nested = m_transactionDepth > 0;
    // IMMEDIATE takes the write lock at once, so a second writer waits in the busy handler
    // instead of failing when it upgrades a read lock.
    if (Execute(m_db, nested ? "SAVEPOINT nested" : "BEGIN IMMEDIATE") != SQLITE_OK)
        return databaseError();
    ++m_transactionDepth;
    core::Result<void> result = work();
    --m_transactionDepth;
    if (result && Execute(m_db, nested ? "RELEASE nested" : "COMMIT") == SQLITE_OK)
        return result;
    if (result)
        result = databaseError();
    if (nested) {
        Execute(m_db, "ROLLBACK TO nested");
        Execute(m_db, "RELEASE nested");
    } else {
        Execute(m_db, "ROLLBACK");
    }
    return result;
}

core::Result<void> RegistryStore::batch(const std::function<core::Result<void>()> &work) {
    return inTransaction(work);
}

core::Result<std::optional<std::int64_t>> RegistryStore::findKey(const QStringList &names) const {
    if (auto available = ensureAvailable(); !available)
        return available.error();
    std::int64_t key = RootKey;
    SqliteStatement find(m_db, "SELECT id FROM keys WHERE parent = ?1 AND folded = ?2");
    for (const QString &name : names) {
        find.reset();
        find.bind(1, key);
        find.bind(2, name.toCaseFolded());
        const int code = find.step();
        if (code == SQLITE_DONE)
            return std::optional<std::int64_t>{};
        if (code != SQLITE_ROW)
            return databaseError();
        key = find.int64(0);
    }
    return std::optional<std::int64_t>{key};
}

core::Result<std::optional<std::int64_t>> RegistryStore::findKey(const QString &path) const {
    auto names = SplitKeyPath(path);
    if (!names)
        return names.error();
    return findKey(*names);
}

core::Result<std::int64_t> RegistryStore::findExistingKey(const QString &path) const {
    auto key = findKey(path);
    if (!key)
        return key.error();
    if (!key->has_value())
        return core::Error{
            core::ErrorKind::Invalid,
            QStringLiteral("Der Schlüssel „%1“ ist nicht vorhanden.").arg(path).toStdString()};
    return **key;
}

core::Result<std::int64_t> RegistryStore::ensureKey(const QStringList &names) {
    std::int64_t key = RootKey;
    SqliteStatement find(m_db, "SELECT id FROM keys WHERE parent = ?1 AND folded = ?2");
    SqliteStatement insert(m_db, "INSERT INTO keys(parent, name, folded) VALUES(?1, ?2, ?3)");
    for (const QString &name : names) {
        find.reset();
        find.bind(1, key);
        find.bind(2, name.toCaseFolded());
        const int code = find.step();
        if (code == SQLITE_ROW) {
            key = find.int64(0);
            continue;
        }
        if (code != SQLITE_DONE)
            return databaseError();
        insert.reset();
        insert.bind(1, key);
        insert.bind(2, name);
        insert.bind(3, name.toCaseFolded());
        if (insert.step() != SQLITE_DONE)
            return databaseError();
        key = sqlite3_last_insert_rowid(m_db);
    }
    return key;
}

core::Result<void> RegistryStore::createKey(const QString &path) {
    auto names = SplitKeyPath(path);
    if (!names)
        return names.error();
    return inTransaction([&]() -> core::Result<void> {
        auto key = ensureKey(*names);
        if (!key)
            return key.error();
        return {};
    });
}

core::Result<bool> RegistryStore::keyExists(const QString &path) const {
    auto key = findKey(path);
    if (!key)
        return key.error();
    return key->has_value();
}

core::Result<std::optional<QString>> RegistryStore::keySpelling(const QString &path) const {
    auto key = findKey(path);
    if (!key)
        return key.error();
    if (!key->has_value() || **key == RootKey)
        return std::optional<QString>{};
    SqliteStatement select(m_db, "SELECT name FROM keys WHERE id = ?1");
    select.bind(1, **key);
    if (select.step() != SQLITE_ROW)
        return databaseError();
    return std::optional<QString>{select.text(0)};
}

core::Result<std::vector<std::pair<std::int64_t, QString>>>
RegistryStore::readSubkeys(std::int64_t key) const {
    SqliteStatement select(m_db, "SELECT id, name FROM keys WHERE parent = ?1 ORDER BY folded");
    select.bind(1, key);
    std::vector<std::pair<std::int64_t, QString>> subkeys;
    int code = SQLITE_ROW;
    while ((code = select.step()) == SQLITE_ROW)
        subkeys.emplace_back(select.int64(0), select.text(1));
    if (code != SQLITE_DONE)
        return databaseError();
    return subkeys;
}

core::Result<QStringList> RegistryStore::subkeyNames(const QString &path) const {
    auto key = findExistingKey(path);
    if (!key)
        return key.error();
    auto subkeys = readSubkeys(*key);
    if (!subkeys)
        return subkeys.error();
    QStringList names;
    for (const auto &subkey : *subkeys)
        names.append(subkey.second);
    return names;
}

core::Result<void> RegistryStore::deleteKey(const QString &path) {
    auto names = SplitKeyPath(path);
    if (!names)
        return names.error();
    if (names->isEmpty())
        return InvalidName(QStringLiteral("HKEY_LOCAL_MACHINE selbst kann nicht gelöscht werden."));
    return inTransaction([&]() -> core::Result<void> {
        auto key = findKey(*names);
        if (!key)
            return key.error();
        if (!key->has_value())
            return {};
        // The foreign keys cascade the deletion to every key and value below.
        SqliteStatement remove(m_db, "DELETE FROM keys WHERE id = ?1");
        remove.bind(1, **key);
        if (remove.step() != SQLITE_DONE)
            return databaseError();
        return {};
    });
}

core::Result<void> RegistryStore::copyKey(const QString &fromPath, const QString &toPath) {
    auto fromNames = SplitKeyPath(fromPath);
    if (!fromNames)
        return fromNames.error();
    auto toNames = SplitKeyPath(toPath);
    if (!toNames)
        return toNames.error();
    if (StartsWithKeys(*toNames, *fromNames))
        return InvalidName(QStringLiteral("Der Schlüssel „%1“ kann nicht in sich selbst kopiert "
                                          "werden.")
                               .arg(fromPath));
    return inTransaction([&]() -> core::Result<void> {
        auto from = findExistingKey(fromPath);
        if (!from)
            return from.error();
        std::vector<KeyContents> tree;
        if (auto collected = collectTree(*from, toPath, tree); !collected)
            return collected;
        return mergeKeys(tree);
    });
}

core::Result<std::optional<RegistryValue>> RegistryStore::value(const QString &keyPath,
                                                                const QString &name) const {
    auto key = findExistingKey(keyPath);
    if (!key)
        return key.error();
    SqliteStatement select(m_db, "SELECT type, data FROM vals WHERE key = ?1 AND folded = ?2");
    select.bind(1, *key);
    select.bind(2, name.toCaseFolded());
    const int code = select.step();
    if (code == SQLITE_DONE)
        return std::optional<RegistryValue>{};
    if (code != SQLITE_ROW)
        return databaseError();
    switch (static_cast<RegistryType>(select.int64(0))) {
    case RegistryType::String:
        return std::optional<RegistryValue>{select.text(1)};
    case RegistryType::Integer:
        return std::optional<RegistryValue>{static_cast<std::int32_t>(select.int64(1))};
    case RegistryType::Binary:
        return std::optional<RegistryValue>{select.blob(1)};
    }
    return core::Error{
        core::ErrorKind::Invalid,
        QStringLiteral("Der Wert „%1“ hat einen unbekannten Typ.").arg(name).toStdString()};
}

core::Result<std::vector<NamedValue>> RegistryStore::readValues(std::int64_t key) const {
    // Values come back in the order they were first written, as the registry lists them.
    SqliteStatement select(m_db, "SELECT name, type, data FROM vals WHERE key = ?1 ORDER BY rowid");
    select.bind(1, key);
    std::vector<NamedValue> values;
    int code = SQLITE_ROW;
    while ((code = select.step()) == SQLITE_ROW) {
        const QString name = select.text(0);
        switch (static_cast<RegistryType>(select.int64(1))) {
        case RegistryType::String:
            values.push_back({name, select.text(2)});
            break;
        case RegistryType::Integer:
            values.push_back({name, static_cast<std::int32_t>(select.int64(2))});
            break;
        case RegistryType::Binary:
            values.push_back({name, select.blob(2)});
            break;
        }
    }
    if (code != SQLITE_DONE)
        return databaseError();
    return values;
}

core::Result<std::vector<NamedValue>> RegistryStore::values(const QString &keyPath) const {
    auto key = findExistingKey(keyPath);
    if (!key)
        return key.error();
    return readValues(*key);
}

core::Result<QStringList> RegistryStore::valueNames(const QString &keyPath) const {
    auto values = this->values(keyPath);
    if (!values)
        return values.error();
    QStringList names;
    for (const NamedValue &value : *values)
        names.append(value.name);
    return names;
}

core::Result<void> RegistryStore::writeValue(std::int64_t key, const NamedValue &value) {
    if (auto checked = CheckValueName(value.name); !checked)
        return checked;
    // The upsert keeps the row, so the first spelling of the name and its place in the
    // listing stay.
    SqliteStatement upsert(m_db, "INSERT INTO vals(key, name, folded, type, data) "
                                 "VALUES(?1, ?2, ?3, ?4, ?5) ON CONFLICT(key, folded) "
                                 "DO UPDATE SET type = excluded.type, data = excluded.data");
    upsert.bind(1, key);
    upsert.bind(2, value.name);
    upsert.bind(3, value.name.toCaseFolded());
    upsert.bind(4, static_cast<std::int64_t>(TypeOf(value.value)));
    std::visit([&](const auto &data) { upsert.bind(5, data); }, value.value);
    if (upsert.step() != SQLITE_DONE)
        return databaseError();
    return {};
}

core::Result<void> RegistryStore::setValue(const QString &keyPath, const QString &name,
                                           const RegistryValue &value) {
    return setValues(keyPath, {NamedValue{name, value}});
}

core::Result<void> RegistryStore::setValues(const QString &keyPath,
                                            const std::vector<NamedValue> &values) {
    return inTransaction([&]() -> core::Result<void> {
        auto key = findExistingKey(keyPath);
        if (!key)
            return key.error();
        for (const NamedValue &value : values) {
            if (auto written = writeValue(*key, value); !written)
                return written;
        }
        return {};
    });
}

core::Result<void> RegistryStore::deleteValue(const QString &keyPath, const QString &name) {
    return inTransaction([&]() -> core::Result<void> {
        auto key = findExistingKey(keyPath);
        if (!key)
            return key.error();
        SqliteStatement remove(m_db, "DELETE FROM vals WHERE key = ?1 AND folded = ?2");
        remove.bind(1, *key);
        remove.bind(2, name.toCaseFolded());
        if (remove.step() != SQLITE_DONE)
            return databaseError();
        return {};
    });
}

core::Result<void> RegistryStore::collectTree(std::int64_t key, const QString &path,
                                              std::vector<KeyContents> &tree) const {
    auto values = readValues(key);
    if (!values)
        return values.error();
    tree.push_back({path, std::move(*values)});
    auto subkeys = readSubkeys(key);
    if (!subkeys)
        return subkeys.error();
    for (const auto &[subkey, name] : *subkeys) {
        if (auto collected = collectTree(subkey, ChildPath(path, name), tree); !collected)
            return collected;
    }
    return {};
}

core::Result<std::vector<KeyContents>> RegistryStore::readTree(const QString &path) const {
    auto key = findExistingKey(path);
    if (!key)
        return key.error();
    // One read transaction, so that a writer in another program cannot change the tree halfway.
    if (Execute(m_db, "BEGIN") != SQLITE_OK)
        return databaseError();
    std::vector<KeyContents> tree;
    auto collected = collectTree(*key, path, tree);
    Execute(m_db, "COMMIT");
    if (!collected)
        return collected.error();
    return tree;
}

core::Result<void> RegistryStore::mergeKeys(const std::vector<KeyContents> &keys) {
    for (const KeyContents &contents : keys) {
        auto names = SplitKeyPath(contents.path);
        if (!names)
            return names.error();
        auto key = ensureKey(*names);
        if (!key)
            return key.error();
        for (const NamedValue &value : contents.values) {
            if (auto written = writeValue(*key, value); !written)
                return written;
        }
    }
    return {};
}

core::Result<void> RegistryStore::merge(const std::vector<KeyContents> &keys) {
    return inTransaction([&] { return mergeKeys(keys); });
}

} // namespace penvaro::platform
