#include "recipientmemory.h"

#include "platform/registrystore.h"
#include "platform/settingsstore.h"

namespace penvaro::payments {

QString TransferRecipientsKey() {
    return platform::ProductKey() + QStringLiteral("\\Ueberw");
}

QString ChequePayeesKey() {
    return platform::ProductKey() + QStringLiteral("\\Scheck");
}

core::Result<QStringList> RememberedNames(platform::RegistryStore &store, const QString &key) {
    if (auto created = store.createKey(key); !created)
        return created.error();
    return store.subkeyNames(key);
}

core::Result<QStringList> RecallRemembered(platform::RegistryStore &store, const QString &key,
                                           const QString &name,
                                           std::initializer_list<const char16_t *> valueNames) {
    if (auto created = store.createKey(key); !created)
        return created.error();
    QStringList values;
    const QString subkey = name.isEmpty() ? key : key + QLatin1Char('\\') + name;
    const auto exists = store.keyExists(subkey);
    for (const char16_t *valueName : valueNames) {
        QString text;
        if (exists && *exists) {
            const auto value = store.value(subkey, QString::fromUtf16(valueName));
            if (value && *value)
                if (const auto *string = std::get_if<QString>(&**value))
                    text = *string;
        }
        values.append(text);
    }
    return values;
}

} // namespace penvaro::payments
