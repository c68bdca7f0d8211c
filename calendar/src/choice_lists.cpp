#include "halvora/calendar.h"

#include <cstddef>

namespace halvora {

constexpr std::array<std::string_view, 31> day_item_texts = {
    " 1",  " 2",  " 3",  " 4",  " 5",  " 6",  " 7",  " 8",  " 9",  " 10", " 11",
    " 12", " 13", " 14", " 15", " 16", " 17", " 18", " 19", " 20", " 21", " 22",
    " 23", " 24", " 25", " 26", " 27", " 28", " 29", " 30", " 31"};

int days_in_list(std::string_view hungarian_month) {
    // február 29 is in the day table but is never offered for choosing.
    static constexpr std::array<int, 12> offered = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    for (std::size_t i = 0; i < hungarian_month_names.size(); ++i) {
        if (hungarian_month == hungarian_month_names[i]) {
            return offered[i];
        }
    }
    return 0;
}

void fill_choice_lists(ChoiceList& months, ChoiceList& days, ChoiceList& names) {
    for (const auto month : hungarian_month_names) {
        months.append(month);
    }
    const int day_count = days_in_list(months.text());
    for (int day = 0; day < day_count; ++day) {
        days.append(day_item_texts[static_cast<std::size_t>(day)]);
    }
    for (const auto name : name_list) {
        names.append(name);
    }
}

void fit_day_list(const ChoiceList& months, ChoiceList& days) {
    const int wanted = days_in_list(months.text());
    const int held = days.count();
    // The list only ever moves between the three month lengths; a list of any
    // other length, or a month text that names no month, is left alone.
    const bool month_length = held == 28 || held == 30 || held == 31;
    if (wanted == 0 || !month_length) {
        return;
    }
    for (int day = held + 1; day <= wanted; ++day) {
        days.append(appended_day_item_texts[static_cast<std::size_t>(day - 29)]);
    }
    for (int position = held - 1; position >= wanted; --position) {
        days.remove_at(position);
    }
}

} // namespace halvora
