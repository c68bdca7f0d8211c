#include "halvora/calendar.h"

#include <cstddef>

namespace halvora {
namespace {

// Only an exact English name is translated; everything else, the Hungarian
// name in whatever case the system wrote it included, is shown as it came.
template <std::size_t N>
std::string translate(std::string_view name, const std::array<std::string_view, N>& english,
                      const std::array<std::string_view, N>& hungarian) {
    for (std::size_t i = 0; i < N; ++i) {
        if (name == english[i]) {
            return std::string(hungarian[i]);
        }
    }
    return std::string(name);
}

bool in_range(int value, int low, int high) {
    return value >= low && value <= high;
}

bool is_valid(const Moment& moment) {
    return in_range(moment.year, 0, 9999) && in_range(moment.month, 1, 12) &&
           in_range(moment.day, 1, 31) && in_range(moment.weekday, 0, 6) &&
           in_range(moment.hour, 0, 23) && in_range(moment.minute, 0, 59);
}

// `value` written with at least `width` digits, zeros in front; never negative here.
std::string padded(int value, int width) {
    std::string digits = std::to_string(value);
    if (static_cast<int>(digits.size()) < width) {
        digits.insert(0, static_cast<std::size_t>(width) - digits.size(), '0');
    }
    return digits;
}

} // namespace

std::string honapnev(std::string_view month_name) {
    return translate(month_name, english_month_names, hungarian_month_names);
}

std::string hetnapnev(std::string_view weekday_name) {
    return translate(weekday_name, english_weekday_names, hungarian_weekday_names);
}

std::string datumszoveg(std::string_view pattern, const Moment& moment,
                        const RegionalSettings& regional) {
    if (!is_valid(moment)) {
        return {};
    }
    if (pattern == pattern_year) {
        std::string text = padded(moment.year, 4);
        text.append(". ");
        return text;
    }
    if (pattern == pattern_day) {
        std::string text(" ");
        text.append(std::to_string(moment.day)).append(".");
        return text;
    }
    if (pattern == pattern_month) {
        return regional.month_names[static_cast<std::size_t>(moment.month - 1)];
    }
    if (pattern == pattern_weekday) {
        return regional.weekday_names[static_cast<std::size_t>(moment.weekday)];
    }
    if (pattern == pattern_clock) {
        std::string text = padded(moment.hour, 2);
        text.append(regional.time_separator).append(padded(moment.minute, 2));
        return text;
    }
    return {};
}

std::string time_separator_of(std::string_view time_format) {
    const auto is_letter = [](char c) {
        const auto byte = static_cast<unsigned char>(c);
        return byte >= 0x80 || (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
    };
    const std::size_t hour = time_format.find_first_of("hH");
    for (std::size_t i = hour; i < time_format.size(); ++i) {
        const char c = time_format[i];
        if (c == 'm') {
            break;
        }
        if (!is_letter(c) && c != '\'') {
            return std::string(time_format.substr(i, 1));
        }
    }
    return ":";
}

std::string day_numeral(const Moment& moment) {
    if (!in_range(moment.day, 1, 31)) {
        return {};
    }
    return std::to_string(moment.day);
}

} // namespace halvora
