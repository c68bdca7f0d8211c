// Halvora: the Hungarian name-day calendar. Builds the main window, loads it,
// shows it and runs the event loop until the user ends the program.
#include <halvora/qt/application.h>
#include <halvora/qt/program.h>

namespace {

constexpr const char* no_display_line =
    "halvora: no graphical display found; run it on a desktop (DISPLAY or WAYLAND_DISPLAY "
    "must be set)\n";

} // namespace

int main(int argc, char** argv) {
    const auto application = halvora::qt::make_application(argc, argv, no_display_line);
    if (!application) {
        return 1;
    }
    halvora::qt::Program program;
    program.start();
    return QApplication::exec();
}
