#pragma once

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <string>
#include <vector>

#include "scratch.h"

extern char** environ;

struct CliRun {
    int status = -1;  // exit status; -1 when the program did not exit normally
    std::string out;
    std::string err;
};

// Where the program's standard output goes: a file the run captures, a full device, or
// nowhere (closed).
enum class Output { kCaptured, kFull, kClosed };

// Runs the built knollwork-cli with the arguments in folder, capturing both streams.
inline CliRun RunCli(const ScratchDir& folder, const std::vector<std::string>& arguments,
                     Output output = Output::kCaptured) {
    std::string outPath = folder / ".stdout", errPath = folder / ".stderr";
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    if (output == Output::kCaptured) {
        posix_spawn_file_actions_addopen(&actions, 1, outPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    } else if (output == Output::kFull) {
        posix_spawn_file_actions_addopen(&actions, 1, "/dev/full", O_WRONLY, 0);
    } else {
        posix_spawn_file_actions_addclose(&actions, 1);
    }
    posix_spawn_file_actions_addopen(&actions, 2, errPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    std::vector<char*> argv{const_cast<char*>(KNOLL_CLI_PATH)};
    for (const std::string& argument : arguments) argv.push_back(const_cast<char*>(argument.c_str()));
    argv.push_back(nullptr);
    std::string cwd = std::filesystem::current_path();
    std::filesystem::current_path(folder.path());
    pid_t pid = -1;
    int spawned = posix_spawn(&pid, KNOLL_CLI_PATH, &actions, nullptr, argv.data(), environ);
    std::filesystem::current_path(cwd);
    posix_spawn_file_actions_destroy(&actions);
    CliRun run;
    int status = 0;
    if (spawned == 0 && waitpid(pid, &status, 0) == pid && WIFEXITED(status)) run.status = WEXITSTATUS(status);
    std::vector<uint8_t> out = ReadBytes(outPath), err = ReadBytes(errPath);
    run.out.assign(out.begin(), out.end());
    run.err.assign(err.begin(), err.end());
    std::filesystem::remove(outPath);
    std::filesystem::remove(errPath);
    return run;
}
