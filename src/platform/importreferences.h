#pragma once

#include "core/result.h"

#include <QDate>
#include <QString>

#include <set>
#include <string>
#include <vector>

namespace penvaro::platform {

class RegistryStore;

// The reference keys (core::EntryReferenceKey) of the entries imported into an account file,
// so that an entry is recognised when the bank sends it again in its other format. They live
// in the file's settings key, where everything else the program keeps per file lives and
// follows the file when it is converted: the subkey "Importreferenzen" holds one number per
// key, the day count of the day it was last imported. Two years after that day it is dropped,
// so the list never grows beyond two years of statements.
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
