// The system's clock, regional settings, random numbers, screen and program
// directory, as Windows reports them.
#pragma once

#include <halvora/platform/platform.h>
#include <halvora/win32/windows.h>

#include <random>

namespace halvora::win32 {

// The local time, read afresh at every call: Windows keeps it ready, so that
// costs next to nothing.
class SystemClock final : public platform::Clock {
public:
    [[nodiscard]] Moment now() const override;
};

// The user's regional settings, read once: the names do not change while we run.
class SystemRegional final : public platform::Regional {
public:
    // The user's own settings, or those of a locale named as Windows names
    // them ("hu-HU").
    explicit SystemRegional(const wchar_t* locale = LOCALE_NAME_USER_DEFAULT);
    [[nodiscard]] const RegionalSettings& settings() const override { return settings_; }

private:
    RegionalSettings settings_;
};

// Seeded once from the system's source of randomness.
class SystemRandom final : public platform::RandomSource {
public:
    SystemRandom();
    double next() override;

private:
    std::mt19937_64 generator_;
};

// The width of the monitor the main window is on.
class MonitorScreen final : public platform::Screen {
public:
    explicit MonitorScreen(HWND window)
        : window_(window) {}
    [[nodiscard]] int width() const override;

private:
    HWND window_;
};

class RunningProgram final : public platform::ProgramInfo {
public:
    [[nodiscard]] std::optional<std::string> directory() const override;
    [[nodiscard]] char path_separator() const override { return '\\'; }
};

} // namespace halvora::win32
