#include "text_helpers.h"

#include <halvora/calendar.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstddef>
#include <map>
#include <ostream>
#include <set>
#include <string>
#include <string_view>
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

TEST(NameTable, AgreesWithTheDayTableForEveryName) {
    const auto days = days_of_every_name();
    ASSERT_EQ(days.size(), name_count);
    for (const auto& [name, on] : days) {
        SCOPED_TRACE(name);
        const auto irregular = irregular_dates.find(name);
        const auto dates = nevszerint(name);
        if (irregular == irregular_dates.end()) {
            EXPECT_EQ(dates, date_text_by_rule(on));
        } else {
            EXPECT_EQ(dates, irregular->second);
        }
    }
    for (const auto& [name, dates] : irregular_dates) {
        EXPECT_TRUE(days.count(std::string(name)) == 1) << name;
    }
}

TEST(NameTable, NameListHoldsExactlyTheCalendarsNames) {
    const auto days = days_of_every_name();
    std::set<std::string> listed;
    for (const auto name : name_list) {
        EXPECT_TRUE(listed.insert(std::string(name)).second) << "twice: " << name;
        EXPECT_NE(nevszerint(name), nevbaj) << name;
        EXPECT_FALSE(has_double_acute_o(name)) << name;
    }
    std::set<std::string> in_table;
    for (const auto& entry : days) {
        in_table.insert(entry.first);
    }
    EXPECT_EQ(listed, in_table);
}

TEST(NameTable, NamesByNumberOfDays) {
    std::map<std::size_t, int> names_by_day_count;
    std::set<std::string> three_or_more;
    for (const auto& [name, on] : days_of_every_name()) {
        ++names_by_day_count[on.size()];
        if (on.size() >= 3) {
            three_or_more.insert(name);
        }
    }
    EXPECT_EQ(names_by_day_count, (std::map<std::size_t, int>{{1, 395}, {2, 37}, {3, 2}, {4, 2}}));
    EXPECT_EQ(three_or_more, (std::set<std::string>{"Ferenc", "Mária", "Pál", "Tamás"}));
}

TEST(NameTable, DateTextLengthsInCharacters) {
    std::size_t shortest = 1000;
    std::size_t longest = 0;
    std::vector<std::string_view> longest_names;
    for (const auto name : name_list) {
        const auto dates = nevszerint(name);
        EXPECT_FALSE(has_double_acute_o(dates)) << name;
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
    EXPECT_EQ(shortest, 9U);
    EXPECT_EQ(longest, 37U);
    EXPECT_EQ(longest_names, std::vector<std::string_view>{"Mária"});
}

struct NameCase {
    std::string_view name;
    std::string_view expected;
};

void PrintTo(const NameCase& c, std::ostream* os) {
    *os << testing::escaped(c.name);
}

class NameLookupCases : public ::testing::TestWithParam<NameCase> {};

TEST_P(NameLookupCases, GivesTheExpectedOutcome) {
    EXPECT_EQ(nevszerint(GetParam().name), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(KnownNames, NameLookupCases,
                         ::testing::Values(NameCase{"Abigél", " február 9."},
                                           NameCase{"Achilles", " november 2."},
                                           NameCase{"Zsuzsanna", " február 19. augusztus 11."},
                                           NameCase{"Amália", " július 10. október 7."},
                                           NameCase{"Antal", " január 17. június 13."},
                                           NameCase{"Lõrinc", " augusztus 10. szeptember 5."},
                                           NameCase{"Dezsõ", " május 23."},
                                           NameCase{"Benjámin", " január 3."},
                                           NameCase{"Szilveszter", " december 31."}));

INSTANTIATE_TEST_SUITE_P(UnknownNames, NameLookupCases,
                         ::testing::Values(NameCase{"abigél", nevbaj}, NameCase{"ABIGÉL", nevbaj},
                                           NameCase{" Abigél", nevbaj}, NameCase{"Abigél ", nevbaj},
                                           NameCase{"", nevbaj}, NameCase{"nevbaj", nevbaj},
                                           NameCase{"Dezs\xC5\x91", nevbaj}, // double-acute o
                                           NameCase{"A\xCC\x81"
                                                    "bel",
                                                    nevbaj},              // A + combining acute
                                           NameCase{"Abig\xE9l", nevbaj}, // Latin-1, not UTF-8
                                           NameCase{"Abig\xC3", nevbaj},  // cut in a character
                                           NameCase{"Abigél\0"sv, nevbaj}, NameCase{"\0"sv, nevbaj},
                                           NameCase{"Genovéva, Benjámin", nevbaj},
                                           NameCase{"Titusz, Leona", nevbaj},
                                           NameCase{"Szilveszte", nevbaj},
                                           NameCase{"Szilveszterek", nevbaj}, NameCase{"A", nevbaj},
                                           NameCase{"\xFF\xFF", nevbaj}));

TEST(NameLookup, HugeTextIsNoName) {
    EXPECT_EQ(nevszerint(std::string(1U << 20U, 'A')), nevbaj);
    EXPECT_EQ(nevszerint("Abigél" + std::string(1U << 20U, ' ')), nevbaj);
}

} // namespace
} // namespace halvora
