// The window on the fake platform, for what the scenarios and the
// whole-window fuzz target (fuzz/) cannot reach: a window logic that goes
// before its frame.
#include <halvora/mainwindow/window_on_fakes.h>

#include <gtest/gtest.h>

#include <memory>

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

} // namespace
} // namespace halvora
