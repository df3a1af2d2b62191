// Timing child processes against the monotonic clock: a child prints "<word> <ns>" at the
// moment that counts, and the benchmark takes the time from just before it started it.
#pragma once

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <ctime>
#include <fcntl.h>
#include <optional>
#include <spawn.h>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

extern char** environ;

namespace lumivane::bench {

inline long long monotonicNs() {
    timespec now{};
    ::clock_gettime(CLOCK_MONOTONIC, &now);
    return static_cast<long long>(now.tv_sec) * 1000000000LL + now.tv_nsec;
}

/// In the child: the moment that counts, as "<word> <ns>" on standard output.
inline void reportMoment(const char* word) {
    std::printf("%s %lld\n", word, monotonicNs());
    std::fflush(stdout);
}

/// Runs `args` (the program first) and returns the nanoseconds from just before its start to
/// the moment it reports as `word`; nullopt when it fails or reports none. The child's
/// standard error (engine chatter) is dropped.
inline std::optional<long long> timeToMoment(std::vector<std::string> args, const char* word) {
    int out[2];
    if (::pipe(out) != 0)
        return std::nullopt;
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, out[1], STDOUT_FILENO);
    posix_spawn_file_actions_addclose(&actions, out[0]);
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
    std::vector<char*> argv;
    for (std::string& arg : args)
        argv.push_back(arg.data());
    argv.push_back(nullptr);

    const long long started = monotonicNs();
    pid_t child = 0;
    const int spawned = ::posix_spawn(&child, argv[0], &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    ::close(out[1]);
    if (spawned != 0) {
        ::close(out[0]);
        return std::nullopt;
    }
    std::string text;
    char buffer[256];
    ssize_t got = 0;
    while ((got = ::read(out[0], buffer, sizeof buffer)) > 0 || (got < 0 && errno == EINTR))
        text.append(buffer, static_cast<size_t>(std::max<ssize_t>(got, 0)));
    ::close(out[0]);
    int status = 0;
    ::waitpid(child, &status, 0);
    long long moment = 0;
    const std::string format = std::string(word) + " %lld";
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0 ||
        std::sscanf(text.c_str(), format.c_str(), &moment) != 1)
        return std::nullopt;
    return moment - started;
}

inline double median(std::vector<long long> values) {
    std::sort(values.begin(), values.end());
    const size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2.0;
}

} // namespace lumivane::bench
