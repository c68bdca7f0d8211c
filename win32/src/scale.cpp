#include <halvora/win32/scale.h>

#include <algorithm>
#include <cmath>

namespace halvora::win32 {
namespace {

constexpr double twips_per_inch = 1440.0;
constexpr int usual_dpi = 96;
// Far beyond any screen, near enough to zero that Windows' own sums of
// positions and sizes cannot overflow.
constexpr double farthest_px = 1 << 24;

template <typename Function> Function user32(const char* name) {
    HMODULE module = GetModuleHandleW(L"user32.dll");
    FARPROC found = module != nullptr ? GetProcAddress(module, name) : nullptr;
    return reinterpret_cast<Function>(reinterpret_cast<void*>(found));
}

using GetDpiForWindowFunction = UINT(WINAPI*)(HWND);
using AdjustForDpiFunction = BOOL(WINAPI*)(LPRECT, DWORD, BOOL, DWORD, UINT);
using MetricForDpiFunction = int(WINAPI*)(int, UINT);

} // namespace

Scale::Scale(int dpi)
    : dpi_(dpi >= 24 && dpi <= 24 * usual_dpi ? dpi : usual_dpi) {}

Scale Scale::of(HWND window) {
    return Scale{static_cast<int>(dpi_of(window))};
}

int Scale::px(int twips) const {
    const double px = std::round(static_cast<double>(twips) * dpi_ / twips_per_inch);
    return static_cast<int>(std::clamp(px, -farthest_px, farthest_px));
}

int Scale::twips(int px) const {
    return static_cast<int>(std::lround(unrounded_twips(px)));
}

double Scale::unrounded_twips(int px) const {
    return static_cast<double>(px) * twips_per_inch / dpi_;
}

RECT Scale::px(const Rect& rect) const {
    const int left = px(rect.left);
    const int top = px(rect.top);
    return RECT{left, top, left + px(rect.width), top + px(rect.height)};
}

int Scale::font_height(double points) const {
    return -static_cast<int>(std::lround(points * dpi_ / 72.0));
}

UINT dpi_of(HWND window) {
    static const auto for_window = user32<GetDpiForWindowFunction>("GetDpiForWindow");
    if (for_window != nullptr && window != nullptr) {
        if (const UINT dpi = for_window(window); dpi != 0) {
            return dpi;
        }
    }
    HDC screen = GetDC(nullptr);
    const int dpi = screen != nullptr ? GetDeviceCaps(screen, LOGPIXELSY) : usual_dpi;
    if (screen != nullptr) {
        ReleaseDC(nullptr, screen);
    }
    return static_cast<UINT>(dpi > 0 ? dpi : usual_dpi);
}

void adjust_window_rect(RECT& rect, DWORD style, DWORD extended_style, UINT dpi) {
    static const auto for_dpi = user32<AdjustForDpiFunction>("AdjustWindowRectExForDpi");
    if (for_dpi != nullptr) {
        for_dpi(&rect, style, FALSE, extended_style, dpi);
    } else {
        AdjustWindowRectEx(&rect, style, FALSE, extended_style);
    }
}

int system_metric(int index, UINT dpi) {
    static const auto for_dpi = user32<MetricForDpiFunction>("GetSystemMetricsForDpi");
    return for_dpi != nullptr ? for_dpi(index, dpi) : GetSystemMetrics(index);
}

} // namespace halvora::win32
