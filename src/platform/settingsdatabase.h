#pragma once

#include "registrystore.h"

#include <cstdint>
#include <memory>

namespace penvaro::platform {

class UiService;

// Shown when the settings file was damaged and set aside, or cannot be used at all.
inline constexpr std::int32_t ErrorSettingsFile = 310;

// Opens the settings store (in the program: RegistryStore::DefaultDatabasePath()) and tells the
// user in the error window when the file had to be set aside or cannot be used. The program goes on
// in every case.
std::unique_ptr<RegistryStore> OpenSettingsDatabase(UiService &ui, const QString &databasePath);

} // namespace penvaro::platform
