// The day conversion on any text. Its result is never empty, reads back as
// itself (a number too large for a double, "inf", reads back as "0": neither
// names a day), and is a day's numeral exactly when the text's leading number,
// read independently here, is that day.
#include "check.h"

#include <halvora/mainwindow/day_conversion.h>

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

namespace {

using halvora::fuzzing::check;

bool is_blank(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\r';
}
bool is_digit(char c) {
    return c >= '0' && c <= '9';
}

// The leading number of the text without its blanks, read by the C library:
// digits, one full stop, then an exponent only if it has a digit. NaN when
// the text begins with no number.
double leading_number(std::string_view text) {
    std::string packed;
    for (const char c : text) {
        if (!is_blank(c)) {
            packed += c;
        }
    }
    std::size_t end = 0;
    bool any_digit = false;
    while (end < packed.size() && is_digit(packed[end])) {
        ++end;
        any_digit = true;
    }
    if (end < packed.size() && packed[end] == '.') {
        ++end;
        while (end < packed.size() && is_digit(packed[end])) {
            ++end;
            any_digit = true;
        }
    }
    if (!any_digit) {
        return std::strtod("nan", nullptr);
    }
    if (end < packed.size() && (packed[end] == 'e' || packed[end] == 'E')) {
        std::size_t exponent_end = end + 1;
        if (exponent_end < packed.size() &&
            (packed[exponent_end] == '+' || packed[exponent_end] == '-')) {
            ++exponent_end;
        }
        if (exponent_end < packed.size() && is_digit(packed[exponent_end])) {
            while (exponent_end < packed.size() && is_digit(packed[exponent_end])) {
                ++exponent_end;
            }
            end = exponent_end;
        }
    }
    const std::string number = packed.substr(0, end);
    return std::strtod(number.c_str(), nullptr);
}

// The day 1 to 31 a plain numeral names, or 0.
int day_numeral(std::string_view text) {
    if (text.empty() || text.size() > 2 || text.front() == '0') {
        return 0;
    }
    int value = 0;
    for (const char c : text) {
        if (!is_digit(c)) {
            return 0;
        }
        value = value * 10 + (c - '0');
    }
    return value <= 31 ? value : 0;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    std::string result;
    try {
        result = halvora::day_conversion(text);
        check(!result.empty(), "a result");
        const std::string again = halvora::day_conversion(result);
        check(result == "inf" ? again == "0" : again == result, "reads back as itself");
    } catch (...) {
        __builtin_trap();
    }

    const double leading = leading_number(text);
    const int day = day_numeral(result);
    if (day != 0) {
        check(leading == day, "a day's numeral comes from that leading number");
    }
    if (leading >= 1.0 && leading <= 31.0 && leading == std::floor(leading)) {
        check(day == static_cast<int>(leading), "a leading day gives its numeral");
    }
    return 0;
}
