#include <halvora/mainwindow/day_conversion.h>

#include <algorithm>
#include <array>
#include <charconv>
#include <climits>
#include <cstddef>
#include <iterator>
#include <string>
#include <system_error>

namespace halvora {
namespace {

constexpr bool is_blank(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\r';
}

// Whether a number that lies beyond a double's range lies above it rather than
// below: its decimal order, the power of ten of its leading digit, is positive.
// Only the order's sign matters, and beyond the range it is hundreds away from
// zero, so counting the leading digit's place to the point is exact enough.
bool far_too_large(std::string_view number) {
    const std::size_t marker = std::min(number.find_first_of("eE"), number.size());
    const std::string_view digits = number.substr(0, marker);
    const auto point = static_cast<long long>(std::min(digits.find('.'), digits.size()));
    long long order = point - static_cast<long long>(digits.find_first_of("123456789"));
    if (marker < number.size()) {
        std::string_view exponent = number.substr(marker + 1);
        const bool negative = exponent.front() == '-';
        exponent.remove_prefix(negative || exponent.front() == '+' ? 1 : 0);
        // An exponent too long to read is left at a size that outweighs any digits.
        long long power = LLONG_MAX / 2;
        std::from_chars(exponent.data(), exponent.data() + exponent.size(), power);
        power = std::min(power, LLONG_MAX / 2);
        order += negative ? -power : power;
    }
    return order > 0;
}

// The shortest text that reads back as `value`: plain digits for the sizes a
// person types, the exponent form only for the very large and very small.
std::string write_back(double value) {
    std::array<char, 64> buffer{};
    const bool plain = value >= 1e-4 && value < 1e15;
    const auto written =
        std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                      plain ? std::chars_format::fixed : std::chars_format::scientific);
    return {buffer.data(), written.ptr};
}

} // namespace

std::string day_conversion(std::string_view text) {
    std::string packed;
    std::ranges::copy_if(text, std::back_inserter(packed), [](char c) { return !is_blank(c); });
    // from_chars also reads a minus sign, "inf" and "nan"; a typed number
    // starts with a digit or the decimal point.
    if (packed.empty() ||
        (packed.front() != '.' && (packed.front() < '0' || packed.front() > '9'))) {
        return "0";
    }
    double value = 0.0;
    const auto [end, error] = std::from_chars(packed.data(), packed.data() + packed.size(), value);
    if (error == std::errc::result_out_of_range) {
        return far_too_large({packed.data(), end}) ? "inf" : "0";
    }
    if (error != std::errc{} || value == 0.0) {
        return "0";
    }
    return write_back(value);
}

} // namespace halvora
