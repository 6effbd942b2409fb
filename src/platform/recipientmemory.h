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

// A recipient's SEPA account: IBAN and BIC upper case without blanks, the BIC empty when
// unknown. Kept beside the written form's bank data, so neither overwrites the other.
struct RecipientAccount {
    QString IBAN;
    QString BIC;

    friend bool operator==(const RecipientAccount &, const RecipientAccount &) = default;
};

// The recipients of printed transfers, shared by all account files: the key "Ueberw" below the
// product key, one subkey per recipient named exactly as typed, holding "Kontonr", "BLZ" and
// "Institut", and "IBAN" and "BIC" once a transfer or an imported statement named them. An
// empty name is the "Ueberw" key itself. A name with a backslash would split into nested keys
// and list a recipient that was never printed, so such a name is neither remembered nor
// recalled. The memory only grows.
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

    // Writes "IBAN" and "BIC" alone; the bank data of the written forms stay as they are.
    core::Result<void> rememberAccount(const QString &name, const RecipientAccount &account);
    // Empty texts for a name without a remembered account.
    core::Result<RecipientAccount> recallAccount(const QString &name);

    static QString key();

private:
    RegistryStore &m_store;
};

} // namespace penvaro::platform
