// The day lookup on any two texts: month and day, cut at the first NUL or
// newline. The outcome must agree with a plain reading of the two texts, and
// both languages' month names must find the very same table entry.
#include "fuzz.h"

#include <halvora/calendar.h>

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string_view>

using namespace halvora;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    const std::size_t cut = std::min(input.find_first_of(std::string_view("\0\n", 2)), size);
    const std::string_view month = input.substr(0, cut);
    const std::string_view day = input.substr(std::min(cut + 1, size));

    const auto m = static_cast<std::size_t>(
        std::min(std::ranges::find(hungarian_month_names, month) - hungarian_month_names.begin(),
                 std::ranges::find(english_month_names, month) - english_month_names.begin()));
    // A plain numeral: digits without a leading zero; anything else reads as 1000.
    int number = day.empty() || day[0] == '0' ? 1000 : 0;
    for (const char c : day) {
        number = c >= '0' && c <= '9' && number < 100 ? number * 10 + (c - '0') : 1000;
    }
    const std::string_view outcome = napszerint(month, day);
    if (m == 12) {
        CHECK(outcome == honapbaj);
    } else if (number > days_in_table[m]) {
        CHECK(outcome == napbaj);
    } else {
        // Its names, the very same entry in either language.
        CHECK(outcome != honapbaj && outcome != napbaj &&
              napszerint(hungarian_month_names[m], day).data() == outcome.data() &&
              napszerint(english_month_names[m], day).data() == outcome.data());
    }
    return 0;
}
