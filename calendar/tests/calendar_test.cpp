#include <halvora/calendar.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <cstdint>
#include <string>
#include <string_view>
#include <tuple>
#include <utility>
#include <vector>

namespace halvora {
namespace {

using namespace std::string_view_literals;

// Every text of both tables, the name list in its order and the month and
// weekday names go into one digest of the calendar's own texts, so that any
// changed letter fails. Beside it the tables must agree: each day's names, by
// either month name, are found back by name with that day among their dates,
// but for the four names whose dates are written shortened. A deliberate change
// to a table needs the new digest, which the failure prints.
TEST(Calendar, TablesAreWholeAndAgree) {
    const std::string_view shortened[] = {"Ferenc", "Mária", "Pál", "Tamás"};
    std::string all;
    for (std::size_t month = 0; month < 12; ++month) {
        const auto past_end = std::to_string(days_in_table[month] + 1);
        EXPECT_EQ(napszerint(english_month_names[month], past_end), napbaj);
        for (int day = 1; day <= days_in_table[month]; ++day) {
            const auto numeral = std::to_string(day);
            const auto date = std::string(hungarian_month_names[month]) + " " + numeral + ".";
            auto names = napszerint(hungarian_month_names[month], numeral);
            EXPECT_EQ(napszerint(english_month_names[month], numeral), names) << date;
            all.append(names).append("\n");
            while (!names.empty()) {
                const auto name = names.substr(0, names.find(", "));
                EXPECT_TRUE(nevszerint(name).find(date) != std::string_view::npos ||
                            std::ranges::count(shortened, name) == 1)
                    << name << " " << date;
                names.remove_prefix(std::min(name.size() + 2, names.size()));
            }
        }
    }
    for (const auto name : name_list) {
        EXPECT_NE(nevszerint(name), nevbaj) << name;
        all.append(name).append("=").append(nevszerint(name)).append("\n");
    }
    for (std::size_t i = 0; i < 19; ++i) {
        const auto english = i < 12 ? english_month_names[i] : english_weekday_names[i - 12];
        all.append(english).append("=").append(i < 12 ? honapnev(english) : hetnapnev(english));
    }
    std::uint64_t fnv1a = 0xcbf29ce484222325U;
    for (const char c : all) {
        fnv1a = (fnv1a ^ static_cast<unsigned char>(c)) * 0x100000001b3U;
    }
    EXPECT_EQ(fnv1a, 0x544ab2dc1cc95366U);
}

// Exact comparison throughout: case, blanks, accents, õ against the double
// acute, and only the plain numerals of the month's days.
TEST(Calendar, LookupsAndTranslationsAtTheirEdges) {
    EXPECT_EQ(napszerint("február", "29"), "");
    EXPECT_EQ(napszerint("August", "10"), "Lõrinc");
    // 2^32 + 1 would be day 1 to a reading that overflows a 32-bit int.
    for (const auto day : {"01"sv, " 1"sv, "1 "sv, "0"sv, "+1"sv, ""sv, "1\0"sv, "4294967297"sv}) {
        EXPECT_EQ(napszerint("január", day), napbaj) << day;
    }
    for (const auto month : {"Január"sv, " január"sv, "január "sv, ""sv, "janu\xE1r"sv}) {
        EXPECT_EQ(napszerint(month, "not a day"), honapbaj) << month;
    }
    EXPECT_EQ(nevszerint("Abigél"), " február 9.");
    EXPECT_EQ(nevszerint("Fruzsina"), "január 1.");
    EXPECT_EQ(nevszerint("Mária"), " aug. 15. szept 8. szept. 12. dec. 8.");
    for (const auto name : {"Dezs\xC5\x91"sv, "abigél"sv, " Abigél"sv, "Abigél "sv, ""sv,
                            "Genovéva, Benjámin"sv, "Szilveszte"sv, "Szilveszterek"sv, "\xFF"sv}) {
        EXPECT_EQ(nevszerint(name), nevbaj) << name;
    }
    EXPECT_EQ(hetnapnev("Monday"), "H\xC3\xA9tf\xC3\xB5");
    for (const auto text : {"január"sv, "january"sv, "JANUARY"sv, "January "sv, "Januar"sv, ""sv,
                            "monday"sv, "Montag"sv, "kedd"sv, "Hétfõ"sv, " Sunday"sv}) {
        EXPECT_EQ(honapnev(text), text);
        EXPECT_EQ(hetnapnev(text), text);
    }
}

// A drop-down list; the fit may only ever take away its last item.
struct FakeList : ChoiceList {
    [[nodiscard]] std::string_view text() const override { return current; }
    [[nodiscard]] int count() const override { return static_cast<int>(items.size()); }
    void append(std::string_view item) override { items.emplace_back(item); }
    void remove_at(int position) override {
        ASSERT_TRUE(!items.empty() && position == count() - 1) << position;
        items.pop_back();
    }
    std::string current;
    std::vector<std::string> items;
};

// Days 1 to `count`, with the fill's leading blank up to `filled`, bare after it.
std::vector<std::string> day_items(int count, int filled) {
    std::vector<std::string> items;
    for (int day = 1; day <= count; ++day) {
        items.push_back((day <= filled ? " " : "") + std::to_string(day));
    }
    return items;
}

// Every month text at fill time, then against every day-list length: only a
// list of 28, 30 or 31 items is fitted to a known month.
TEST(Vocabulary, TimeSeparatorOfASystemsTimeFormat) {
    const std::pair<std::string_view, std::string_view> cases[] = {
        {"H.mm", "."},     {"h:mm AP", ":"}, {"HH 'h' mm", " "}, {"HH'h'mm", ":"},
        {"tt hh:mm", ":"}, {"", ":"},        {"mm", ":"},        {"H\xC3\xA9mm", ":"}};
    for (const auto& [format, separator] : cases) {
        EXPECT_EQ(time_separator_of(format), separator) << format;
    }
}

TEST(ChoiceLists, FillAndFitFollowTheMonthText) {
    const std::pair<int, std::vector<std::string_view>> months[] = {
        {31, {"január", "március", "május", "július", "augusztus", "október", "december"}},
        {30, {"április", "június", "szeptember", "november"}},
        {28, {"február"}},
        {0, {"Január", "January", "", " május", "február\xFF"}}};
    for (const auto& [length, texts] : months) {
        for (const auto text : texts) {
            FakeList month_list, days, names;
            month_list.current = text;
            fill_choice_lists(month_list, days, names);
            EXPECT_EQ(days.items, day_items(length, length)) << text;
            EXPECT_TRUE(std::ranges::equal(month_list.items, hungarian_month_names));
            EXPECT_TRUE(std::ranges::equal(names.items, name_list));
            for (int held = 0; held <= 32; ++held) {
                FakeList fitted;
                fitted.items = day_items(held, held);
                fit_day_list(month_list, fitted);
                const bool fits = length > 0 && (held == 28 || held == 30 || held == 31);
                EXPECT_EQ(fitted.items, day_items(fits ? length : held, held)) << text << held;
            }
        }
    }
}

// Names as the regional settings give them, neither Hungarian nor English.
const RegionalSettings german{
    {"Jan", "Feb", "Mär", "Apr", "Mai", "Jun", "Jul", "Aug", "Sep", "Okt", "Nov", "Dez"},
    {"Mo", "Di", "Mi", "Do", "Fr", "Sa", "So"},
    "."};

std::string every_pattern(const Moment& moment) {
    std::string texts;
    for (const auto pattern :
         {pattern_year, pattern_day, pattern_month, pattern_weekday, pattern_clock}) {
        texts.append(datumszoveg(pattern, moment, german)).append("|");
    }
    return texts;
}

// Each field at both of its bounds gives every text, just or far past them none.
TEST(Datumszoveg, EveryPatternAtTheBoundsOfEveryField) {
    // year, month, day, weekday from Monday, hour, minute
    EXPECT_EQ(every_pattern({0, 1, 1, 0, 0, 0}), "0000. | 1.|Jan|Mo|00.00|");
    EXPECT_EQ(every_pattern({7, 12, 9, 6, 23, 59}), "0007. | 9.|Dez|So|23.59|");
    EXPECT_EQ(every_pattern({9999, 3, 31, 2, 7, 5}), "9999. | 31.|Mär|Mi|07.05|");
    EXPECT_EQ(every_pattern({2026, 2, 10, 5, 12, 30}), "2026. | 10.|Feb|Sa|12.30|");
    for (const auto pattern : {"hh:mm "sv, "yyyy."sv, "HH:mm"sv, "MMMM"sv, ""sv}) {
        EXPECT_EQ(datumszoveg(pattern, Moment{}, german), "") << pattern;
    }
    const std::tuple<int Moment::*, int, int> ranges[] = {
        {&Moment::year, 0, 9999}, {&Moment::month, 1, 12}, {&Moment::day, 1, 31},
        {&Moment::weekday, 0, 6}, {&Moment::hour, 0, 23},  {&Moment::minute, 0, 59}};
    for (const auto& [field, low, high] : ranges) {
        for (const int value : {INT_MIN, low - 1, low, high, high + 1, INT_MAX}) {
            Moment moment;
            moment.*field = value;
            const bool inside = value == low || value == high;
            EXPECT_EQ(every_pattern(moment) == "|||||", !inside) << value;
            EXPECT_EQ(day_numeral(moment),
                      inside || field != &Moment::day ? std::to_string(moment.day) : "");
        }
    }
}

} // namespace
} // namespace halvora
