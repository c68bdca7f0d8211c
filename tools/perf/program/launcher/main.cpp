// halvora_measure: starts a program and measures it from outside, one result
// line of key=value pairs on standard output (times in ms, memory in KiB).
//
//   halvora_measure x-first-paint [--timeout MS] -- PROGRAM ARGS...
//       Any program on the X display of DISPLAY: time from its start to its
//       first window's mapping and to the first drawing into one of its windows.
//   halvora_measure rest [--warmup S] [--span S] [--server PID] -- PROGRAM ARGS...
//       CPU time PROGRAM uses over SPAN seconds after WARMUP seconds (and that of
//       the display server PID over the same span), and its peak memory.
#include "child.h"
#ifdef HALVORA_MEASURE_X11
#include "x_first_paint.h"
#endif

#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <exception>
#include <optional>
#include <string>
#include <string_view>
#include <thread>
#include <vector>

namespace {

using halvora::bench::monotonic_ns;

struct Arguments {
    std::string_view mode;
    int timeout_ms = 20'000;
    int warmup_s = 5;
    int span_s = 60;
    long server = 0;
    std::vector<char*> command; // null-terminated
};

int usage() {
    std::fputs("usage: halvora_measure x-first-paint|rest [options] -- PROGRAM "
               "ARGS...\n",
               stderr);
    return 2;
}

std::optional<Arguments> parse(int argc, char** argv) {
    if (argc < 2) {
        return std::nullopt;
    }
    Arguments arguments;
    arguments.mode = argv[1];
    int i = 2;
    for (; i < argc && std::strcmp(argv[i], "--") != 0; ++i) {
        const std::string_view option = argv[i];
        if (i + 1 >= argc) {
            return std::nullopt;
        }
        const long value = std::strtol(argv[++i], nullptr, 10);
        if (value <= 0 || value > 3'600'000) {
            return std::nullopt;
        }
        if (option == "--timeout") {
            arguments.timeout_ms = static_cast<int>(value);
        } else if (option == "--warmup") {
            arguments.warmup_s = static_cast<int>(value);
        } else if (option == "--span") {
            arguments.span_s = static_cast<int>(value);
        } else if (option == "--server") {
            arguments.server = value;
        } else {
            return std::nullopt;
        }
    }
    for (++i; i < argc; ++i) {
        arguments.command.push_back(argv[i]);
    }
    if (arguments.command.empty()) {
        return std::nullopt;
    }
    arguments.command.push_back(nullptr);
    return arguments;
}

double ms(std::int64_t ns) {
    return static_cast<double>(ns) / 1e6;
}

int x_first_paint([[maybe_unused]] const Arguments& arguments) {
#ifdef HALVORA_MEASURE_X11
    const auto result = halvora::bench::x_first_paint(arguments.command, arguments.timeout_ms);
    if (!result) {
        return 1;
    }
    std::printf("mapped_ms=%.2f first_paint_ms=%.2f peak_rss_kib=%ld\n", ms(result->mapped_ns),
                ms(result->painted_ns), result->peak_rss_kib);
    return 0;
#else
    std::fputs("halvora_measure: built without X11 (libxcb)\n", stderr);
    return 1;
#endif
}

// Sleeps in steps of a second, so that a program that ends early is noticed;
// rarely enough not to disturb the programs measured beside it.
bool stays_running(pid_t child, int seconds) {
    const std::int64_t until = monotonic_ns() + std::int64_t{seconds} * 1'000'000'000;
    for (std::int64_t left = until - monotonic_ns(); left > 0; left = until - monotonic_ns()) {
        if (!halvora::bench::running(child)) {
            return false;
        }
        std::this_thread::sleep_for(
            std::chrono::nanoseconds(std::min<std::int64_t>(left, 1'000'000'000)));
    }
    return halvora::bench::running(child);
}

int rest(const Arguments& arguments) {
    const pid_t child = halvora::bench::start_child(arguments.command);
    const auto server = static_cast<pid_t>(arguments.server);
    if (!stays_running(child, arguments.warmup_s)) {
        halvora::bench::end_child(child);
        std::fprintf(stderr, "halvora_measure: %s ended early\n", arguments.command.front());
        return 1;
    }
    const auto before = halvora::bench::cpu_ns(child);
    const auto server_before = server > 0 ? halvora::bench::cpu_ns(server) : std::nullopt;
    const bool stayed = stays_running(child, arguments.span_s);
    const auto after = halvora::bench::cpu_ns(child);
    const auto server_after = server > 0 ? halvora::bench::cpu_ns(server) : std::nullopt;
    const long peak = halvora::bench::end_child(child);
    if (!stayed || !before || !after) {
        std::fprintf(stderr, "halvora_measure: %s ended early\n", arguments.command.front());
        return 1;
    }
    std::printf("cpu_ms=%.2f", ms(*after - *before));
    if (server_before && server_after) {
        std::printf(" server_cpu_ms=%.2f", ms(*server_after - *server_before));
    }
    std::printf(" peak_rss_kib=%ld\n", peak);
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    const std::optional<Arguments> arguments = parse(argc, argv);
    if (!arguments) {
        return usage();
    }
    try {
        if (arguments->mode == "x-first-paint") {
            return x_first_paint(*arguments);
        }
        if (arguments->mode == "rest") {
            return rest(*arguments);
        }
    } catch (const std::exception& error) {
        std::fprintf(stderr, "halvora_measure: %s\n", error.what());
        return 1;
    }
    return usage();
}
