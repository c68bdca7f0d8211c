#include "first_paint.h"

#include <QCoreApplication>
#include <QEvent>
#include <QMetaObject>
#include <QObject>
#include <QWidget>

#include <sys/resource.h>

#include <cstdio>
#include <cstdlib>
#include <ctime>

namespace halvora::bench {
namespace {

// The paint event comes before the widgets are drawn and the frame reaches the
// screen; a queued call runs once the whole first frame is done.
class FirstPaint final : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint && !seen_) {
            seen_ = true;
            QMetaObject::invokeMethod(this, &FirstPaint::report, Qt::QueuedConnection);
        }
        return QObject::eventFilter(watched, event);
    }

private:
    static void report() {
        timespec now{};
        clock_gettime(CLOCK_MONOTONIC, &now);
        rusage usage{};
        getrusage(RUSAGE_SELF, &usage);
        std::printf("first-paint %lld %ld\n",
                    static_cast<long long>(now.tv_sec) * 1'000'000'000LL + now.tv_nsec,
                    usage.ru_maxrss);
        std::fflush(stdout);
        // Taking the window down is no part of start-up.
        std::_Exit(0);
    }

    bool seen_ = false;
};

} // namespace

void report_first_paint(QWidget& window) {
    window.installEventFilter(new FirstPaint(&window));
}

} // namespace halvora::bench
