#pragma once

#include "core/result.h"
#include "registryvalue.h"

#include <QString>
#include <QStringList>

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

struct sqlite3;

namespace penvaro::platform {

// Keys and values in the manner of the registry below HKEY_LOCAL_MACHINE, kept in one SQLite
// file. Key paths are backslash-separated; key and value names compare by Unicode case folding
// and keep the spelling they were first written with. Every change is one transaction, so a
// crash leaves either the old or the new state, and two programs may write at once (the later
// one waits for the earlier one and wins).
class RegistryStore {
public:
    static constexpr qsizetype MaxKeyNameLength = 255;

    struct Opening;

    // The settings file in the user's configuration folder.
    static QString DefaultDatabasePath();

    // Always gives a store. A damaged file is renamed and replaced by an empty store; a file
    // that cannot be opened at all gives a store whose every operation fails. Both cases come
    // with a message for the user.
    static Opening Open(const QString &databasePath);

    ~RegistryStore();
    RegistryStore(const RegistryStore &) = delete;
    RegistryStore &operator=(const RegistryStore &) = delete;

    // False for a store whose file could not be opened at all: every operation fails.
    bool usable() const { return m_db != nullptr; }

    // Opens the key with creating: every missing level is added.
    core::Result<void> createKey(const QString &path);
    // Opens the key without creating.
    core::Result<bool> keyExists(const QString &path) const;
    // The spelling the key's own name was first written with; none for a missing key.
    core::Result<std::optional<QString>> keySpelling(const QString &path) const;
    core::Result<QStringList> subkeyNames(const QString &path) const;
    // Removes the key with all keys and values below it; a missing key is no error.
    core::Result<void> deleteKey(const QString &path);
    // Copies the values and subkeys of one key into another, which is created when missing.
    core::Result<void> copyKey(const QString &fromPath, const QString &toPath);

    // Reading a value of a missing key is an error; a missing value in an existing key is not.
    core::Result<std::optional<RegistryValue>> value(const QString &keyPath,
                                                     const QString &name) const;
    core::Result<QStringList> valueNames(const QString &keyPath) const;
    // Every value of the key in one reading, in the order they were first written.
    core::Result<std::vector<NamedValue>> values(const QString &keyPath) const;
    core::Result<void> setValue(const QString &keyPath, const QString &name,
                                const RegistryValue &value);
    // All values in one transaction: either all of them are written or none.
    core::Result<void> setValues(const QString &keyPath, const std::vector<NamedValue> &values);
    core::Result<void> deleteValue(const QString &keyPath, const QString &name);

    // Runs work as one transaction: its changes through this store are written together, with
    // one sync instead of one per change, or, when work fails, not at all. A change inside it
    // that fails is undone alone and leaves the others, as it would outside.
    core::Result<void> batch(const std::function<core::Result<void>()> &work);

    // The key and every key below it, parents before children, with their values.
    core::Result<std::vector<KeyContents>> readTree(const QString &path) const;
    // Creates the keys and writes the values, all in one transaction.
    core::Result<void> merge(const std::vector<KeyContents> &keys);

private:
    RegistryStore(sqlite3 *db, QString unavailableReason);

    core::Error databaseError() const;
    core::Result<void> ensureAvailable() const;
    core::Result<void> inTransaction(const std::function<core::Result<void>()> &work);

    core::Result<std::optional<std::int64_t>> findKey(const QStringList &names) const;
    core::Result<std::optional<std::int64_t>> findKey(const QString &path) const;
    core::Result<std::int64_t> findExistingKey(const QString &path) const;
    core::Result<std::int64_t> ensureKey(const QStringList &names);
    core::Result<void> writeValue(std::int64_t key, const NamedValue &value);
    core::Result<void> mergeKeys(const std::vector<KeyContents> &keys);
    core::Result<void> collectTree(std::int64_t key, const QString &path,
                                   std::vector<KeyContents> &tree) const;
    core::Result<std::vector<NamedValue>> readValues(std::int64_t key) const;
    core::Result<std::vector<std::pair<std::int64_t, QString>>> readSubkeys(std::int64_t key) const;

    sqlite3 *m_db = nullptr;
    QString m_unavailableReason;
    int m_transactionDepth = 0; // > 0 while a transaction is open; nested ones are savepoints
};

struct RegistryStore::Opening {
    std::unique_ptr<RegistryStore> store;
    std::optional<core::Error> problem; // German, for the error window
};

} // namespace penvaro::platform
