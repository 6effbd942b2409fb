#include "settingsdatabase.h"

#include "platform/uiservice.h"

namespace penvaro::platform {

std::unique_ptr<RegistryStore> OpenSettingsDatabase(UiService &ui, const QString &databasePath) {
    RegistryStore::Opening opening = RegistryStore::Open(databasePath);
    if (opening.problem)
        platform::ShowError(ui, ErrorSettingsFile,
                            QString::fromStdString(opening.problem->message));
    return std::move(opening.store);
}

} // namespace penvaro::platform
