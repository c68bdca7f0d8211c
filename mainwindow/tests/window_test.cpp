// The window on the fake platform, for what the whole-window fuzz target
// (fuzz/fuzz_form1.cpp) does not check: the running title's pieces and
// colours, and a window logic that goes before its frame.
#include <halvora/mainwindow/window_on_fakes.h>

#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <deque>
#include <limits>
#include <memory>
#include <string>

namespace halvora {
namespace {

TEST(RunningTitle, ThirteenPiecesInTheDrawnColoursThenTheFirstAgain) {
    const std::array<std::string, 14> pieces = {
        "   D",    "  Dor",  " Dorva", "Dorvant", "orvanta ", "rvanta   ", "vanta   ",
        "anta   ", "nta   ", "ta   ",  "a   ",    "   ",      "",          "   D"};
    fakes::WindowOnFakes w;
    w.start();
    for (std::size_t tick = 0; tick < pieces.size(); ++tick) {
        w.system.script = {static_cast<double>(tick) / 16.0, 0.5, 0.0};
        w.form.Timer1_Timer();
        EXPECT_EQ(w.form.Label4.text(), pieces[tick]) << tick;
        EXPECT_EQ(w.form.Label4.colour(),
                  (Colour{static_cast<std::uint8_t>(tick * 255 / 16), 127, 0}))
            << tick;
    }
}

TEST(RunningTitle, AMisbehavingRandomSourceStillGivesColourBytes) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    const struct {
        std::deque<double> draws;
        Colour colour;
    } cases[] = {{{nan, -0.5, 1.0}, {0, 0, 254}},
                 {{7.0, inf, -inf}, {254, 254, 0}},
                 {{0.999999, 1e-300, -0.0}, {254, 0, 0}}};
    for (const auto& c : cases) {
        fakes::WindowOnFakes w;
        w.start();
        w.system.script = c.draws;
        w.form.Timer1_Timer();
        EXPECT_EQ(w.form.Label4.colour(), c.colour);
    }
}

TEST(Form1, ALogicThatIsGoneClosesItsBoxAndIsNoLongerCalledByTheFrame) {
    fakes::WindowOnFakes w;
    w.start();
    auto second = std::make_unique<Form1>(w.platform);
    second->nevjegy_Click();
    second.reset();
    EXPECT_EQ(w.about_view.shown, nullptr);
    w.frame.resizes = 0;
    w.frame.drag_to(7000, 3000);
    EXPECT_EQ(w.frame.resizes, 1);
}

} // namespace
} // namespace halvora
