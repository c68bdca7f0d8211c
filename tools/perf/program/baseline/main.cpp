// halvora_baseline [--busy] [--first-paint]: the plain window the program is
// measured against. --busy: each tick sets the clock and the bottom label.
// --first-paint: report the first frame and end (see first_paint.h).
#include "baseline_window.h"

#include <first_paint.h>

#include <QApplication>
#include <QWidget>

#include <cstring>

int main(int argc, char** argv) {
    bool busy = false;
    bool first_paint = false;
    for (int i = 1; i < argc; ++i) {
        busy = busy || std::strcmp(argv[i], "--busy") == 0;
        first_paint = first_paint || std::strcmp(argv[i], "--first-paint") == 0;
    }
    QApplication application{argc, argv};
    const auto window = halvora::bench::make_baseline_window(busy ? halvora::bench::Tick::busy
                                                                  : halvora::bench::Tick::idle);
    if (first_paint) {
        halvora::bench::report_first_paint(*window);
    }
    window->show();
    return QApplication::exec();
}
