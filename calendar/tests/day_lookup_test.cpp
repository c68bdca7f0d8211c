#include "text_helpers.h"

#include <halvora/calendar.h>

#include <gtest/gtest.h>

#include <cstddef>
#include <string>
#include <string_view>

namespace halvora {
namespace {

using namespace std::string_view_literals;

// Every day by both month names, and the counts the calendar is known to hold.
TEST(DayLookup, EveryDayByHungarianAndEnglishMonthAndTheCounts) {
    int one_name = 0;
    int two_names = 0;
    int empty = 0;
    for (std::size_t month = 0; month < 12; ++month) {
        for (int day = 1; day <= days_in_table[month]; ++day) {
            const std::string numeral = std::to_string(day);
            const auto names = napszerint(hungarian_month_names[month], numeral);
            SCOPED_TRACE(std::string(hungarian_month_names[month]) + " " + numeral);
            EXPECT_EQ(napszerint(english_month_names[month], numeral), names);
            EXPECT_NE(names, honapbaj);
            EXPECT_NE(names, napbaj);
            EXPECT_LE(testing::utf8_characters(names), 19U);
            EXPECT_FALSE(testing::has_double_acute_o(names));
            if (names.empty()) {
                ++empty;
                EXPECT_EQ(month * 100 + static_cast<std::size_t>(day), 129U); // február 29.
                continue;
            }
            EXPECT_NE(names.front(), ' ');
            EXPECT_NE(names.back(), ' ');
            const auto separator = names.find(", ");
            ++(separator == std::string_view::npos ? one_name : two_names);
            if (separator != std::string_view::npos) {
                EXPECT_EQ(names.find(", ", separator + 1), std::string_view::npos);
            }
        }
        const std::string past_end = std::to_string(days_in_table[month] + 1);
        EXPECT_EQ(napszerint(hungarian_month_names[month], past_end), napbaj);
        EXPECT_EQ(napszerint(english_month_names[month], past_end), napbaj);
    }
    EXPECT_EQ(one_name, 247);
    EXPECT_EQ(two_names, 118);
    EXPECT_EQ(empty, 1);
}

TEST(DayLookup, KnownDaysAndEdgeInputs) {
    struct Case {
        std::string_view month, day, expected;
    };
    const Case cases[] = {
        {"január", "1", "Fruzsina"},
        {"január", "3", "Genovéva, Benjámin"},
        {"December", "31", "Szilveszter"},
        {"február", "29", ""},
        {"augusztus", "10", "Lõrinc"},
        {"május", "23", "Dezsõ"},
        // Days the month lacks.
        {"február", "30", napbaj},
        {"április", "31", napbaj},
        {"November", "31", napbaj},
        // A month that is not exactly one of the 24 names fails before the day is read.
        {"Január", "1", honapbaj},
        {"JANUARY", "1", honapbaj},
        {" január", "1", honapbaj},
        {"január ", "1", honapbaj},
        {"", "1", honapbaj},
        {"január\0"sv, "1", honapbaj},
        {"janu\xE1r", "1", honapbaj},      // Latin-1, not UTF-8
        {"janua\xCC\x81r", "1", honapbaj}, // a + combining acute
        {"janu\xC3", "1", honapbaj},       // cut in a character
        {"x", "not a day", honapbaj},
        // Not a plain day numeral.
        {"január", "01", napbaj},
        {"január", " 1", napbaj},
        {"január", "1 ", napbaj},
        {"január", "0", napbaj},
        {"január", "-1", napbaj},
        {"január", "+1", napbaj},
        {"január", "1.", napbaj},
        {"január", "", napbaj},
        {"január", "1\0"sv, napbaj},
        {"január", "0x1", napbaj},
        {"január", "\xEF\xBC\x91", napbaj}, // fullwidth digit one
        {"január", "99999999999999999999", napbaj},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(napszerint(c.month, c.day), c.expected) << c.month << " " << c.day;
    }
    const std::string huge_digits(1U << 20U, '1');
    EXPECT_EQ(napszerint("január", huge_digits), napbaj);
    EXPECT_EQ(napszerint("január" + std::string(1U << 20U, ' '), "1"), honapbaj);
}

} // namespace
} // namespace halvora
