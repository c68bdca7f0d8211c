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

TEST(Datumszoveg, EachPatternOnAHungarianSystem) {
    const auto regional = hungarian();
    EXPECT_EQ(datumszoveg(pattern_year, saturday, regional), "2026. ");
    EXPECT_EQ(datumszoveg(pattern_day, saturday, regional), " 5.");
    EXPECT_EQ(datumszoveg(pattern_month, saturday, regional), "december");
    EXPECT_EQ(datumszoveg(pattern_weekday, saturday, regional), "szombat");
    EXPECT_EQ(datumszoveg(pattern_clock, saturday, regional), "07:05");
}

TEST(Datumszoveg, NamesComeFromTheRegionalSettings) {
    struct Case {
        RegionalSettings regional;
        std::string march;
        std::string monday;
        std::string sunday;
    };
    const std::vector<Case> cases = {{english(), "March", "Monday", "Sunday"},
                                     {hungarian(), "március", "hétfõ", "vasárnap"},
                                     {german(), "März", "Montag", "Sonntag"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.march);
        EXPECT_EQ(datumszoveg(pattern_month, with(saturday, &Moment::month, 3), c.regional),
                  c.march);
        EXPECT_EQ(datumszoveg(pattern_weekday, with(saturday, &Moment::weekday, 0), c.regional),
                  c.monday);
        EXPECT_EQ(datumszoveg(pattern_weekday, with(saturday, &Moment::weekday, 6), c.regional),
                  c.sunday);
        for (int month = 1; month <= 12; ++month) {
            EXPECT_EQ(datumszoveg(pattern_month, with(saturday, &Moment::month, month), c.regional),
                      c.regional.month_names[static_cast<std::size_t>(month - 1)]);
        }
    }
}

TEST(Datumszoveg, NumbersAndTheirWidths) {
    const auto regional = german();
    const std::vector<std::pair<int, std::string>> years = {
        {2026, "2026. "}, {7, "0007. "}, {0, "0000. "}, {999, "0999. "}, {9999, "9999. "}};
    for (const auto& [year, text] : years) {
        EXPECT_EQ(datumszoveg(pattern_year, with(saturday, &Moment::year, year), regional), text);
    }
    const std::vector<std::pair<int, std::string>> days = {
        {1, " 1."}, {9, " 9."}, {10, " 10."}, {31, " 31."}};
    for (const auto& [day, text] : days) {
        EXPECT_EQ(datumszoveg(pattern_day, with(saturday, &Moment::day, day), regional), text);
        EXPECT_EQ(day_numeral(with(saturday, &Moment::day, day)), std::to_string(day));
    }
    const Moment midnight{2026, 1, 1, 3, 0, 0};
    const Moment last_minute{2026, 12, 31, 3, 23, 59};
    EXPECT_EQ(datumszoveg(pattern_clock, midnight, regional), "00:00");
    EXPECT_EQ(datumszoveg(pattern_clock, last_minute, regional), "23:59");
    auto dotted = regional;
    dotted.time_separator = ".";
    EXPECT_EQ(datumszoveg(pattern_clock, saturday, dotted), "07.05");
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
    EXPECT_EQ(day_numeral(with(saturday, &Moment::day, 0)), "");
    EXPECT_EQ(day_numeral(with(saturday, &Moment::day, 32)), "");
}

TEST(Datumszoveg, OnlyTheFivePatternsAreKnown) {
    using namespace std::string_view_literals;
    for (const auto pattern :
         {""sv, "yyyy"sv, "yyyy."sv, "YYYY. "sv, "d."sv, " d. "sv, "dd"sv, "mmm"sv, "MMMM"sv,
          "ddd"sv, "hh:mm "sv, "HH:mm"sv, "hh.mm"sv, "dddd\0"sv}) {
        EXPECT_EQ(datumszoveg(pattern, saturday, english()), "") << pattern;
    }
}

} // namespace
} // namespace halvora
