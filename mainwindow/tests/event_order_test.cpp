// Events in any order are the fuzz target's ground (fuzz/fuzz_form1.cpp); these
// pin the outcomes it cannot see.
#include "window_fixture.h"

#include <gtest/gtest.h>

#include <memory>

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

    w.form.Form_Resize();
    EXPECT_EQ(w.frame.width(), 6000);

    w.form.Command1_Click(); // the design texts "január" and "1"
    EXPECT_EQ(w.form.Label2.text(), "Fruzsina");

    w.start();
    EXPECT_EQ(w.form.Label1[3].text(), "Vilma napja");
    EXPECT_EQ(w.form.Combo1[1].count(), 31);
}

TEST(EventOrder, AModeChosenBeforeTheLoadGivesWayToNormal) {
    for (const auto mode : {&Form1::cimsor_Click, &Form1::teljes_Click}) {
        Window w;
        (w.form.*mode)();
        w.start();
        EXPECT_EQ(w.form.nezet, "mini");
        EXPECT_TRUE(w.form.mini.checked() && !w.form.cimsor.checked() && !w.form.teljes.checked());
        EXPECT_EQ(w.form.caption.text(), "Halvora");
        EXPECT_EQ(w.frame.height(), 900);
    }
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

} // namespace
} // namespace halvora::testing
