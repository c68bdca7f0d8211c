// No exception may cross a window procedure: Windows' own frames lie between
// it and any handler above. A handler of the window's logic that fails is
// reported to the debugger's output, and the program goes on.
#pragma once

#include <exception>

namespace halvora::win32 {

void report_failure(const char* what, const char* why) noexcept;

// Runs `handler`; an exception it throws ends here, named by `what`.
template <typename Handler> void run_contained(const char* what, Handler&& handler) noexcept {
    try {
        handler();
    } catch (const std::exception& error) {
        report_failure(what, error.what());
    } catch (...) {
        report_failure(what, "unknown exception");
    }
}

} // namespace halvora::win32
