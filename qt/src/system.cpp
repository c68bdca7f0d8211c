#include <halvora/qt/system.h>
#include <halvora/qt/twips.h>

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QLocale>
#include <QRandomGenerator>
#include <QScreen>
#include <QWidget>

#include <cstddef>

#if defined(Q_OS_LINUX)
#include <unistd.h>
#endif

namespace halvora::qt {

Moment SystemClock::now() const {
    constexpr qint64 ms_per_minute = qint64{60} * 1000;
    const qint64 utc_ms = QDateTime::currentMSecsSinceEpoch();
    // Rounded down, also before 1970.
    const qint64 utc_minute =
        utc_ms >= 0 ? utc_ms / ms_per_minute : -((-utc_ms - 1) / ms_per_minute) - 1;
    if (utc_minute != utc_minute_) {
        const QDateTime local = QDateTime::fromMSecsSinceEpoch(utc_ms, Qt::LocalTime);
        const QDate date = local.date();
        const QTime time = local.time();
        moment_ = Moment{date.year(),          date.month(), date.day(),
                         date.dayOfWeek() - 1, time.hour(),  time.minute()};
        utc_minute_ = utc_minute;
    }
    return moment_;
}

SystemRegional::SystemRegional()
    : SystemRegional(QLocale::system()) {}

SystemRegional::SystemRegional(const QLocale& locale) {
    for (std::size_t i = 0; i < settings_.month_names.size(); ++i) {
        settings_.month_names[i] =
            locale.monthName(static_cast<int>(i) + 1, QLocale::LongFormat).toStdString();
    }
    // Qt counts weekdays from Monday = 1, as the calendar does.
    for (std::size_t i = 0; i < settings_.weekday_names.size(); ++i) {
        settings_.weekday_names[i] =
            locale.dayName(static_cast<int>(i) + 1, QLocale::LongFormat).toStdString();
    }
    settings_.time_separator =
        time_separator_of(locale.timeFormat(QLocale::ShortFormat).toStdString());
}

SystemRandom::SystemRandom()
    : generator_(QRandomGenerator::system()->generate64()) {}

double SystemRandom::next() {
    // The top 53 bits as a fraction: every value in [0, 1) at equal steps.
    constexpr double step = 0x1.0p-53;
    return static_cast<double>(generator_() >> 11) * step;
}

int WindowScreen::width() const {
    const QScreen* screen = screen_of(&window_);
    if (screen == nullptr) {
        return 0;
    }
    return Scale::of(screen).twips_x(screen->geometry().width());
}

std::optional<std::string> RunningProgram::directory() const {
#if defined(Q_OS_LINUX)
    // The kernel's own name for our executable, byte for byte. Qt reads it as
    // UTF-8 and gives up on a directory whose name is not, so it is read here.
    constexpr std::size_t longest = std::size_t{1} << 16; // the kernel stops at a page
    std::string path(256, '\0');
    while (true) {
        const ssize_t length = ::readlink("/proc/self/exe", path.data(), path.size());
        if (length < 0) {
            return std::nullopt;
        }
        if (static_cast<std::size_t>(length) < path.size()) {
            path.resize(static_cast<std::size_t>(length));
            break;
        }
        if (path.size() >= longest) {
            return std::nullopt;
        }
        path.resize(path.size() * 2);
    }
    // An executable replaced while it runs is named "... (deleted)"; only the
    // last part changes, and the directory stands.
    const std::size_t slash = path.rfind('/');
    if (path.empty() || path.front() != '/' || slash == std::string::npos) {
        return std::nullopt;
    }
    path.resize(slash == 0 ? 1 : slash);
    return path;
#else
    const QString directory = QCoreApplication::applicationDirPath();
    if (directory.isEmpty()) {
        return std::nullopt;
    }
    return QDir::toNativeSeparators(directory).toStdString();
#endif
}

char RunningProgram::path_separator() const {
    return QDir::separator().toLatin1();
}

} // namespace halvora::qt
