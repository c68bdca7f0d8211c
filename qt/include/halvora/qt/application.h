// The application object as the program starts it: its identity from the
// version record, a clear line instead of Qt's own failure when no display
// can be reached, and the icon and desktop entry every window carries.
#pragma once

#include <QApplication>

#include <memory>

namespace halvora::qt {

// Whether a display is named at all (or a platform chosen); without one the
// toolkit could only fail.
bool display_named();

// Builds the application; `failure_line` is printed, and the process ends with
// code 1, if the named display cannot be reached. `argc` must outlive it.
std::unique_ptr<QApplication> make_application(int& argc, char** argv, const char* failure_line);

} // namespace halvora::qt
