#pragma once

#include "core/result.h"

#include <QDate>
#include <QString>

#include <set>
#include <string>
#include <vector>

namespace penvaro::platform {

class RegistryStore;

// The reference keys (core::EntryReferenceKey) of the entries imported into an account file
// by earlier versions, in the file's settings key: the subkey "Importreferenzen" holds one
// number per key, the day count of the day it was last imported. Two years after that day it
// is dropped. They are still read, so that an entry imported then is not imported again; new
// ones go into the account's companion file, which is written together with the bookings.
class ImportReferences {
public:
    static constexpr int KeptYears = 2;

    ImportReferences(RegistryStore &store, const QString &accountFile);

    // The keys not yet dropped on the day; none for a file that never imported anything.
    core::Result<std::set<std::string>> read(QDate today) const;
    // Remembers the keys as imported on the day and drops what is older than two years.
    core::Result<void> remember(const std::vector<std::string> &keys, QDate today);

    static QString subkeyName();

private:
    bool kept(int rememberedOn, QDate today) const;

    RegistryStore &m_store;
    QString m_key;
};

} // namespace penvaro::platform
