// Qt's event loop must never see an exception: a handler of the window's logic
// that fails is reported as a warning, and the program goes on.
#pragma once

#include <QtGlobal>

#include <exception>

namespace halvora::qt {

// Runs `handler`; an exception it throws ends here, named by `what`.
template <typename Handler> void run_contained(const char* what, Handler&& handler) {
    try {
        handler();
    } catch (const std::exception& error) {
        qWarning("Halvora: %s failed: %s", what, error.what());
    } catch (...) {
        qWarning("Halvora: %s failed", what);
    }
}

} // namespace halvora::qt
