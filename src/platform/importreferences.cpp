#include "importreferences.h"

#include "clock.h"
#include "registrystore.h"
#include "settingsstore.h"

namespace penvaro::platform {

ImportReferences::ImportReferences(RegistryStore &store, const QString &accountFile)
    : m_store(store)
    , m_key(FileSettingsKey(store, accountFile) + u'\\' + subkeyName()) {}

QString ImportReferences::subkeyName() {
    return QStringLiteral("Importreferenzen");
}

bool ImportReferences::kept(int rememberedOn, QDate today) const {
    return rememberedOn >= static_cast<int>(DayCountOf(today.addYears(-KeptYears)));
}

core::Result<std::set<std::string>> ImportReferences::read(QDate today) const {
    const auto exists = m_store.keyExists(m_key);
    if (!exists)
        return exists.error();
    std::set<std::string> keys;
    if (!*exists)
        return keys;
    const auto values = m_store.values(m_key);
    if (!values)
        return values.error();
    for (const NamedValue &value : *values) {
        const auto *day = std::get_if<std::int32_t>(&value.value);
        if (day && kept(*day, today))
            keys.insert(value.name.toStdString());
    }
    return keys;
}

core::Result<void> ImportReferences::remember(const std::vector<std::string> &keys, QDate today) {
    if (auto created = m_store.createKey(m_key); !created)
        return created;
    const auto stored = m_store.values(m_key);
    if (!stored)
        return stored.error();
    for (const NamedValue &value : *stored) {
        const auto *day = std::get_if<std::int32_t>(&value.value);
        if (!day || !kept(*day, today)) {
            if (auto dropped = m_store.deleteValue(m_key, value.name); !dropped)
                return dropped;
        }
    }
    std::vector<NamedValue> values;
    const auto day = static_cast<std::int32_t>(DayCountOf(today));
    for (const std::string &key : keys)
        values.push_back({QString::fromStdString(key), day});
    return m_store.setValues(m_key, values);
}

} // namespace penvaro::platform
