// Runs the built lumivane-cli as a user runs it, on an emulated system of the test's choosing.
#pragma once

#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <spawn.h>
#include <sstream>
#include <string>
#include <string_view>
#include <sys/wait.h>
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

/// Runs `program` with `args` and LUMIVANE_ROOT set to `root` (the test's own environment is
/// left as it is), standard output to `outPath` and standard error to `errPath`; returns the
/// exit status, -1 when the program did not end normally.
inline int spawnProgram(const char* program, const std::vector<std::string>& args,
                        const std::filesystem::path& root, const std::filesystem::path& outPath,
                        const std::filesystem::path& errPath) {
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, outPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC,
                                     0600);
    posix_spawn_file_actions_addopen(&actions, 2, errPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC,
                                     0600);
    std::vector<char*> argv{const_cast<char*>(program)};
    for (const std::string& arg : args)
        argv.push_back(const_cast<char*>(arg.c_str()));
    argv.push_back(nullptr);

    std::vector<std::string> variables{"LUMIVANE_ROOT=" + root.string()};
    for (char** v = environ; *v; ++v) {
        if (!std::string_view(*v).starts_with("LUMIVANE_ROOT="))
            variables.emplace_back(*v);
    }
    std::vector<char*> envp;
    for (std::string& v : variables)
        envp.push_back(v.data());
    envp.push_back(nullptr);

    int result = -1;
    pid_t pid = 0;
    if (posix_spawn(&pid, program, &actions, nullptr, argv.data(), envp.data()) == 0) {
        int status = 0;
        waitpid(pid, &status, 0);
        result = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }
    posix_spawn_file_actions_destroy(&actions);
    return result;
}

/// spawnProgram, with standard output and error read back from their files.
inline CliRun runProgram(const char* program, const std::vector<std::string>& args,
                         const std::filesystem::path& root, const std::filesystem::path& outPath,
                         const std::filesystem::path& errPath) {
    CliRun run;
    run.status = spawnProgram(program, args, root, outPath, errPath);
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
