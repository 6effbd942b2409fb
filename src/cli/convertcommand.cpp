#include "arguments.h"
#include "commands.h"

#include "core/accountfile.h"

#include <iostream>

namespace penvaro::cli {

int RunConvert(const std::vector<std::string> &args) {
    const auto parsed = ParseArguments(args, {});
    if (!parsed)
        return ExitUsage;
    if (parsed->positional.size() != 1) {
        PrintError("convert erwartet genau eine Kontodatei im alten Format (*.p02).");
        return ExitUsage;
    }
    const std::string &path = parsed->positional.front();
    if (!core::IsLegacyAccountFileName(path)) {
        PrintError(path + " ist keine Kontodatei im alten Format: Der Name endet nicht auf 02.");
        return ExitUsage;
    }
    core::BookingTable table;
    const auto converted = core::ConvertLegacyFile(path, table);
    if (!converted) {
        PrintError(converted.error().message);
        return ExitFileError;
    }
    std::cout << converted->string() << '\n';
    return ExitOk;
}

} // namespace penvaro::cli
