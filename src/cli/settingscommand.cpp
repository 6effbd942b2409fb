#include "arguments.h"
#include "commands.h"

#include "platform/regfile.h"
#include "platform/registrystore.h"
#include "platform/settingsstore.h"

#include <QFile>

namespace penvaro::cli {

int RunSettings(const std::vector<std::string> &args) {
    const auto parsed = ParseArguments(args, {});
    if (!parsed)
        return ExitUsage;
    const auto &positional = parsed->positional;
    if (positional.size() != 2 || (positional[0] != "export" && positional[0] != "import")) {
        PrintError("settings erwartet export DATEI oder import DATEI.");
        return ExitUsage;
    }
    const QString file = QFile::decodeName(positional[1].c_str());

    auto opening = platform::RegistryStore::Open(platform::RegistryStore::DefaultDatabasePath());
    if (opening.problem)
        PrintError(opening.problem->message);
    platform::RegistryStore &store = *opening.store;
    const auto result = positional[0] == "export"
                            ? platform::ExportRegistryFile(store, platform::ProductKey(), file)
                            : platform::ImportRegistryFile(store, file, platform::ProductKey());
    if (!result) {
        PrintError(result.error().message);
        return ExitFileError;
    }
    return ExitOk;
}

} // namespace penvaro::cli
