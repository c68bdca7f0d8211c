// Halvora: the Hungarian name-day calendar. Builds the main window, loads it,
// shows it and runs the event loop until the user ends the program.
#include <halvora/qt/application.h>
#include <halvora/qt/program.h>

#include <cstdio>

namespace {

constexpr const char* no_display_line =
    "halvora: no graphical display found; run it on a desktop (DISPLAY or WAYLAND_DISPLAY "
    "must be set)\n";

} // namespace

int main(int argc, char** argv) {
    if (!halvora::qt::display_named()) {
        std::fputs(no_display_line, stderr);
        return 1;
    }
    const auto application = halvora::qt::make_application(argc, argv, no_display_line);
    halvora::qt::Program program;
    program.start();
    return QApplication::exec();
}
