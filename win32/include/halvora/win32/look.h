// The window's fonts, colours and icon, with stand-ins for systems that lack
// the fonts the design names.
#pragma once

#include <halvora/mainwindow/controls.h>
#include <halvora/win32/scale.h>
#include <halvora/win32/windows.h>

namespace halvora::win32 {

// The icon's place in the executable's resources.
inline constexpr int program_icon_resource = 1;

// The fonts at one resolution, made and freed together.
class Fonts {
public:
    explicit Fonts(const Scale& scale);
    ~Fonts();
    Fonts(const Fonts&) = delete;
    Fonts& operator=(const Fonts&) = delete;

    HFONT sans;       // MS Sans Serif 8.25 points, or its scalable twin
    HFONT sans_bold;  // the same, bold
    HFONT serif_bold; // Times New Roman 12 points, bold
    HFONT product;    // Arial 13.5 points
};

// Whether the user chose a high-contrast theme; asked again when the system's
// settings change.
bool high_contrast_on();
// The colour as the logic holds it; under a high-contrast theme every text
// takes the theme's colour instead, so that none vanishes into its background.
COLORREF text_colour(Colour colour, bool high_contrast);
// The face of windows and their controls.
COLORREF face_colour();
HBRUSH face_brush();

// The program's icon from the executable's resources, `size` pixels square;
// the caller destroys it.
HICON program_icon(int size);

// A kind of window of the program's, with the face colour and the arrow;
// registered at the first call for its name.
void register_window_class(const wchar_t* name, WNDPROC procedure, UINT style = 0);

} // namespace halvora::win32
