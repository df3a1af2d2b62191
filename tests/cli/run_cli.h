// Runs the built lumivane-cli as a user runs it, on an emulated system of the test's choosing.
#pragma once

#include <chrono>
#include <csignal>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <spawn.h>
#include <sstream>
#include <string>
#include <string_view>
#include <sys/wait.h>
#include <thread>
#include <vector>

extern char** environ;

namespace lumivane::testing {

struct CliRun {
    int status = -1; ///< the exit status; -1 when the program did not end normally
    std::string out;
    std::string err;
};

inline std::string readAll(const std::filesystem::path& path) {
    std::ifstream file(path, std::ios::binary);
    std::ostringstream bytes;
    bytes << file.rdbuf();
    return bytes.str();
}

/// How a program is run beyond its arguments.
struct RunLimits {
    std::vector<std::string> environment; ///< "NAME=VALUE" set for the program only
    int seconds = 0; ///< when above 0, a program still running then is killed (status -1)
};

/// What a program that would not end was doing: every thread's stack, by the debugger where
/// the machine has one, added to its standard error for the test's failure message.
inline void tellStacks(pid_t pid, const std::filesystem::path& errPath) {
    if (!std::filesystem::exists("/usr/bin/gdb"))
        return;
    std::ofstream(errPath, std::ios::app) << "\n-- still running at the time limit; its threads:\n";
    const std::string command = "/usr/bin/gdb -q -batch -p " + std::to_string(pid) +
                                " -ex 'thread apply all bt 25' >> '" + errPath.string() +
                                "' 2>&1 < /dev/null";
    [[maybe_unused]] const int ignored = std::system(command.c_str());
}

/// Runs `program` with `args` and LUMIVANE_ROOT set to `root` (the test's own environment is
/// left as it is), standard output to `outPath` and standard error to `errPath`; returns the
/// exit status, -1 when the program did not end normally (or was killed at the time limit,
/// with every process it started).
inline int spawnProgram(const char* program, const std::vector<std::string>& args,
                        const std::filesystem::path& root, const std::filesystem::path& outPath,
                        const std::filesystem::path& errPath, const RunLimits& limits = {}) {
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, outPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC,
                                     0600);
    posix_spawn_file_actions_addopen(&actions, 2, errPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC,
                                     0600);
    posix_spawnattr_t attributes;
    posix_spawnattr_init(&attributes);
    posix_spawnattr_setflags(&attributes, POSIX_SPAWN_SETPGROUP); // its own group, to end it
    posix_spawnattr_setpgroup(&attributes, 0);
    std::vector<char*> argv{const_cast<char*>(program)};
    for (const std::string& arg : args)
        argv.push_back(const_cast<char*>(arg.c_str()));
    argv.push_back(nullptr);

    std::vector<std::string> variables{"LUMIVANE_ROOT=" + root.string()};
    variables.insert(variables.end(), limits.environment.begin(), limits.environment.end());
    const auto overridden = [&](std::string_view variable) {
        for (const std::string& own : variables) {
            const std::string_view name = std::string_view(own).substr(0, own.find('=') + 1);
            if (variable.starts_with(name))
                return true;
        }
        return false;
    };
    for (char** v = environ; *v; ++v) {
        if (!overridden(*v))
            variables.emplace_back(*v);
    }
    std::vector<char*> envp;
    for (std::string& v : variables)
        envp.push_back(v.data());
    envp.push_back(nullptr);

    int result = -1;
    pid_t pid = 0;
    if (posix_spawn(&pid, program, &actions, &attributes, argv.data(), envp.data()) == 0) {
        int status = 0;
        const auto deadline =
            std::chrono::steady_clock::now() + std::chrono::seconds(limits.seconds);
        pid_t ended = 0;
        while ((ended = waitpid(pid, &status, limits.seconds > 0 ? WNOHANG : 0)) == 0) {
            if (std::chrono::steady_clock::now() > deadline) {
                tellStacks(pid, errPath);
                ::kill(-pid, SIGKILL);
                waitpid(pid, &status, 0);
                ended = -1;
                break;
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(50));
        }
        result = ended == pid && WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }
    posix_spawnattr_destroy(&attributes);
    posix_spawn_file_actions_destroy(&actions);
    return result;
}

/// spawnProgram, with standard output and error read back from their files.
inline CliRun runProgram(const char* program, const std::vector<std::string>& args,
                         const std::filesystem::path& root, const std::filesystem::path& outPath,
                         const std::filesystem::path& errPath, const RunLimits& limits = {}) {
    CliRun run;
    run.status = spawnProgram(program, args, root, outPath, errPath, limits);
    run.out = readAll(outPath);
    run.err = readAll(errPath);
    return run;
}

#ifdef LUMIVANE_CLI
/// lumivane-cli as a user runs it.
inline int spawnCli(const std::vector<std::string>& args, const std::filesystem::path& root,
                    const std::filesystem::path& outPath, const std::filesystem::path& errPath) {
    return spawnProgram(LUMIVANE_CLI, args, root, outPath, errPath);
}

inline CliRun runCli(const std::vector<std::string>& args, const std::filesystem::path& root,
                     const std::filesystem::path& outPath, const std::filesystem::path& errPath) {
    return runProgram(LUMIVANE_CLI, args, root, outPath, errPath);
}
#endif

} // namespace lumivane::testing
