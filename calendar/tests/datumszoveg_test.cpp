#include <halvora/calendar.h>

#include <gtest/gtest.h>

#include <climits>
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace halvora {
namespace {

template <std::size_t N>
std::array<std::string, N> strings(const std::array<std::string_view, N>& views) {
    std::array<std::string, N> result;
    for (std::size_t i = 0; i < N; ++i) {
        result[i] = std::string(views[i]);
    }
    return result;
}

RegionalSettings english() {
    return {strings(english_month_names), strings(english_weekday_names), ":"};
}

RegionalSettings hungarian() {
    return {strings(hungarian_month_names),
            {"hétfõ", "kedd", "szerda", "csütörtök", "péntek", "szombat", "vasárnap"},
            ":"};
}

RegionalSettings german() {
    return {{"Januar", "Februar", "März", "April", "Mai", "Juni", "Juli", "August", "September",
             "Oktober", "November", "Dezember"},
            {"Montag", "Dienstag", "Mittwoch", "Donnerstag", "Freitag", "Samstag", "Sonntag"},
            ":"};
}

// Saturday, 5 December 2026, 07:05.
constexpr Moment saturday{2026, 12, 5, 5, 7, 5};

Moment with(Moment moment, int Moment::*field, int value) {
    moment.*field = value;
    return moment;
}

TEST(Datumszoveg, EachPatternAtItsEdges) {
    struct Case {
        std::string_view pattern;
        Moment moment;
        std::string_view text;
    };
    const Case cases[] = {
        {pattern_year, saturday, "2026. "},
        {pattern_year, with(saturday, &Moment::year, 0), "0000. "},
        {pattern_year, with(saturday, &Moment::year, 7), "0007. "},
        {pattern_year, with(saturday, &Moment::year, 9999), "9999. "},
        {pattern_day, with(saturday, &Moment::day, 1), " 1."},
        {pattern_day, with(saturday, &Moment::day, 31), " 31."},
        {pattern_month, saturday, "december"},
        {pattern_weekday, saturday, "szombat"},
        {pattern_clock, saturday, "07:05"},
        {pattern_clock, {2026, 1, 1, 3, 0, 0}, "00:00"},
        {pattern_clock, {2026, 12, 31, 3, 23, 59}, "23:59"},
    };
    auto regional = hungarian();
    for (const auto& c : cases) {
        EXPECT_EQ(datumszoveg(c.pattern, c.moment, regional), c.text);
    }
    EXPECT_EQ(day_numeral(with(saturday, &Moment::day, 1)), "1");
    EXPECT_EQ(day_numeral(with(saturday, &Moment::day, 31)), "31");
    regional.time_separator = ".";
    EXPECT_EQ(datumszoveg(pattern_clock, saturday, regional), "07.05");
}

TEST(Datumszoveg, NamesComeFromTheRegionalSettings) {
    for (const auto& regional : {english(), hungarian(), german()}) {
        SCOPED_TRACE(regional.month_names[2]);
        for (int month = 1; month <= 12; ++month) {
            EXPECT_EQ(datumszoveg(pattern_month, with(saturday, &Moment::month, month), regional),
                      regional.month_names[static_cast<std::size_t>(month - 1)]);
        }
        for (int weekday = 0; weekday < 7; ++weekday) {
            EXPECT_EQ(
                datumszoveg(pattern_weekday, with(saturday, &Moment::weekday, weekday), regional),
                regional.weekday_names[static_cast<std::size_t>(weekday)]);
        }
    }
}

TEST(Datumszoveg, AFieldOutOfRangeGivesNothing) {
    const std::vector<std::pair<int Moment::*, std::vector<int>>> bad_values = {
        {&Moment::year, {-1, 10000, INT_MIN, INT_MAX}},
        {&Moment::month, {0, 13, -1, INT_MAX}},
        {&Moment::day, {0, 32, INT_MIN}},
        {&Moment::weekday, {-1, 7, INT_MAX}},
        {&Moment::hour, {-1, 24, INT_MAX}},
        {&Moment::minute, {-1, 60, INT_MIN}}};
    const auto regional = english();
    for (const auto& [field, values] : bad_values) {
        for (const int value : values) {
            const Moment bad = with(saturday, field, value);
            for (const auto pattern :
                 {pattern_year, pattern_day, pattern_month, pattern_weekday, pattern_clock}) {
                EXPECT_EQ(datumszoveg(pattern, bad, regional), "") << pattern << " " << value;
            }
        }
    }
    EXPECT_EQ(day_numeral(with(saturday, &Moment::day, 0)) +
                  day_numeral(with(saturday, &Moment::day, 32)),
              "");
}

TEST(Datumszoveg, OnlyTheFivePatternsAreKnown) {
    using namespace std::string_view_literals;
    for (const auto pattern :
         {""sv, "yyyy."sv, "YYYY. "sv, " d. "sv, "MMMM"sv, "hh:mm "sv, "HH:mm"sv, "dddd\0"sv}) {
        EXPECT_EQ(datumszoveg(pattern, saturday, english()), "") << pattern;
    }
}

} // namespace
} // namespace halvora
