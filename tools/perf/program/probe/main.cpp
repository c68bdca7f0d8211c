// The program's own start-up, the same calls as app/main.cpp makes, with the
// window reporting its first frame (see first_paint.h). The real binary reads
// nothing that could switch such a report on, so it is built here beside it.
#include <first_paint.h>

#include <halvora/qt/application.h>
#include <halvora/qt/main_window.h>
#include <halvora/qt/program.h>

namespace {

constexpr const char* no_display_line = "halvora_probe: no graphical display\n";

} // namespace

int main(int argc, char** argv) {
    const auto application = halvora::qt::make_application(argc, argv, no_display_line);
    if (!application) {
        return 1;
    }
    halvora::qt::Program program;
    halvora::bench::report_first_paint(program.window());
    program.start();
    return QApplication::exec();
}
