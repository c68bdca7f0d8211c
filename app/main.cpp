// Halvora: the Hungarian name-day calendar. Builds the main window, loads it,
// shows it and runs the event loop until the user ends the program.
#include <halvora/qt/application.h>
#include <halvora/qt/program.h>

int main(int argc, char** argv) {
    const auto application = halvora::qt::make_application(argc, argv, "halvora");
    if (!application) {
        return 1;
    }
    halvora::qt::Program program;
    program.start();
    return QApplication::exec();
}
