// The main window as designed: every control's place and size in twips,
// relative to the client area of its container, and the window's fixed texts.
#pragma once

#include <halvora/mainwindow/control_arrays.h>
#include <halvora/platform/rect.h>

#include <array>
#include <string_view>

namespace halvora::layout {

inline constexpr int client_width = 5880;
inline constexpr int client_height = 4095;
// The outer size that client area makes, border and title bar included.
inline constexpr int designed_outer_width = 6000;
inline constexpr int designed_outer_height = 4500;

// Today panel, in the window, by the members of Label1; the clock is bold,
// today's names red.
inline constexpr std::array<Rect, label1_count> Label1 =
    by_label1<Rect>({120, 120, 495, 255}, {720, 120, 975, 255}, {1560, 120, 375, 255},
                    {2040, 120, 855, 255}, {3000, 120, 615, 255}, {3720, 120, 2055, 255});

// The two search panels, in the window, by the members of Frame1.
inline constexpr std::array<Rect, frame1_count> Frame1 = [] {
    std::array<Rect, frame1_count> place{};
    place[date_panel] = {120, 600, 5535, 1215};
    place[name_panel] = {120, 2040, 5535, 1215};
    return place;
}();

// Search by date, in its panel.
inline constexpr Rect Option1{0, -80, 2655, 375};
// By the members of Combo1.
inline constexpr std::array<Rect, combo1_count> Combo1 = [] {
    std::array<Rect, combo1_count> place{};
    place[month_list] = {240, 600, 1335, 315};
    place[day_list] = {1680, 600, 615, 315};
    return place;
}();
inline constexpr Rect Frame2{2400, 480, 2895, 495};
inline constexpr Rect Label2{120, 180, 2655, 255}; // in Frame2, blue

// Search by name, in its panel.
inline constexpr Rect Option2{0, -80, 2895, 375};
inline constexpr Rect Combo2{240, 480, 2055, 315};
inline constexpr Rect Frame3{2400, 360, 2895, 495};
inline constexpr Rect Label3{120, 180, 2655, 255}; // in Frame3, blue

// Bottom row, in the window.
inline constexpr Rect Command1{240, 3480, 1935, 375};
inline constexpr Rect Label4{2640, 3480, 1335, 375}; // centred, serif 12 pt bold
inline constexpr Rect Command2{4320, 3480, 1335, 375};

inline constexpr std::string_view program_title = "Halvora";

} // namespace halvora::layout
