#include "settingsbackup.h"

#include "platform/appstate.h"
#include "platform/regfile.h"
#include "platform/registrystore.h"
#include "platform/settingsstore.h"

namespace penvaro::options {

core::Result<void> ExportSettings(platform::AppState &state, const QString &file) {
    state.settingsStore().SaveSettings();
    return platform::ExportRegistryFile(state.store(), platform::ProductKey(), file);
}

core::Result<void> MergeSettings(platform::AppState &state, const QString &file) {
    if (auto merged = platform::ImportRegistryFile(state.store(), file, platform::ProductKey());
        !merged)
        return merged;
    const core::Settings &running = state.settings();
    if (auto kept = state.store().setValues(
            platform::ProductKey(),
            {{QStringLiteral("Datei"), QString::fromStdString(running.Datei)},
             {QStringLiteral("Pfad"), QString::fromStdString(running.Pfad)}});
        !kept)
        return kept;
    state.settingsStore().LoadSettings();
    return {};
}

} // namespace penvaro::options
