// The members of the window's control arrays, named for what each one holds.
// The numbers are the design's: the today panel's labels are not numbered in
// the order they stand in.
#pragma once

#include <array>

namespace halvora {

// Label1, the today panel.
inline constexpr int month_label = 0;
inline constexpr int weekday_label = 1;
inline constexpr int clock_label = 2;
inline constexpr int names_label = 3;
inline constexpr int year_label = 4;
inline constexpr int day_label = 5;
inline constexpr int label1_count = 6;

// Something for each label of Label1, given in the order they stand, by the
// labels' indices.
template <typename T>
constexpr std::array<T, label1_count> by_label1(T year, T month, T day, T weekday, T clock,
                                                T names) {
    std::array<T, label1_count> all{};
    all[year_label] = year;
    all[month_label] = month;
    all[day_label] = day;
    all[weekday_label] = weekday;
    all[clock_label] = clock;
    all[names_label] = names;
    return all;
}

// Combo1, the search by date.
inline constexpr int month_list = 0;
inline constexpr int day_list = 1;
inline constexpr int combo1_count = 2;

// Frame1, the two search panels.
inline constexpr int date_panel = 0;
inline constexpr int name_panel = 1;
inline constexpr int frame1_count = 2;

} // namespace halvora
