// The day lookup on any two texts: month and day, cut at the first NUL or
// newline. The outcome must agree with a plain reading of the two texts, and
// both languages' month names must find the very same table entry.
#include "check.h"

#include <halvora/calendar.h>

#include <cstddef>
#include <cstdint>
#include <string_view>

namespace {

using namespace halvora;
using fuzzing::check;

// Zero-based month a text names in either language, or -1.
int month_named(std::string_view text) {
    for (std::size_t i = 0; i < hungarian_month_names.size(); ++i) {
        if (text == hungarian_month_names[i] || text == english_month_names[i]) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

// The day a plain numeral "1" to "31" names, or 0 for any other text.
int day_named(std::string_view text) {
    int value = 0;
    for (const char c : text) {
        if (c < '0' || c > '9') {
            return 0;
        }
        value = value * 10 + (c - '0');
        if (value > 31) {
            return 0;
        }
    }
    const bool plain = !text.empty() && text.front() != '0';
    return plain ? value : 0;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    const std::size_t cut = input.find_first_of(std::string_view("\0\n", 2));
    const std::string_view month = input.substr(0, cut);
    const std::string_view day =
        cut == std::string_view::npos ? std::string_view{} : input.substr(cut + 1);

    const std::string_view outcome = napszerint(month, day);
    const int month_index = month_named(month);
    const int day_number = day_named(day);
    if (month_index < 0) {
        check(outcome == honapbaj, "no month gives honapbaj");
    } else if (day_number == 0 ||
               day_number > days_in_table[static_cast<std::size_t>(month_index)]) {
        check(outcome == napbaj, "no day of the month gives napbaj");
    } else {
        check(outcome != honapbaj && outcome != napbaj, "a day of the month gives its names");
        const auto m = static_cast<std::size_t>(month_index);
        check(napszerint(hungarian_month_names[m], day).data() == outcome.data(),
              "the Hungarian name finds the same entry");
        check(napszerint(english_month_names[m], day).data() == outcome.data(),
              "the English name finds the same entry");
    }
    return 0;
}
