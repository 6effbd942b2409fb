#include "settingsdatabase.h"

#include "platform/uiservice.h"

namespace penvaro::ledger {

std::unique_ptr<platform::RegistryStore> OpenSettingsDatabase(platform::UiService &ui,
                                                              const QString &databasePath) {
    platform::RegistryStore::Opening opening = platform::RegistryStore::Open(databasePath);
    if (opening.problem)
        platform::ShowError(ui, ErrorSettingsFile,
                            QString::fromStdString(opening.problem->message));
    return std::move(opening.store);
}

} // namespace penvaro::ledger
