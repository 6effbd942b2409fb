#include "settingsbackup.h"

#include "platform/appstate.h"
#include "platform/regfile.h"
#include "platform/registrystore.h"
#include "platform/settingsstore.h"

namespace penvaro::options {

core::Result<void> ExportSettings(platform::AppState &state, const QString &file) {
    state.settingsStore().save();
    return platform::ExportRegistryFile(state.store(), platform::ProductKey(), file);
}

core::Result<void> MergeSettings(platform::AppState &state, const QString &file) {
    if (auto merged = platform::ImportRegistryFile(state.store(), file, platform::ProductKey());
        !merged)
        return merged;
    const core::Settings &running = state.settings();
    if (auto kept = state.store().setValues(
            platform::ProductKey(),
            {{QStringLiteral("Datei"), QString::fromStdString(running.accountFile)},
             {QStringLiteral("Pfad"), QString::fromStdString(running.programFolder)}});
        !kept)
        return kept;
    state.settingsStore().load();
    return {};
}

} // namespace penvaro::options
