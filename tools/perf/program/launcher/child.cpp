#include "child.h"

#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <stdexcept>
#include <string>
#include <system_error>

extern char** environ;

namespace halvora::bench {

std::int64_t monotonic_ns() {
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return static_cast<std::int64_t>(now.tv_sec) * 1'000'000'000 + now.tv_nsec;
}

pid_t start_child(const std::vector<char*>& command, int stdout_fd) {
    if (command.empty() || command.back() != nullptr) {
        throw std::invalid_argument("command must end with a null pointer");
    }
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    if (stdout_fd >= 0) {
        posix_spawn_file_actions_adddup2(&actions, stdout_fd, STDOUT_FILENO);
    }
    pid_t pid = 0;
    const int error =
        posix_spawnp(&pid, command.front(), &actions, nullptr, command.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    if (error != 0) {
        throw std::system_error(error, std::generic_category(), command.front());
    }
    return pid;
}

bool running(pid_t pid) {
    siginfo_t info{};
    return waitid(P_PID, static_cast<id_t>(pid), &info, WEXITED | WNOHANG | WNOWAIT) == 0 &&
           info.si_pid == 0;
}

// The scheduler's own account per thread, in nanoseconds; utime and stime in
// /proc/PID/stat count in 10 ms ticks, too coarse for a program at rest.
std::optional<std::int64_t> cpu_ns(pid_t pid) {
    std::error_code error;
    std::int64_t total = 0;
    const std::filesystem::path tasks = "/proc/" + std::to_string(pid) + "/task";
    for (const auto& task : std::filesystem::directory_iterator(tasks, error)) {
        std::ifstream schedstat{task.path() / "schedstat"};
        std::int64_t on_cpu = 0;
        if (schedstat >> on_cpu) {
            total += on_cpu;
        }
    }
    if (error) {
        return std::nullopt;
    }
    return total;
}

long end_child(pid_t pid) {
    if (running(pid)) {
        kill(pid, SIGTERM);
    }
    int status = 0;
    rusage usage{};
    while (wait4(pid, &status, 0, &usage) < 0 && errno == EINTR) {
    }
    return usage.ru_maxrss;
}

} // namespace halvora::bench
