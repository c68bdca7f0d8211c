// The program's own start-up, the same calls as app/main.cpp makes, with the
// window reporting its first frame (see first_paint.h). The real binary reads
// nothing that could switch such a report on, so it is built here beside it.
#include <first_paint.h>

#include <halvora/qt/application.h>
#include <halvora/qt/main_window.h>
#include <halvora/qt/program.h>

int main(int argc, char** argv) {
    const auto application = halvora::qt::make_application(argc, argv, "halvora_probe");
    if (!application) {
        return 1;
    }
    halvora::qt::Program program;
    halvora::bench::report_first_paint(program.window());
    program.start();
    return QApplication::exec();
}
