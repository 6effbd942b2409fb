#include "recipientmemory.h"

#include "namedmemory.h"
#include "settingsstore.h"

namespace penvaro::platform {
namespace {

const QStringList valueNames = {QStringLiteral("Kontonr"), QStringLiteral("BLZ"),
                                QStringLiteral("Institut"), QStringLiteral("IBAN"),
                                QStringLiteral("BIC")};
const QStringList accountValueNames = {QStringLiteral("IBAN"), QStringLiteral("BIC")};

} // namespace

RecipientMemory::RecipientMemory(RegistryStore &store)
    : m_store(store) {}

QString RecipientMemory::key() {
    return ProductKey() + QStringLiteral("\\Ueberw");
}

core::Result<void> RecipientMemory::remember(const QString &name,
                                             const RememberedRecipient &recipient) {
    return namedmemory::remember(
        m_store, key(), name, valueNames,
        {recipient.Kontonr, recipient.BLZ, recipient.Institut, recipient.iban, recipient.bic});
}

core::Result<RememberedRecipient> RecipientMemory::recall(const QString &name) {
    auto texts = namedmemory::recall(m_store, key(), name, valueNames);
    if (!texts)
        return texts.error();
    return RememberedRecipient{texts->at(0), texts->at(1), texts->at(2), texts->at(3),
                               texts->at(4)};
}

core::Result<QStringList> RecipientMemory::names() {
    return namedmemory::names(m_store, key());
}

core::Result<void> RecipientMemory::rememberAccount(const QString &name,
                                                    const RecipientAccount &account) {
    return namedmemory::remember(m_store, key(), name, accountValueNames,
                                 {account.IBAN, account.BIC});
}

core::Result<RecipientAccount> RecipientMemory::recallAccount(const QString &name) {
    auto texts = namedmemory::recall(m_store, key(), name, accountValueNames);
    if (!texts)
        return texts.error();
    return RecipientAccount{texts->at(0), texts->at(1)};
}

} // namespace penvaro::platform
