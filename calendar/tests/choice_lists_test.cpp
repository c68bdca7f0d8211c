#include <halvora/calendar.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstddef>
#include <string>
#include <string_view>
#include <tuple>
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

// The day list follows the month text at fill time; the other two lists never do.
TEST(FillChoiceLists, FillsAllThreeLists) {
    const std::vector<std::pair<std::string, int>> cases = {
        {"január", 31}, {"február", 28}, {"április", 30}, {"December", 0},
        {"Január", 0},  {"", 0},         {"február ", 0}};
    for (const auto& [month, count] : cases) {
        SCOPED_TRACE(month);
        FakeList months(month);
        FakeList days;
        FakeList names;
        fill_choice_lists(months, days, names);
        EXPECT_EQ(days.items, day_items(count));
        EXPECT_EQ(months.items, std::vector<std::string>(hungarian_month_names.begin(),
                                                         hungarian_month_names.end()));
        EXPECT_EQ(names.items, std::vector<std::string>(name_list.begin(), name_list.end()));
    }
    EXPECT_EQ(name_list[0], "Abigél");
    EXPECT_EQ(name_list[207], "Írisz");
    EXPECT_EQ(name_list[435], "Zsuzsanna");
}

// The month sequence a user clicks through, from a freshly filled list.
TEST(FitDayList, FollowsTheMonthsUpAndDown) {
    const std::vector<std::string> appended = {"29", "30", "31"};
    const std::vector<std::tuple<std::string, std::vector<int>, std::size_t>> steps = {
        {"február", {30, 29, 28}, 28},
        {"március", {}, 31},
        {"április", {30}, 30},
        {"május", {}, 31}};
    FakeList months;
    FakeList days;
    days.items = day_items(31);
    for (const auto& [month, removed, length] : steps) {
        SCOPED_TRACE(month);
        months.current = month;
        days.removed.clear();
        fit_day_list(months, days);
        auto expected = day_items(28);
        expected.insert(expected.end(), appended.begin(),
                        appended.begin() + (static_cast<std::ptrdiff_t>(length) - 28));
        EXPECT_EQ(days.removed, removed);
        EXPECT_EQ(days.items, expected);
    }
}

// Every month text against every list length: a 28-, 30- or 31-item list
// becomes the month's own length, any other list is left alone.
TEST(FitDayList, EveryMonthTextAndListLength) {
    const std::vector<std::pair<int, std::vector<std::string>>> months_by_length = {
        {31, {"január", "március", "május", "július", "augusztus", "október", "december"}},
        {30, {"április", "június", "szeptember", "november"}},
        {28, {"február"}},
        {0, {"Január", "January", "", " május", "február\xFF"}}};
    for (const auto& [length, month_texts] : months_by_length) {
        for (const auto& month : month_texts) {
            for (int held = 0; held <= 34; ++held) {
                SCOPED_TRACE(month + " with " + std::to_string(held) + " items");
                FakeList days;
                days.items = day_items(held);
                fit_day_list(FakeList(month), days);
                const bool fits = length > 0 && (held == 28 || held == 30 || held == 31);
                const int after = fits ? length : held;
                auto expected = day_items(std::min(held, after));
                std::vector<int> removed_from_the_end;
                for (int day = held + 1; day <= after; ++day) {
                    expected.push_back(std::to_string(day));
                }
                for (int position = held - 1; position >= after; --position) {
                    removed_from_the_end.push_back(position);
                }
                EXPECT_EQ(days.items, expected);
                EXPECT_EQ(days.removed, removed_from_the_end);
            }
        }
    }
}

} // namespace
} // namespace halvora
