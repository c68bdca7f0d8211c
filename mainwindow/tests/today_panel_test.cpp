#include "window_fixture.h"

#include <gtest/gtest.h>

#include <array>
#include <limits>
#include <string>
#include <vector>

namespace halvora::testing {
namespace {

using fakes::moment_at;

TEST(RunningTitle, ThirteenTicksShowThePiecesInRandomColoursThenStartAgain) {
    const std::array<std::string, 14> pieces = {
        "   D",    "  Dor",  " Dorva", "Dorvant", "orvanta ", "rvanta   ", "vanta   ",
        "anta   ", "nta   ", "ta   ",  "a   ",    "   ",      "",          "   D"};
    const std::array<std::uint8_t, 14> reds = {0,   15,  31,  47,  63,  79,  95,
                                               111, 127, 143, 159, 175, 191, 207};
    Window w;
    w.start();
    for (std::size_t tick = 0; tick < pieces.size(); ++tick) {
        w.random.push(static_cast<double>(tick) / 16.0);
        w.random.push(0.5);
        w.random.push(0.0);
        w.form.Timer1_Timer();
        EXPECT_EQ(w.form.Label4.text(), pieces[tick]) << "tick " << tick + 1;
        EXPECT_EQ(w.form.Label4.colour(), (Colour{reds[tick], 127, 0})) << "tick " << tick + 1;
    }
}

TEST(RunningTitle, AClickStopsItInBlueAndTheNextResumesAfterTheLastPiece) {
    Window w;
    w.start();
    for (int tick = 0; tick < 5; ++tick) {
        w.form.Timer1_Timer();
    }
    ASSERT_EQ(w.form.Label4.text(), "orvanta ");

    w.form.Label4_Click();
    EXPECT_EQ(w.form.Label4.text(), "orvanta ") << "the click itself shows nothing";
    const int draws = w.random.draws();
    for (int tick = 0; tick < 3; ++tick) {
        w.form.Timer1_Timer();
        EXPECT_EQ(w.form.Label4.text(), "   Dorvanta \u2122   ");
        EXPECT_EQ(w.form.Label4.colour(), blue);
    }
    EXPECT_EQ(w.random.draws(), draws) << "no colour is drawn while still";
    EXPECT_EQ(w.form.pozicio, 6);

    w.form.Label4_Click();
    w.form.Timer1_Timer();
    EXPECT_EQ(w.form.Label4.text(), "rvanta   ");
}

TEST(RunningTitle, AMisbehavingRandomSourceStillGivesColourBytes) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    const struct {
        std::array<double, 3> draws;
        Colour colour;
    } cases[] = {
        {{nan, -0.5, 1.0}, {0, 0, 254}},
        {{7.0, inf, -inf}, {254, 254, 0}},
    };
    for (const auto& c : cases) {
        Window w;
        w.start();
        for (const double r : c.draws) {
            w.random.push(r);
        }
        w.form.Timer1_Timer();
        EXPECT_EQ(w.form.Label4.colour(), c.colour);
    }
}

// Whether a search's names reach the date labels at midnight is the soak's to
// see; here, napnevek, which the caption shows.
TEST(TodayPanel, TheTicksOfMinuteMidnightPutBackTodaysNames) {
    Window w(moment_at(2026, 12, 5, 23, 59));
    w.start();
    w.search_by_date("március", " 15");
    w.form.Timer1_Timer();
    EXPECT_EQ(w.form.napnevek, "Kristóf") << "not before midnight";
    w.clock.advance_minutes(1);
    w.form.Timer1_Timer();
    EXPECT_EQ(w.form.napnevek, "Miklós");
    EXPECT_EQ(w.form.Label2.text(), "Kristóf") << "the search result stays";

    w.form.Command1_Click();
    ASSERT_EQ(w.form.napnevek, "Kristóf");
    w.form.Timer1_Timer();
    EXPECT_EQ(w.form.napnevek, "Miklós") << "the next tick of 00:00 undoes it";
}

// Midnight, a machine asleep across it, or a clock set to another day: the
// first tick that sees another date shows it, and later ones repeat it.
TEST(TodayPanel, AnotherDayIsShownAtTheFirstTickThatSeesIt) {
    RegionalSettings dotted = fakes::english_settings();
    dotted.time_separator = ".";
    const struct {
        const RegionalSettings& settings;
        Moment start;
        Moment later;
        std::string after;
    } cases[] = {
        {dotted, moment_at(2026, 12, 5, 23, 59), moment_at(2026, 12, 6, 0, 0),
         "2026. |december| 6.|Vasárnap|00.00|Miklós napja"},
        {fakes::english_settings(), moment_at(2026, 12, 5, 7, 5), moment_at(2026, 12, 6, 10, 0),
         "2026. |december| 6.|Vasárnap|10:00|Miklós napja"},
        {fakes::english_settings(), moment_at(2026, 12, 5, 7, 5), moment_at(2026, 12, 4, 7, 5),
         "2026. |december| 4.|Péntek|07:05|Borbála, Barbara napja"},
    };
    for (const auto& c : cases) {
        Window w(c.start, c.settings);
        w.start();
        w.form.Timer1_Timer();
        w.clock.set(c.later);
        w.form.Timer1_Timer();
        EXPECT_EQ(top_row(w.form), c.after);
        w.form.Timer1_Timer();
        EXPECT_EQ(top_row(w.form), c.after);
        EXPECT_EQ(w.form.nap, std::to_string(c.later.day));
    }
}

TEST(TodayPanel, TheCaptionInModeCimsorFollowsTheClockAndTheLastLookup) {
    Window w;
    w.start();
    w.form.Timer1_Timer();
    EXPECT_EQ(w.form.caption.text(), "Halvora") << "no summary outside cimsor";

    w.form.cimsor_Click();
    ASSERT_EQ(w.form.nezet, "cimsor");
    EXPECT_EQ(w.form.caption.text(), "2026.  december   5.  Szombat  07:05  Vilma");
    w.clock.advance_minutes(1);
    w.form.Timer1_Timer();
    EXPECT_EQ(w.form.caption.text(), "2026.  december   5.  Szombat  07:06  Vilma");

    w.form.teljes_Click();
    w.search_by_date("március", " 15");
    w.form.cimsor_Click();
    EXPECT_EQ(w.form.caption.text(), "2026.  december   5.  Szombat  07:06  Kristóf");
    EXPECT_EQ(w.form.Label1[3].text(), "Vilma napja");
}

} // namespace
} // namespace halvora::testing
