#include "text_helpers.h"

#include <halvora/calendar.h>

#include <gtest/gtest.h>

#include <cstddef>
#include <string_view>

namespace halvora {
namespace {

using namespace std::string_view_literals;

TEST(Honapnev, TranslatesEnglishMonthsAndGivesAnythingElseBack) {
    for (std::size_t i = 0; i < 12; ++i) {
        EXPECT_EQ(honapnev(english_month_names[i]), hungarian_month_names[i]);
        EXPECT_EQ(honapnev(hungarian_month_names[i]), hungarian_month_names[i]);
        EXPECT_FALSE(testing::has_double_acute_o(hungarian_month_names[i]));
    }
    for (const auto text :
         {"january"sv, "JANUARY"sv, "January "sv, "Jan"sv, ""sv, "January\0"sv, "Janu\xC3"sv}) {
        EXPECT_EQ(honapnev(text), text);
    }
}

TEST(Hetnapnev, TranslatesEnglishWeekdaysAndGivesAnythingElseBack) {
    for (std::size_t i = 0; i < 7; ++i) {
        EXPECT_EQ(hetnapnev(english_weekday_names[i]), hungarian_weekday_names[i]);
        EXPECT_FALSE(testing::has_double_acute_o(hungarian_weekday_names[i]));
    }
    EXPECT_EQ(hetnapnev("Monday"), "H\xC3\xA9tf\xC3\xB5"); // o with tilde, byte for byte
    for (const auto text : {"monday"sv, "Montag"sv, "Kedd"sv, "Hétfõ"sv, ""sv, " Monday"sv}) {
        EXPECT_EQ(hetnapnev(text), text);
    }
}

} // namespace
} // namespace halvora
