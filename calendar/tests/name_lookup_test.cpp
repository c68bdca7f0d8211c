#include "text_helpers.h"

#include <halvora/calendar.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstddef>
#include <map>
#include <set>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace halvora {
namespace {

using namespace std::string_view_literals;
using testing::has_double_acute_o;
using testing::utf8_characters;

struct Day {
    std::size_t month; // zero-based
    int day;
};

// Every name of the day table with its days in calendar order, read back
// through the day lookup rather than from the tables themselves.
std::map<std::string, std::vector<Day>> days_of_every_name() {
    std::map<std::string, std::vector<Day>> days;
    for (std::size_t month = 0; month < 12; ++month) {
        for (int day = 1; day <= days_in_table[month]; ++day) {
            std::string_view names = napszerint(hungarian_month_names[month], std::to_string(day));
            while (!names.empty()) {
                const auto end = names.find(", ");
                days[std::string(names.substr(0, end))].push_back({month, day});
                names = end == std::string_view::npos ? "" : names.substr(end + 2);
            }
        }
    }
    return days;
}

std::string date_text_by_rule(const std::vector<Day>& days) {
    std::string text;
    for (const auto& [month, day] : days) {
        text += " ";
        text += hungarian_month_names[month];
        text += " " + std::to_string(day) + ".";
    }
    return text;
}

// The names whose date texts have always differed from the rule.
const std::map<std::string_view, std::string_view> irregular_dates = {
    {"Fruzsina", "január 1."},
    {"Ábel", "január 2."},
    {"Genovéva", "január 3."},
    {"Leona", "január 4."},
    {"Titusz", "január 4."},
    {"Simon", "január 5. október 28."},
    {"Boldizsár", "január 6."},
    {"Ferenc", " máj. 11. okt. 4. dec. 3."},
    {"Mária", " aug. 15. szept 8. szept. 12. dec. 8."},
    {"Pál", " jan. 25. jún 26. jún. 29. jún. 30."},
    {"Tamás", " márc. 7. dec. 21. dec. 29."},
};

// One pass over the day table: every name's date text by the rule or as one of
// the eleven exceptions, the name list against the table, and the counts.
TEST(NameTable, AgreesWithTheDayTableForEveryName) {
    const auto days = days_of_every_name();
    ASSERT_EQ(days.size(), name_count);
    std::map<std::size_t, int> names_by_day_count;
    std::set<std::string> three_or_more;
    for (const auto& [name, on] : days) {
        SCOPED_TRACE(name);
        const auto irregular = irregular_dates.find(name);
        EXPECT_EQ(nevszerint(name),
                  irregular == irregular_dates.end() ? date_text_by_rule(on) : irregular->second);
        ++names_by_day_count[on.size()];
        if (on.size() >= 3) {
            three_or_more.insert(name);
        }
    }
    for (const auto& [name, dates] : irregular_dates) {
        EXPECT_EQ(days.count(std::string(name)), 1U) << name;
    }
    EXPECT_EQ(names_by_day_count, (std::map<std::size_t, int>{{1, 395}, {2, 37}, {3, 2}, {4, 2}}));
    EXPECT_EQ(three_or_more, (std::set<std::string>{"Ferenc", "Mária", "Pál", "Tamás"}));

    std::set<std::string> listed;
    std::size_t shortest = 1000;
    std::size_t longest = 0;
    std::vector<std::string_view> longest_names;
    for (const auto name : name_list) {
        EXPECT_TRUE(listed.insert(std::string(name)).second) << "twice: " << name;
        EXPECT_TRUE(days.count(std::string(name)) == 1) << name;
        const auto dates = nevszerint(name);
        EXPECT_FALSE(has_double_acute_o(name) || has_double_acute_o(dates)) << name;
        EXPECT_NE(dates.back(), ' ') << name;
        const auto length = utf8_characters(dates);
        shortest = std::min(shortest, length);
        if (length > longest) {
            longest = length;
            longest_names.clear();
        }
        if (length == longest) {
            longest_names.push_back(name);
        }
    }
    EXPECT_EQ(listed.size(), name_count);
    EXPECT_EQ(shortest, 9U);
    EXPECT_EQ(longest, 37U);
    EXPECT_EQ(longest_names, std::vector<std::string_view>{"Mária"});
}

TEST(NameLookup, KnownNamesAndEdgeInputs) {
    const std::pair<std::string_view, std::string_view> cases[] = {
        {"Abigél", " február 9."},
        {"Zsuzsanna", " február 19. augusztus 11."},
        {"Lõrinc", " augusztus 10. szeptember 5."},
        {"Benjámin", " január 3."},
        {"abigél", nevbaj},
        {"ABIGÉL", nevbaj},
        {" Abigél", nevbaj},
        {"Abigél ", nevbaj},
        {"", nevbaj},
        {"nevbaj", nevbaj},
        {"Dezs\xC5\x91", nevbaj}, // double-acute o
        {"A\xCC\x81"
         "bel",
         nevbaj},              // A + combining acute
        {"Abig\xE9l", nevbaj}, // Latin-1, not UTF-8
        {"Abig\xC3", nevbaj},  // cut in a character
        {"Abigél\0"sv, nevbaj},
        {"Genovéva, Benjámin", nevbaj},
        {"Szilveszte", nevbaj},
        {"Szilveszterek", nevbaj},
        {"\xFF\xFF", nevbaj},
    };
    for (const auto& [name, expected] : cases) {
        EXPECT_EQ(nevszerint(name), expected) << name;
    }
    EXPECT_EQ(nevszerint(std::string(1U << 20U, 'A')), nevbaj);
    EXPECT_EQ(nevszerint("Abigél" + std::string(1U << 20U, ' ')), nevbaj);
}

} // namespace
} // namespace halvora
