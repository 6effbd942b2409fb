#pragma once

#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

namespace penvaro::cli {

// Exit statuses shared by all commands.
inline constexpr int ExitOk = 0;
inline constexpr int ExitFileError = 1;
inline constexpr int ExitUsage = 2;

struct Arguments {
    std::vector<std::string> positional;
    std::map<std::string, std::string> options; // "--name value", stored without the dashes
    std::set<std::string> flags;                // "--name" alone

    std::string option(const std::string &name, const std::string &fallback) const;
};

struct ArgumentSpec {
    std::set<std::string> valueOptions;
    std::set<std::string> flagOptions;
};

// Fails (and prints the reason on stderr) on an unknown option or one without its value.
std::optional<Arguments> ParseArguments(const std::vector<std::string> &args,
                                        const ArgumentSpec &accepted);

// Prints "penvaro-cli: message" on stderr.
void PrintError(const std::string &message);

} // namespace penvaro::cli
