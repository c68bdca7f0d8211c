// The measured program as a child process: started at a known moment, its CPU
// time read while it runs, its peak memory taken when it ends.
#pragma once

#include <sys/types.h>

#include <cstdint>
#include <optional>
#include <vector>

namespace halvora::bench {

// CLOCK_MONOTONIC in nanoseconds: the clock both sides of a measurement read.
std::int64_t monotonic_ns();

// Starts `command` (searched in PATH) with its standard output on `stdout_fd`,
// or ours when negative. Returns the process id; throws when it cannot start.
pid_t start_child(const std::vector<char*>& command, int stdout_fd = -1);

// True while the process has not ended (it is not reaped here).
bool running(pid_t pid);

// CPU time the process has used so far, all its threads, in nanoseconds.
std::optional<std::int64_t> cpu_ns(pid_t pid);

// Ends the child if it still runs and reaps it: its peak resident set in KiB.
long end_child(pid_t pid);

} // namespace halvora::bench
