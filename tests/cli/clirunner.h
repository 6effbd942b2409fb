#pragma once

#include <string>
#include <vector>

namespace penvaro::testing {

struct CliRun {
    int status = -1;
    std::string out;
    std::string err;
};

// Runs the built penvaro-cli with the arguments, in a shell-free child, and collects its output.
// Standard output goes to the given file instead when one is named (e.g. /dev/full); out stays
// empty then.
CliRun RunCli(const std::vector<std::string> &args, const std::string &standardOutput = {});

} // namespace penvaro::testing
