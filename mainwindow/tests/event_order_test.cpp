#include "window_fixture.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <random>
#include <string>
#include <vector>

namespace halvora::testing {
namespace {

TEST(EventOrder, HandlersBeforeTheLoadHaveDefinedOutcomes) {
    Window w;
    w.form.Timer1_Timer();
    EXPECT_EQ(w.form.Label1[2].text(), "07:05");
    EXPECT_EQ(w.form.Label4.text(), "   Dorvanta \u2122   ") << "still until the load";

    w.form.Label4_Click();
    w.form.Timer1_Timer();
    EXPECT_EQ(w.form.Label4.text(), "   D");
    EXPECT_EQ(w.form.pozicio, 2);

    w.form.Form_Resize();
    EXPECT_EQ(w.frame.width(), 6000);
    EXPECT_EQ(w.frame.top(), 0);

    w.form.Command1_Click(); // the design texts "január" and "1"
    EXPECT_EQ(w.form.Label2.text(), "Fruzsina");

    bool cancel = false;
    w.form.Combo1_Validate(0, cancel);
    EXPECT_EQ(w.form.Combo1[1].count(), 0);

    w.start();
    EXPECT_EQ(w.form.Label1[3].text(), "Vilma napja");
    EXPECT_EQ(w.form.Combo1[1].count(), 31);
}

TEST(EventOrder, AWindowLogicThatIsGoneIsNoLongerCalledByTheFrame) {
    Window w;
    w.start();
    auto second = std::make_unique<Form1>(w.platform);
    second->nevjegy_Click();
    second.reset();
    EXPECT_EQ(w.about_view.closes, 1) << "its about box went with it";
    w.frame.reset_counts();
    w.frame.drag_to(7000, 3000);
    EXPECT_EQ(w.frame.resize_events(), 1);
}

// Thousands of events in a random order, as a restless user might send them:
// nothing breaks and the window's invariants hold after each one.
TEST(EventOrder, AnyOrderOfEventsKeepsTheWindowSound) {
    Window w;
    std::mt19937 pick(20261205);
    std::vector<std::function<void()>> events = {
        [&] { w.form.Form_Load(); },
        [&] { w.frame.show(); },
        [&] { w.form.Timer1_Timer(); },
        [&] { w.clock.advance_minutes(pick() % 3000); },
        [&] { w.form.Label4_Click(); },
        [&] { w.form.cimsor_Click(); },
        [&] { w.form.mini_Click(); },
        [&] { w.form.teljes_Click(); },
        [&] { w.frame.drag_to(static_cast<int>(pick() % 9000), static_cast<int>(pick() % 6000)); },
        [&] { w.form.Option1_Click(); },
        [&] { w.form.Option2_Click(); },
        [&] {
            const std::string_view months[] = {"február", "április", "május", "", "March"};
            Window::type(w.form.Combo1[0], months[pick() % 5]);
        },
        [&] { Window::type(w.form.Combo1[1], std::to_string(pick() % 40)); },
        [&] { Window::type(w.form.Combo2, pick() % 2 ? "Simon" : "x"); },
        [&] {
            bool cancel = false;
            w.form.Combo1_Validate(static_cast<int>(pick() % 4) - 1, cancel);
        },
        [&] { w.form.Command1_Click(); },
        [&] { w.form.Label1_MouseDown(static_cast<int>(pick() % 8) - 1, 2, 0, 0, 0); },
        [&] { w.form.tart_Click(); },
        [&] { w.form.nevjegy_Click(); },
        [&] {
            if (w.form.about_box() != nullptr) {
                w.form.about_box()->jogok_Click();
            }
        },
    };
    for (int i = 0; i < 5000; ++i) {
        w.frame.reset_counts();
        events[pick() % events.size()]();
        ASSERT_FALSE(w.frame.runaway()) << "event " << i;
        ASSERT_NE(w.form.Option1.value(), w.form.Option2.value()) << "event " << i;
        const int days = w.form.Combo1[1].count();
        ASSERT_TRUE(days == 0 || days == 28 || days == 30 || days == 31) << "event " << i;
        ASSERT_GE(w.form.pozicio, 0);
        ASSERT_LE(w.form.pozicio, 13);
        ASSERT_EQ(w.about_view.shown, w.form.about_box());
    }
}

} // namespace
} // namespace halvora::testing
