#pragma once

#include "core/result.h"

#include <QString>
#include <QStringList>

namespace penvaro::platform {

class RegistryStore;

// A recipient's bank data as last printed.
struct RememberedRecipient {
    QString Kontonr;
    QString BLZ;
    QString Institut;
    QString iban{}; // stored as "IBAN", electronic form
    QString bic{};  // stored as "BIC"

    friend bool operator==(const RememberedRecipient &, const RememberedRecipient &) = default;
};

// The recipients of printed transfers, shared by all account files: the key "Ueberw" below the
// product key, one subkey per recipient named exactly as typed, holding "Kontonr", "BLZ",
// "Institut", "IBAN" and "BIC". An empty name is the "Ueberw" key itself. A name with a backslash
// would split into nested keys and list a recipient that was never printed, so such a name is
// neither remembered nor recalled. The memory only grows.
class RecipientMemory {
public:
    // The numbers of the "Registry-Fehler" window when the memory cannot be reached.
    static constexpr int RememberErrorCode = 26586; // also when recalling
    static constexpr int ListErrorCode = 26588;

    explicit RecipientMemory(RegistryStore &store);

    core::Result<void> remember(const QString &name, const RememberedRecipient &recipient);
    // A name that was never printed, or a missing value, gives empty texts.
    core::Result<RememberedRecipient> recall(const QString &name);
    core::Result<QStringList> names();

    static QString key();

private:
    RegistryStore &m_store;
};

} // namespace penvaro::platform
