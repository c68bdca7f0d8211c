#include <halvora/win32/scale.h>
#include <halvora/win32/system.h>
#include <halvora/win32/text.h>

#include <cstddef>
#include <string>

namespace halvora::win32 {
namespace {

std::string locale_text(const wchar_t* locale, LCTYPE type) {
    std::wstring text(64, L'\0');
    const int length = GetLocaleInfoEx(locale, type, text.data(), static_cast<int>(text.size()));
    if (length <= 0) {
        return {};
    }
    text.resize(static_cast<std::size_t>(length - 1)); // without the closing NUL
    return narrow(text);
}

} // namespace

Moment SystemClock::now() const {
    SYSTEMTIME local{};
    GetLocalTime(&local);
    // Windows counts weekdays from Sunday = 0, the calendar from Monday = 0.
    return Moment{local.wYear, local.wMonth, local.wDay, (local.wDayOfWeek + 6) % 7,
                  local.wHour, local.wMinute};
}

SystemRegional::SystemRegional(const wchar_t* locale) {
    for (std::size_t i = 0; i < settings_.month_names.size(); ++i) {
        settings_.month_names[i] = locale_text(locale, static_cast<LCTYPE>(LOCALE_SMONTHNAME1 + i));
    }
    // LOCALE_SDAYNAME1 is Monday, as the calendar's week begins.
    for (std::size_t i = 0; i < settings_.weekday_names.size(); ++i) {
        settings_.weekday_names[i] = locale_text(locale, static_cast<LCTYPE>(LOCALE_SDAYNAME1 + i));
    }
    settings_.time_separator = time_separator_of(locale_text(locale, LOCALE_STIMEFORMAT));
}

SystemRandom::SystemRandom()
    : generator_(std::random_device{}()) {}

double SystemRandom::next() {
    // The top 53 bits as a fraction: every value in [0, 1) at equal steps.
    constexpr double step = 0x1.0p-53;
    return static_cast<double>(generator_() >> 11) * step;
}

int MonitorScreen::width() const {
    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    if (GetMonitorInfoW(MonitorFromWindow(window_, MONITOR_DEFAULTTONEAREST), &monitor) == FALSE) {
        return 0;
    }
    return Scale::of(window_).twips(monitor.rcMonitor.right - monitor.rcMonitor.left);
}

std::optional<std::string> RunningProgram::directory() const {
    std::wstring path(MAX_PATH, L'\0');
    // Windows cuts a name that does not fit and says so only by filling the buffer.
    constexpr std::size_t longest = 32768;
    while (true) {
        const DWORD length =
            GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (length == 0) {
            return std::nullopt;
        }
        if (length < path.size()) {
            path.resize(length);
            break;
        }
        if (path.size() >= longest) {
            return std::nullopt;
        }
        path.resize(path.size() * 2);
    }
    const std::size_t separator = path.find_last_of(L"\\/");
    if (separator == std::wstring::npos || separator == 0) {
        return std::nullopt;
    }
    path.resize(separator);
    return narrow_exactly(path);
}

} // namespace halvora::win32
