#include "arguments.h"

#include <iostream>

namespace penvaro::cli {

std::string Arguments::option(const std::string &name, const std::string &fallback) const {
    const auto it = options.find(name);
    return it == options.end() ? fallback : it->second;
}

std::optional<Arguments> ParseArguments(const std::vector<std::string> &args,
                                        const ArgumentSpec &accepted) {
    Arguments parsed;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string &arg = args[i];
        if (!arg.starts_with("--")) {
            parsed.positional.push_back(arg);
            continue;
        }
        const std::string name = arg.substr(2);
        if (accepted.flagOptions.contains(name)) {
            parsed.flags.insert(name);
        } else if (accepted.valueOptions.contains(name)) {
            if (i + 1 >= args.size()) {
                PrintError("Die Option " + arg + " braucht einen Wert.");
                return std::nullopt;
            }
            parsed.options[name] = args[++i];
        } else {
            PrintError("Unbekannte Option " + arg + ".");
            return std::nullopt;
        }
    }
    return parsed;
}

void PrintError(const std::string &message) {
    std::cerr << "penvaro-cli: " << message << '\n';
}

} // namespace penvaro::cli
