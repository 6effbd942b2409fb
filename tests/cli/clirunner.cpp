#include "clirunner.h"

#include "support/tempdir.h"

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>

namespace penvaro::testing {

CliRun RunCli(const std::vector<std::string> &args, const std::string &standardOutput) {
    TempDir dir;
    const std::string outPath = standardOutput.empty() ? dir.path("out").string() : standardOutput;
    const std::string errPath = dir.path("err").string();

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, outPath.c_str(), O_WRONLY | O_CREAT, 0600);
    posix_spawn_file_actions_addopen(&actions, 2, errPath.c_str(), O_WRONLY | O_CREAT, 0600);

    std::vector<std::string> argvStrings = {PENVARO_CLI_PATH};
    argvStrings.insert(argvStrings.end(), args.begin(), args.end());
    std::vector<char *> argv;
    for (std::string &a : argvStrings)
        argv.push_back(a.data());
    argv.push_back(nullptr);

    CliRun run;
    pid_t pid = 0;
    if (posix_spawn(&pid, PENVARO_CLI_PATH, &actions, nullptr, argv.data(), environ) == 0) {
        int status = 0;
        waitpid(pid, &status, 0);
        run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }
    posix_spawn_file_actions_destroy(&actions);
    const auto err = ReadBytes(errPath);
    if (standardOutput.empty()) {
        const auto out = ReadBytes(outPath);
        run.out.assign(out.begin(), out.end());
    }
    run.err.assign(err.begin(), err.end());
    return run;
}

} // namespace penvaro::testing
