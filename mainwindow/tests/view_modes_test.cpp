#include "window_fixture.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace halvora::testing {
namespace {

constexpr int screen_width = 19200;

struct Expected {
    std::string nezet;
    int width;
    int height;
};

// What a user sees of the mode: size, place, caption and the one check mark.
void expect_mode(const Window& w, const Expected& e, const std::string& why) {
    const Form1& f = w.form;
    EXPECT_EQ(f.nezet, e.nezet) << why;
    EXPECT_EQ(w.frame.width(), e.width) << why;
    EXPECT_EQ(w.frame.height(), e.height) << why;
    EXPECT_EQ(w.frame.left(), (screen_width - e.width) / 2) << why;
    EXPECT_EQ(w.frame.top(), 0) << why;
    EXPECT_EQ(f.caption.text(), e.nezet == "cimsor" ? f.cimsorszoveg() : "Halvora") << why;
    EXPECT_EQ(f.cimsor.checked(), e.nezet == "cimsor") << why;
    EXPECT_EQ(f.mini.checked(), e.nezet == "mini") << why;
    EXPECT_EQ(f.teljes.checked(), e.nezet == "teljes") << why;
    EXPECT_EQ(f.search_area.visible(), e.nezet == "teljes") << why;
    EXPECT_FALSE(w.frame.runaway()) << why;
    EXPECT_LE(w.frame.deepest_nesting(), 8) << why;
}

std::function<void(Window&)> click(void (Form1::*handler)()) {
    return [handler](Window& w) { (w.form.*handler)(); };
}

std::function<void(Window&)> drag(int width, int height) {
    return [=](Window& w) { w.frame.drag_to(width, height); };
}

// Each step on a frame whose least height is 405, then on one whose least is 450.
TEST(ViewModes, EveryTransitionOnFramesWithBothLeastHeights) {
    const Expected mini{"mini", 6000, 900};
    const Expected teljes{"teljes", 6000, 4500};
    const Expected cimsor{"cimsor", 6000, 405};
    const auto to_cimsor = click(&Form1::cimsor_Click);
    const auto to_teljes = click(&Form1::teljes_Click);
    const struct {
        std::string what;
        std::function<void(Window&)> act;
        Expected low, high;
    } steps[] = {
        {"start", [](Window&) {}, mini, mini},
        {"Keresés", to_teljes, teljes, teljes},
        {"teljes is free", drag(7000, 5000), {"teljes", 7000, 5000}, {"teljes", 7000, 5000}},
        {"Normál after widening", click(&Form1::mini_Click), mini, mini},
        {"Csak címsor", to_cimsor, cimsor, mini},
        {"cimsor, dragged to 410", drag(6010, 410), {"cimsor", 6010, 410}, {"mini", 6010, 900}},
        {"cimsor, dragged higher", drag(6000, 411), mini, mini},
        {"Csak címsor", to_cimsor, cimsor, mini},
        {"cimsor, dragged wider", drag(6011, 405), mini, mini},
        {"Keresés", to_teljes, teljes, teljes},
        {"widened in teljes", drag(8000, 4500), {"teljes", 8000, 4500}, {"teljes", 8000, 4500}},
        {"Csak címsor when wide", to_cimsor, mini, mini},
        {"Keresés", to_teljes, teljes, teljes},
        {"teljes at 900", drag(8000, 900), {"teljes", 8000, 900}, {"teljes", 8000, 900}},
        {"Normál at that height", click(&Form1::mini_Click), mini, mini},
        {"Keresés", to_teljes, teljes, teljes},
        {"teljes at the title bar's height",
         drag(8000, 300),
         {"teljes", 8000, 405},
         {"teljes", 8000, 450}},
        {"Csak címsor at that height", to_cimsor, mini, mini},
    };
    for (const int least_height : {405, 450}) {
        Window w(fakes::moment_at(2026, 12, 5, 7, 5), fakes::english_settings(), least_height);
        w.start();
        for (const auto& step : steps) {
            w.frame.reset_counts();
            step.act(w);
            expect_mode(w, least_height == 405 ? step.low : step.high,
                        step.what + " (least height " + std::to_string(least_height) + ")");
        }
    }
}

TEST(ViewModes, MiniKeepsASizeInsideItsToleranceAndPullsBackAnyOther) {
    const struct {
        int width;
        int height;
        int kept_width;
        int kept_height;
    } cases[] = {
        {5990, 890, 5990, 890}, {6010, 910, 6010, 910}, {6000, 889, 6000, 900},
        {6000, 911, 6000, 900}, {5989, 900, 6000, 900}, {6011, 900, 6000, 900},
    };
    for (const auto& c : cases) {
        Window w;
        w.start();
        w.frame.drag_to(c.width, c.height);
        expect_mode(w, {"mini", c.kept_width, c.kept_height},
                    std::to_string(c.width) + "x" + std::to_string(c.height));
    }
}

TEST(ViewModes, AMovedWindowStaysUntilTheNextResize) {
    Window w;
    w.start();
    w.frame.move_to(100, 700);
    w.form.mini_Click(); // the same size: no resize
    EXPECT_EQ(w.frame.left(), 100);
    EXPECT_EQ(w.frame.top(), 700);
    w.form.teljes_Click();
    EXPECT_EQ(w.frame.left(), 6600);
    EXPECT_EQ(w.frame.top(), 0);
}

// A frame that cannot take the mode's size keeps what it can; the nesting ends.
TEST(ViewModes, AFrameThatRefusesTheModeSizeStillEndsTheNesting) {
    Window w(fakes::moment_at(2026, 12, 5, 7, 5), fakes::english_settings(), 1000);
    w.frame.set_least_width(7000);
    w.start();
    expect_mode(w, {"mini", 7000, 1000}, "too large for mini");
    w.form.cimsor_Click();
    expect_mode(w, {"mini", 7000, 1000}, "too large for cimsor");
    w.form.teljes_Click();
    expect_mode(w, {"teljes", 7000, 4500}, "teljes");
}

TEST(PopupMenu, OpensOnlyForTheRightButtonOnTheFreeAreaAFrameOrALabel) {
    using Press = std::function<void(Form1&)>;
    const struct {
        std::string what;
        Press press;
        bool opens;
    } cases[] = {
        {"free area, right", [](Form1& f) { f.Form_MouseDown(2, 0, 10, 10); }, true},
        {"free area, left", [](Form1& f) { f.Form_MouseDown(1, 0, 10, 10); }, false},
        {"free area, middle", [](Form1& f) { f.Form_MouseDown(4, 0, 10, 10); }, false},
        {"Frame1(1), right", [](Form1& f) { f.Frame1_MouseDown(1, 2, 0, 0, 0); }, true},
        {"Frame1(1), left", [](Form1& f) { f.Frame1_MouseDown(1, 1, 0, 0, 0); }, false},
        {"Frame1(2)", [](Form1& f) { f.Frame1_MouseDown(2, 2, 0, 0, 0); }, false},
        {"Label1(5), right", [](Form1& f) { f.Label1_MouseDown(5, 2, 0, 0, 0); }, true},
        {"Label1(2), left", [](Form1& f) { f.Label1_MouseDown(2, 1, 0, 0, 0); }, false},
        {"Label1(6)", [](Form1& f) { f.Label1_MouseDown(6, 2, 0, 0, 0); }, false},
        {"Label1(-1)", [](Form1& f) { f.Label1_MouseDown(-1, 2, 0, 0, 0); }, false},
        {"the menu key", [](Form1& f) { f.open_menu_from_keyboard(); }, true},
    };
    for (const auto& c : cases) {
        Window w;
        w.start();
        c.press(w.form);
        const std::vector<platform::MenuItemId> expected =
            c.opens ? std::vector{platform::MenuItemId::mini} : std::vector<platform::MenuItemId>{};
        EXPECT_EQ(w.popup.opened, expected) << c.what;
        EXPECT_EQ(w.popup.anchor == platform::MenuAnchor::focus, c.what == "the menu key");
    }
}

} // namespace
} // namespace halvora::testing
