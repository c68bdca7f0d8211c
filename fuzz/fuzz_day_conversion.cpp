// The day conversion on any text, against the C library's reading of the
// same number: the text's leading number once its blanks are dropped (digits
// with one full stop, an exponent only if it has a digit, no sign), written
// back in the shortest form that reads as it: plain from 1e-4 up to 1e15, with
// an exponent beyond; "inf" past a double's range, "0" for no number at all.
#include "fuzz.h"

#include <halvora/mainwindow/day_conversion.h>

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

namespace {

std::string expected(std::string_view text) {
    std::string packed;
    std::ranges::copy_if(text, std::back_inserter(packed), [](char c) {
        return std::string_view(" \t\n\r").find(c) == std::string_view::npos;
    });
    const auto digits = [&](std::size_t from) {
        return std::min(packed.find_first_not_of("0123456789", from), packed.size());
    };
    std::size_t end = digits(0);
    end = packed[end] == '.' ? digits(end + 1) : end; // the end is a NUL of its own
    if (packed.find_first_of("0123456789") >= end) {
        return "0";
    }
    if (packed[end] == 'e' || packed[end] == 'E') {
        const std::size_t from = end + 1 + (packed[end + 1] == '+' || packed[end + 1] == '-');
        end = digits(from) > from ? digits(from) : end;
    }
    const double value = std::strtod(packed.substr(0, end).c_str(), nullptr);
    std::array<char, 64> buffer{};
    const auto format =
        value >= 1e-4 && value < 1e15 ? std::chars_format::fixed : std::chars_format::scientific;
    const auto written =
        std::to_chars(buffer.data(), buffer.data() + buffer.size(), value, format).ptr;
    return value == 0.0 ? "0" : std::isinf(value) ? "inf" : std::string(buffer.data(), written);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    CHECK(halvora::day_conversion(text) == expected(text));
    return 0;
}
