// The system's clock, regional settings, random numbers, screen and program
// directory, as Qt reports them.
#pragma once

#include <halvora/platform/platform.h>

#include <QtGlobal>

#include <random>

class QLocale;
class QWidget;

namespace halvora::qt {

// Local time to the minute. Asking the C library for local time makes it check
// the time-zone file each time, which several times a second would be most of
// a tick's cost; yet the local minute can only change when the UTC minute
// does (every zone's offset is whole minutes), so the moment is read afresh
// once per UTC minute and kept in between. A clock set forward or back changes
// the UTC minute too; a zone changed by the user shows from the next minute.
class SystemClock final : public platform::Clock {
public:
    [[nodiscard]] Moment now() const override;

private:
    mutable qint64 utc_minute_ = -1;
    mutable Moment moment_;
};

// Read once from the system's locale: the names do not change while we run.
class SystemRegional final : public platform::Regional {
public:
    SystemRegional();
    explicit SystemRegional(const QLocale& locale);
    [[nodiscard]] const RegionalSettings& settings() const override { return settings_; }

private:
    RegionalSettings settings_;
};

// Seeded once from the system's source; a generator of its own draws without
// the process-wide one's lock, three times at every tick of the timer.
class SystemRandom final : public platform::RandomSource {
public:
    SystemRandom();
    double next() override;

private:
    std::mt19937_64 generator_;
};

// The width of the screen the main window is on.
class WindowScreen final : public platform::Screen {
public:
    explicit WindowScreen(const QWidget& window)
        : window_(window) {}
    [[nodiscard]] int width() const override;

private:
    const QWidget& window_;
};

class RunningProgram final : public platform::ProgramInfo {
public:
    [[nodiscard]] std::optional<std::string> directory() const override;
    [[nodiscard]] char path_separator() const override;
};

} // namespace halvora::qt
