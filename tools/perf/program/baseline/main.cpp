// halvora_baseline [--busy]: the plain window the program is measured
// against. --busy: each tick sets the clock and the bottom label.
#include "baseline_window.h"

#include <QApplication>
#include <QWidget>

#include <cstring>

int main(int argc, char** argv) {
    bool busy = false;
    for (int i = 1; i < argc; ++i) {
        busy = busy || std::strcmp(argv[i], "--busy") == 0;
    }
    QApplication application{argc, argv};
    const auto window = halvora::bench::make_baseline_window(busy ? halvora::bench::Tick::busy
                                                                  : halvora::bench::Tick::idle);
    window->show();
    return QApplication::exec();
}
