#include "day_table.h"

#include "halvora/calendar.h"

#include <cstddef>
#include <numeric>
#include <optional>

namespace halvora {
namespace {

static_assert(std::accumulate(days_in_table.begin(), days_in_table.end(), std::size_t{0}) ==
              detail::day_table_size);

// Where each month's first day sits in the flat table.
constexpr std::array<std::size_t, 12> first_day_of_month = [] {
    std::array<std::size_t, 12> first{};
    std::size_t next = 0;
    for (std::size_t month = 0; month < first.size(); ++month) {
        first[month] = next;
        next += static_cast<std::size_t>(days_in_table[month]);
    }
    return first;
}();

// Zero-based month of a Hungarian or English month name.
std::optional<std::size_t> month_of(std::string_view month) {
    for (std::size_t i = 0; i < hungarian_month_names.size(); ++i) {
        if (month == hungarian_month_names[i] || month == english_month_names[i]) {
            return i;
        }
    }
    return std::nullopt;
}

// Only the plain numerals "1" to "31" name a day: no blanks, signs, leading
// zeros or anything after the digits, so "01" and " 1" are not days.
std::optional<int> day_of(std::string_view day) {
    const auto is_digit = [](char c) { return c >= '0' && c <= '9'; };
    if (day.empty() || day.size() > 2 || day.front() == '0') {
        return std::nullopt;
    }
    int value = 0;
    for (const char c : day) {
        if (!is_digit(c)) {
            return std::nullopt;
        }
        value = value * 10 + (c - '0');
    }
    return value;
}

} // namespace

std::string_view napszerint(std::string_view month, std::string_view day) {
    const auto month_index = month_of(month);
    if (!month_index) {
        return honapbaj;
    }
    const auto day_number = day_of(day);
    if (!day_number || *day_number > days_in_table[*month_index]) {
        return napbaj;
    }
    return detail::day_table[first_day_of_month[*month_index] +
                             static_cast<std::size_t>(*day_number - 1)];
}

} // namespace halvora
