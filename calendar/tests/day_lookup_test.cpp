#include "text_helpers.h"

#include <halvora/calendar.h>

#include <gtest/gtest.h>

#include <cstddef>
#include <ostream>
#include <string>
#include <string_view>

namespace halvora {
namespace {

using namespace std::string_view_literals;
using testing::has_double_acute_o;
using testing::utf8_characters;

TEST(DayLookup, EveryDayIsFoundByItsHungarianAndEnglishMonthAlike) {
    for (std::size_t month = 0; month < 12; ++month) {
        for (int day = 1; day <= days_in_table[month]; ++day) {
            const std::string numeral = std::to_string(day);
            const auto names = napszerint(hungarian_month_names[month], numeral);
            SCOPED_TRACE(std::string(hungarian_month_names[month]) + " " + numeral);
            EXPECT_NE(names, honapbaj);
            EXPECT_NE(names, napbaj);
            EXPECT_EQ(napszerint(english_month_names[month], numeral), names);
        }
        const std::string past_end = std::to_string(days_in_table[month] + 1);
        EXPECT_EQ(napszerint(hungarian_month_names[month], past_end), napbaj);
        EXPECT_EQ(napszerint(english_month_names[month], past_end), napbaj);
    }
}

struct DayCase {
    std::string_view month;
    std::string_view day;
    std::string_view expected;
};

void PrintTo(const DayCase& c, std::ostream* os) {
    *os << testing::escaped(c.month) << " " << testing::escaped(c.day);
}

class DayLookupCases : public ::testing::TestWithParam<DayCase> {};

TEST_P(DayLookupCases, GivesTheExpectedOutcome) {
    EXPECT_EQ(napszerint(GetParam().month, GetParam().day), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    KnownDays, DayLookupCases,
    ::testing::Values(DayCase{"január", "1", "Fruzsina"}, DayCase{"January", "1", "Fruzsina"},
                      DayCase{"január", "3", "Genovéva, Benjámin"},
                      DayCase{"December", "31", "Szilveszter"}, DayCase{"február", "28", "Elemér"},
                      DayCase{"február", "29", ""}, DayCase{"February", "29", ""},
                      DayCase{"április", "30", "Katalin, Kitti"},
                      DayCase{"november", "23", "Kelemen, Klementina"},
                      DayCase{"augusztus", "10", "Lõrinc"}, DayCase{"május", "23", "Dezsõ"}));

INSTANTIATE_TEST_SUITE_P(
    DaysTheMonthLacks, DayLookupCases,
    ::testing::Values(DayCase{"február", "30", napbaj}, DayCase{"február", "31", napbaj},
                      DayCase{"április", "31", napbaj}, DayCase{"június", "31", napbaj},
                      DayCase{"szeptember", "31", napbaj}, DayCase{"November", "31", napbaj},
                      DayCase{"december", "32", napbaj}));

// A month that is not exactly one of the 24 names fails before the day is read.
INSTANTIATE_TEST_SUITE_P(
    UnknownMonths, DayLookupCases,
    ::testing::Values(DayCase{"Január", "1", honapbaj}, DayCase{"JANUARY", "1", honapbaj},
                      DayCase{"january", "1", honapbaj}, DayCase{" január", "1", honapbaj},
                      DayCase{"január ", "1", honapbaj}, DayCase{"", "1", honapbaj},
                      DayCase{"Januar", "1", honapbaj}, DayCase{"jan", "1", honapbaj},
                      DayCase{"január\0"sv, "1", honapbaj},
                      DayCase{"janu\xE1r", "1", honapbaj},      // Latin-1, not UTF-8
                      DayCase{"janua\xCC\x81r", "1", honapbaj}, // a + combining acute
                      DayCase{"janu\xC3", "1", honapbaj},       // cut in a character
                      DayCase{"\xFF\xFE", "1", honapbaj}, DayCase{"Február", "", honapbaj},
                      DayCase{"x", "not a day", honapbaj}));

INSTANTIATE_TEST_SUITE_P(
    NotADayNumeral, DayLookupCases,
    ::testing::Values(DayCase{"január", "01", napbaj}, DayCase{"január", " 1", napbaj},
                      DayCase{"január", "1 ", napbaj}, DayCase{"január", "0", napbaj},
                      DayCase{"január", "00", napbaj}, DayCase{"január", "32", napbaj},
                      DayCase{"január", "-1", napbaj}, DayCase{"január", "+1", napbaj},
                      DayCase{"január", "1.0", napbaj}, DayCase{"január", "1.", napbaj},
                      DayCase{"január", "", napbaj}, DayCase{"január", "1\0"sv, napbaj},
                      DayCase{"január", "\0"sv, napbaj}, DayCase{"január", "one", napbaj},
                      DayCase{"január", "1e1", napbaj}, DayCase{"január", "0x1", napbaj},
                      DayCase{"január", "\xEF\xBC\x91", napbaj}, // fullwidth digit one
                      DayCase{"január", "3\xFF", napbaj},
                      DayCase{"január", "99999999999999999999", napbaj}));

TEST(DayLookup, HugeTextsAreRejectedNotRead) {
    const std::string huge_digits(1U << 20U, '1');
    const std::string huge_month = "január" + std::string(1U << 20U, ' ');
    EXPECT_EQ(napszerint("január", huge_digits), napbaj);
    EXPECT_EQ(napszerint(huge_month, "1"), honapbaj);
    EXPECT_EQ(napszerint(huge_digits, huge_digits), honapbaj);
}

TEST(DayTable, HoldsTheCalendarsCounts) {
    int one_name = 0;
    int two_names = 0;
    int empty = 0;
    for (std::size_t month = 0; month < 12; ++month) {
        for (int day = 1; day <= days_in_table[month]; ++day) {
            const auto names = napszerint(hungarian_month_names[month], std::to_string(day));
            SCOPED_TRACE(std::string(names));
            EXPECT_LE(utf8_characters(names), 19U);
            EXPECT_FALSE(has_double_acute_o(names));
            if (names.empty()) {
                ++empty;
                EXPECT_EQ(hungarian_month_names[month], "február");
                EXPECT_EQ(day, 29);
                continue;
            }
            EXPECT_NE(names.front(), ' ');
            EXPECT_NE(names.back(), ' ');
            const auto separator = names.find(", ");
            if (separator == std::string_view::npos) {
                ++one_name;
            } else {
                ++two_names;
                EXPECT_EQ(names.find(", ", separator + 1), std::string_view::npos);
            }
        }
    }
    EXPECT_EQ(one_name, 247);
    EXPECT_EQ(two_names, 118);
    EXPECT_EQ(empty, 1);
}

} // namespace
} // namespace halvora
