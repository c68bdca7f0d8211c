// The window on the fake platform, for what the scenarios and the
// whole-window fuzz target (fuzz/) cannot reach: a window logic that goes
// before its frame.
#include <halvora/mainwindow/window_on_fakes.h>

#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace halvora {
namespace {

TEST(Form1, ALogicThatIsGoneClosesItsBoxAndIsNoLongerCalledByTheFrame) {
    fakes::WindowOnFakes w;
    w.start();
    auto second = std::make_unique<Form1>(w.platform);
    second->nevjegy_Click();
    ASSERT_TRUE(w.frame.listened());
    second.reset();
    EXPECT_EQ(w.about_view.shown, nullptr);
    EXPECT_FALSE(w.frame.listened());
}

// Every control the bindings observe, the menu's items aside.
std::vector<Control*> observed_controls(Form1& f) {
    std::vector<Control*> controls{&f.caption, &f.Label2,  &f.Label3,      &f.Label4,
                                   &f.Option1, &f.Option2, &f.search_area, &f.Combo2};
    for (Label& label : f.Label1) {
        controls.push_back(&label);
    }
    for (ComboBox& list : f.Combo1) {
        controls.push_back(&list);
    }
    return controls;
}

// A binding that lets go of the window hears nothing more of it, whatever
// the window then goes through.
TEST(Form1, ABindingThatLetsGoHearsNothingMore) {
    fakes::WindowOnFakes w;
    int told = 0;
    for (Control* control : observed_controls(w.form)) {
        control->observe([&told](Property) { ++told; });
    }
    w.start();
    ASSERT_GT(told, 0);
    told = 0;
    w.form.stop_observing();
    w.form.teljes_Click();
    w.form.option_clicked(w.form.Option2);
    w.form.Combo2.set_text("Abigél");
    w.form.Command1_Click();
    w.system.moment = fakes::add_minutes(w.system.moment, 24 * 60); // a new day
    w.form.Timer1_Timer();
    w.form.mini_Click();
    EXPECT_EQ(told, 0);
}

} // namespace
} // namespace halvora
