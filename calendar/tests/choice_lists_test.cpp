#include <halvora/calendar.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstddef>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace halvora {
namespace {

// A drop-down list as the fill and the fit see it.
class FakeList : public ChoiceList {
public:
    explicit FakeList(std::string initial_text = {})
        : current(std::move(initial_text)) {}

    [[nodiscard]] std::string_view text() const override { return current; }
    [[nodiscard]] int count() const override { return static_cast<int>(items.size()); }
    void append(std::string_view item) override { items.emplace_back(item); }
    void remove_at(int position) override {
        removed.push_back(position);
        if (position < 0 || position >= count()) {
            ADD_FAILURE() << "remove_at(" << position << ") on " << count() << " items";
            return;
        }
        items.erase(items.begin() + position);
    }

    std::string current;
    std::vector<std::string> items;
    std::vector<int> removed;
};

std::vector<std::string> day_items(int count) {
    std::vector<std::string> items;
    for (int day = 1; day <= count; ++day) {
        items.push_back(" " + std::to_string(day));
    }
    return items;
}

struct Filled {
    FakeList months;
    FakeList days;
    FakeList names;
};

Filled fill_with_month_text(std::string month_text) {
    Filled lists{FakeList(std::move(month_text)), FakeList(), FakeList()};
    fill_choice_lists(lists.months, lists.days, lists.names);
    return lists;
}

TEST(FillChoiceLists, FillsAllThreeListsFromJanuary) {
    const auto lists = fill_with_month_text("január");
    EXPECT_EQ(lists.months.items,
              std::vector<std::string>(hungarian_month_names.begin(), hungarian_month_names.end()));
    EXPECT_EQ(lists.days.items, day_items(31));
    ASSERT_EQ(lists.names.items.size(), name_count);
    EXPECT_EQ(lists.names.items, std::vector<std::string>(name_list.begin(), name_list.end()));
    EXPECT_EQ(lists.names.items[0], "Abigél");
    EXPECT_EQ(lists.names.items[207], "Írisz");
    EXPECT_EQ(lists.names.items[279], "Lõrinc");
    EXPECT_EQ(lists.names.items[435], "Zsuzsanna");
}

TEST(FillChoiceLists, DayListFollowsTheMonthTextAtFillTime) {
    const std::vector<std::pair<std::string, int>> cases = {
        {"február", 28}, {"április", 30}, {"december", 31}, {"January", 0},
        {"Január", 0},   {"", 0},         {"február ", 0}};
    for (const auto& [month, count] : cases) {
        SCOPED_TRACE(month);
        const auto lists = fill_with_month_text(month);
        EXPECT_EQ(lists.days.items, day_items(count));
        EXPECT_EQ(lists.months.items.size(), 12U);
        EXPECT_EQ(lists.names.items.size(), name_count);
    }
}

// The month sequence a user clicks through, from a freshly filled list.
TEST(FitDayList, FollowsTheMonthsUpAndDown) {
    FakeList months("január");
    FakeList days;
    days.items = day_items(31);

    months.current = "február";
    fit_day_list(months, days);
    EXPECT_EQ(days.removed, (std::vector<int>{30, 29, 28}));
    EXPECT_EQ(days.items, day_items(28));

    days.removed.clear();
    months.current = "március";
    fit_day_list(months, days);
    auto expected = day_items(28);
    expected.insert(expected.end(), {"29", "30", "31"});
    EXPECT_EQ(days.items, expected);

    months.current = "április";
    fit_day_list(months, days);
    EXPECT_EQ(days.removed, std::vector<int>{30});
    expected.pop_back();
    EXPECT_EQ(days.items, expected);

    months.current = "május";
    fit_day_list(months, days);
    expected.emplace_back("31");
    EXPECT_EQ(days.items, expected);
}

enum class Kind { long_month, short_month, february, no_month };

// The fit's table row by row: the length the day list has afterwards.
int length_after(Kind kind, int held) {
    switch (kind) {
    case Kind::long_month:
        return held == 28 || held == 30 ? 31 : held;
    case Kind::short_month:
        return held == 28 || held == 31 ? 30 : held;
    case Kind::february:
        return held == 30 || held == 31 ? 28 : held;
    case Kind::no_month:
        return held;
    }
    return held;
}

TEST(FitDayList, EveryMonthTextAndListLength) {
    const std::vector<std::pair<Kind, std::vector<std::string>>> months_by_kind = {
        {Kind::long_month,
         {"január", "március", "május", "július", "augusztus", "október", "december"}},
        {Kind::short_month, {"április", "június", "szeptember", "november"}},
        {Kind::february, {"február"}},
        {Kind::no_month, {"Január", "January", "", " május", "február\xFF"}}};
    for (const auto& [kind, month_texts] : months_by_kind) {
        for (const auto& month : month_texts) {
            for (int held = 0; held <= 34; ++held) {
                SCOPED_TRACE(month + " with " + std::to_string(held) + " items");
                const FakeList months(month);
                FakeList days;
                days.items = day_items(held);
                fit_day_list(months, days);

                const int after = length_after(kind, held);
                auto expected = day_items(std::min(held, after));
                for (int day = held + 1; day <= after; ++day) {
                    expected.push_back(std::to_string(day));
                }
                std::vector<int> removed_from_the_end;
                for (int position = held - 1; position >= after; --position) {
                    removed_from_the_end.push_back(position);
                }
                EXPECT_EQ(days.items, expected);
                EXPECT_EQ(days.removed, removed_from_the_end);
            }
        }
    }
}

TEST(ChoiceLists, ItemTexts) {
    for (std::size_t i = 0; i < day_item_texts.size(); ++i) {
        EXPECT_EQ(day_item_texts[i], " " + std::to_string(i + 1));
    }
    EXPECT_EQ(appended_day_item_texts, (std::array<std::string_view, 3>{"29", "30", "31"}));
    EXPECT_EQ(days_in_list("február"), 28);
    EXPECT_EQ(days_in_list("February"), 0);
}

} // namespace
} // namespace halvora
