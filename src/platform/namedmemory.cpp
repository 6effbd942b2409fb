#include "namedmemory.h"

#include "registrystore.h"
#include "textkeys.h"

#include <vector>

namespace penvaro::platform::namedmemory {

QString entryKey(const QString &memoryKey, const QString &name) {
    if (name.isEmpty())
        return memoryKey;
    return memoryKey + u'\\' + KeyNameOfText(name);
}

core::Result<void> remember(RegistryStore &store, const QString &memoryKey, const QString &name,
                            const QStringList &valueNames, const QStringList &texts) {
    if (auto opened = store.createKey(memoryKey); !opened)
        return opened;
    const auto key =
        name.isEmpty() ? core::Result<QString>(memoryKey) : CreateTextKey(store, memoryKey, name);
    if (!key)
        return key.error();
    std::vector<NamedValue> values;
    for (qsizetype i = 0; i < valueNames.size(); ++i)
        values.push_back({valueNames[i], texts.value(i)});
    return store.setValues(*key, values);
}

core::Result<QStringList> recall(RegistryStore &store, const QString &memoryKey,
                                 const QString &name, const QStringList &valueNames) {
    if (auto opened = store.createKey(memoryKey); !opened)
        return opened.error();
    QStringList texts(valueNames.size());
    const QString key = entryKey(memoryKey, name);
    // A name too long to be a key was never remembered either.
    if (name.size() > RegistryStore::MaxKeyNameLength)
        return texts;
    auto exists = store.keyExists(key);
    if (!exists)
        return exists.error();
    if (!*exists)
        return texts;
    for (qsizetype i = 0; i < valueNames.size(); ++i) {
        auto value = store.value(key, valueNames[i]);
        if (!value)
            return value.error();
        if (*value && std::holds_alternative<QString>(**value))
            texts[i] = std::get<QString>(**value);
    }
    return texts;
}

core::Result<QStringList> names(RegistryStore &store, const QString &memoryKey) {
    if (auto opened = store.createKey(memoryKey); !opened)
        return opened.error();
    return SubkeyTexts(store, memoryKey);
}

} // namespace penvaro::platform::namedmemory
