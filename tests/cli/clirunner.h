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
CliRun RunCli(const std::vector<std::string> &args);

} // namespace penvaro::testing
