// A whole day of the window on the fake platform: a tick every 150 ms for 24
// simulated hours and a search every simulated minute. Nothing may grow with
// time, and the midnight crossed must show the new day, each date label
// changing exactly once.
#include "window_fixture.h"

#include <gtest/gtest.h>

#include <array>
#include <atomic>
#include <cstddef>
#include <cstdlib>
#include <new>
#include <string>

// Every allocation of this program is counted, so the test can see that the
// number of live blocks stays flat from hour to hour.
namespace {
std::atomic<long long> live_blocks{0};
} // namespace

void* operator new(std::size_t size) {
    void* block = std::malloc(size == 0 ? 1 : size);
    if (block == nullptr) {
        throw std::bad_alloc();
    }
    ++live_blocks;
    return block;
}

void operator delete(void* block) noexcept {
    if (block != nullptr) {
        --live_blocks;
        std::free(block);
    }
}

void operator delete(void* block, std::size_t /*size*/) noexcept {
    operator delete(block);
}

namespace halvora::testing {
namespace {

using fakes::moment_at;

constexpr long long tick_ms = 150;
constexpr long long ticks_per_minute = 60 * 1000 / tick_ms;
constexpr long long ticks_per_hour = 60 * ticks_per_minute;
constexpr long long ticks_per_day = 24 * ticks_per_hour;

// No text is longer than this (the caption, the longest, stays well under);
// live blocks may differ a little between hours, but never grow with them.
constexpr std::size_t longest_text = 160;
constexpr long long block_slack = 16;

// Label1(4), (0), (5), (1) and (3): the labels the midnight refresh writes.
constexpr std::array<std::size_t, 5> date_labels = {4, 0, 5, 1, 3};

// One search by the minute's number: by date or by name, valid or not.
// Returns the number of messages it should have shown.
int search(Window& w, long long minute) {
    const auto pick = static_cast<std::size_t>(minute / 4);
    const bool valid = minute % 2 == 0;
    if (minute % 4 < 2) {
        w.form.Option1_Click();
        w.search_by_date(valid ? hungarian_month_names[pick % 12] : "február",
                         valid ? day_item_texts[pick % 28] : "30");
    } else {
        w.form.Option2_Click();
        w.search_by_name(valid ? name_list[pick % name_list.size()] : "ábel");
    }
    return valid ? 0 : 1;
}

TEST(Soak, ADayOfTicksAndSearchesKeepsMemoryFlatAndCrossesMidnightOnce) {
    const struct {
        std::string what;
        Moment start;
        const RegionalSettings& settings;
        std::string before, after;
        std::array<int, 5> changes; // per date label, in date_labels' order
    } cases[] = {
        {"into the leap day",
         moment_at(2028, 2, 28, 12, 0),
         fakes::english_settings(),
         "2028. |február| 28.|Hétfõ|12:00|Elemér napja",
         "2028. |február| 29.|Kedd|00:00| napja",
         {0, 0, 1, 1, 1}},
        {"into a new year",
         moment_at(2027, 12, 31, 12, 0),
         fakes::hungarian_settings(),
         "2027. |december| 31.|péntek|12:00|Szilveszter napja",
         "2028. |január| 1.|szombat|00:00|Fruzsina napja",
         {1, 1, 1, 1, 1}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        Window w(c.start, c.settings);
        w.start();
        w.form.cimsor_Click(); // the caption too is rewritten at every tick
        ASSERT_EQ(w.form.nezet, "cimsor");
        ASSERT_EQ(top_row(w.form), c.before);

        std::array<int, 5> changes{};
        for (std::size_t i = 0; i < date_labels.size(); ++i) {
            w.form.Label1[date_labels[i]].observe([&changes, i](Property property) {
                if (property == Property::text) {
                    ++changes[i];
                }
            });
        }

        const Form1& f = w.form;
        long long baseline_blocks = -1;
        int crossings = 0;
        int day = w.clock.now().day;
        for (long long tick = 0; tick < ticks_per_day; ++tick) {
            const bool new_minute = tick % ticks_per_minute == 0 && tick > 0;
            if (new_minute) {
                w.clock.advance_minutes(1);
            }
            w.form.Timer1_Timer();

            if (w.clock.now().day != day) {
                day = w.clock.now().day;
                ++crossings;
                ASSERT_EQ(top_row(f), c.after) << "in the tick that reads 00:00";
            }
            if (new_minute) {
                const long long minute = tick / ticks_per_minute;
                const int expected_messages = search(w, minute);
                ASSERT_EQ(static_cast<int>(w.messages.shown.size()), expected_messages)
                    << "minute " << minute;
                w.messages.shown.clear();
                ASSERT_TRUE(f.hiba.empty()) << "minute " << minute;
            }

            for (const auto* text : {&f.caption.text(), &f.Label2.text(), &f.Label3.text()}) {
                ASSERT_LE(text->size(), longest_text);
            }

            if (tick % ticks_per_hour == ticks_per_hour - 1) {
                if (baseline_blocks < 0) {
                    baseline_blocks = live_blocks;
                }
                ASSERT_LE(live_blocks, baseline_blocks + block_slack)
                    << "hour " << tick / ticks_per_hour;
            }
        }

        EXPECT_EQ(crossings, 1);
        EXPECT_EQ(changes, c.changes) << "each date label changes once, in the first tick at 00:00";
        EXPECT_EQ(w.random.draws(), 3 * static_cast<int>(ticks_per_day));
    }
}

} // namespace
} // namespace halvora::testing
