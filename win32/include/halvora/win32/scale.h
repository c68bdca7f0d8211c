// Twips (1/1440 inch) and pixels at a window's resolution: 15 twips to the
// pixel at 96 dots per inch. The program declares itself aware of each
// monitor's resolution, so a window's own DPI is the one that counts.
#pragma once

#include <halvora/platform/rect.h>
#include <halvora/win32/windows.h>

namespace halvora::win32 {

class Scale {
public:
    // A resolution that makes no sense counts as 96 dots per inch.
    explicit Scale(int dpi);
    // The resolution of the monitor the window is on.
    static Scale of(HWND window);

    [[nodiscard]] int dpi() const { return dpi_; }
    [[nodiscard]] int px(int twips) const;
    [[nodiscard]] int twips(int px) const;
    // Without rounding, for positions that keep their fractions.
    [[nodiscard]] double unrounded_twips(int px) const;
    [[nodiscard]] RECT px(const Rect& rect) const;
    // A font's height for a size in points (negative: the character height).
    [[nodiscard]] int font_height(double points) const;

private:
    int dpi_;
};

// What newer Windows tells per window and older Windows only for the whole
// screen; found at run time, so that the program starts on either.
UINT dpi_of(HWND window);
// The outer rectangle around a client rectangle, at a resolution.
void adjust_window_rect(RECT& rect, DWORD style, DWORD extended_style, UINT dpi);
int system_metric(int index, UINT dpi);

} // namespace halvora::win32
