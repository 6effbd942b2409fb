#include "storedtitles.h"

#include "platform/registrystore.h"
#include "platform/settingsstore.h"

namespace penvaro::printing {
namespace {

QString storedTitle(const platform::RegistryStore &store, const QString &key, const QString &name,
                    const QString &fallback) {
    const auto stored = store.value(key, name);
    if (!stored || !stored->has_value())
        return fallback;
    const auto *text = std::get_if<QString>(&**stored);
    return text && !text->isEmpty() ? *text : fallback;
}

} // namespace

QString DefaultCompletedTitle() {
    return QStringLiteral("Penvaro 2011 - Getätigte Buchungen");
}

QString DefaultPlannedTitle() {
    return QStringLiteral("Penvaro 2011 - Geplante Buchungen");
}

core::Result<TableTitles> ReadTableTitles(platform::RegistryStore &store,
                                          const QString &accountFile) {
    const QString key = platform::FileSettingsKey(store, accountFile);
    if (auto opened = store.createKey(key); !opened)
        return opened.error();
    return TableTitles{storedTitle(store, key, QStringLiteral("Titel1"), DefaultCompletedTitle()),
                       storedTitle(store, key, QStringLiteral("Titel2"), DefaultPlannedTitle())};
}

core::Result<void> StoreTableTitles(platform::RegistryStore &store, const QString &accountFile,
                                    const TableTitles &titles) {
    const QString key = platform::FileSettingsKey(store, accountFile);
    if (auto opened = store.createKey(key); !opened)
        return opened;
    return store.setValues(key, {{QStringLiteral("Titel1"), titles.completed},
                                 {QStringLiteral("Titel2"), titles.planned}});
}

} // namespace penvaro::printing
