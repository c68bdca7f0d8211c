// The window on the fake platform, for what the whole-window fuzz target
// (fuzz/fuzz_form1.cpp) does not check: the running title, the state the load
// leaves, the option buttons' panels, when the day list is fitted, the popup
// menu, help and the about box, and a window logic that goes before its frame.
#include <halvora/mainwindow/window_on_fakes.h>

#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <deque>
#include <functional>
#include <limits>
#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace halvora {
namespace {

constexpr std::string_view still = "   Dorvanta \u2122   ";

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

// Still from the design until the load; a click stops it at the next tick,
// drawing no colour, and the next click resumes after the last piece shown.
TEST(RunningTitle, AClickStopsItInBlueAndTheNextResumesWhereItStopped) {
    fakes::WindowOnFakes w;
    w.form.Timer1_Timer();
    EXPECT_EQ(w.form.Label4.text(), still);
    w.start();
    for (int tick = 0; tick < 5; ++tick) {
        w.form.Timer1_Timer();
    }
    w.form.Label4_Click();
    EXPECT_EQ(w.form.Label4.text(), "orvanta ") << "the click itself shows nothing";
    const int draws = w.system.draws;
    for (int tick = 0; tick < 3; ++tick) {
        w.form.Timer1_Timer();
        EXPECT_EQ(w.form.Label4.text(), still);
        EXPECT_EQ(w.form.Label4.colour(), blue);
    }
    EXPECT_EQ(w.system.draws, draws);
    EXPECT_EQ(w.form.pozicio, 6);
    w.form.Label4_Click();
    w.form.Timer1_Timer();
    EXPECT_EQ(w.form.Label4.text(), "rvanta   ");
}

// Whatever came before the load, it leaves the search by date ready at
// 1 január, centres the designed width and starts the running title.
TEST(Startup, LeavesTheSearchByDateReadyWhateverCameBefore) {
    const std::function<void(Form1&)> befores[] = {
        [](Form1&) {},
        [](Form1& f) { f.Combo1[0].set_text("február"); },
        [](Form1& f) { f.Option2_Click(); },
        [](Form1& f) { f.Combo2.set_text("Simon"); },
    };
    for (const auto& before : befores) {
        fakes::WindowOnFakes w;
        w.frame.w = 7000;
        before(w.form);
        w.form.Form_Load();
        const Form1& f = w.form;
        EXPECT_EQ(w.frame.x, (19200 - 6000) / 2);
        EXPECT_TRUE(f.Option1.value() && !f.Option2.value() && f.villogas && f.pozicio == 1);
        EXPECT_EQ(f.szin, (std::array<std::uint8_t, 3>{0, 1, 2}));
        for (const ComboBox* list : {&f.Combo1[0], &f.Combo1[1], &f.Combo2}) {
            EXPECT_EQ(list->enabled(), list != &f.Combo2);
        }
        EXPECT_EQ(std::string(f.Combo1[0].text()) + "|" + std::string(f.Combo1[1].text()) + "|" +
                      std::string(f.Combo2.text()),
                  "január| 1|");
        EXPECT_EQ(f.Label1[3].colour(), red);
        EXPECT_EQ(f.Combo1[0].list_index(), 0);
        EXPECT_EQ(f.Combo1[1].list_index(), 0);
    }
}

// Each option button enters its mode: the other panel's lists are emptied and
// disabled, its result emptied; its own texts and result are left as they are.
TEST(Searches, EachOptionButtonEmptiesAndDisablesOnlyTheOtherPanel) {
    fakes::WindowOnFakes w;
    Form1& f = w.form;
    const auto panels = [&f] {
        std::string text;
        for (const ComboBox* list : {&f.Combo1[0], &f.Combo1[1], &f.Combo2}) {
            text += std::string(list->text()) + (list->enabled() ? "+|" : "-|");
        }
        return text + f.Label2.text() + "|" + f.Label3.text() + "|" +
               (f.Option1.value() ? "1" : "0") + (f.Option2.value() ? "1" : "0");
    };
    f.Label2.set_text("result");
    f.Label3.set_text("result");
    f.Combo2.set_text("Simon");
    f.Option2_Click();
    EXPECT_EQ(panels(), "-|-|Simon+||result|01");
    f.Combo1[0].set_text("május");
    f.Label2.set_text("result");
    f.Option1_Click();
    EXPECT_EQ(panels(), "május+|+|-|result||10");
    f.Option1_Click();
    EXPECT_EQ(panels(), "május+|+|-|result||10");
}

// The day list is fitted only when the focus leaves a list, either of the two.
TEST(Searches, TheDayListFollowsTheMonthWhenTheFocusLeavesEitherList) {
    fakes::WindowOnFakes w;
    w.start();
    for (const int index : {-1, 0, 1, 2, 7}) {
        w.form.Combo1[0].set_text(index == 0 ? "február" : "április");
        EXPECT_EQ(w.form.Combo1[1].count(), 31);
        bool cancel = false;
        w.form.Combo1_Validate(index, cancel);
        EXPECT_FALSE(cancel);
        EXPECT_EQ(w.form.Combo1[1].count(), index == 0 ? 28 : index == 1 ? 30 : 31) << index;
        w.form.Combo1[0].set_text("március");
        w.form.Combo1_Validate(0, cancel);
    }
}

TEST(PopupMenu, OpensForTheRightButtonOnTheFreeAreaAFrameOrALabelAndForTheKeyboard) {
    const std::string at_pointer = "menu, Normál first";
    const struct {
        std::function<void(Form1&)> press;
        std::string opened;
    } cases[] = {
        {[](Form1& f) { f.Form_MouseDown(right_button, 0, 1, 1); }, at_pointer},
        {[](Form1& f) { f.Form_MouseDown(left_button, 0, 1, 1); }, ""},
        {[](Form1& f) { f.Form_MouseDown(4, 0, 1, 1); }, ""},
        {[](Form1& f) { f.Frame1_MouseDown(1, right_button, 0, 0, 0); }, at_pointer},
        {[](Form1& f) { f.Frame1_MouseDown(0, left_button, 0, 0, 0); }, ""},
        {[](Form1& f) { f.Frame1_MouseDown(2, right_button, 0, 0, 0); }, ""},
        {[](Form1& f) { f.Label1_MouseDown(5, right_button, 0, 0, 0); }, at_pointer},
        {[](Form1& f) { f.Label1_MouseDown(0, right_button, 0, 0, 0); }, at_pointer},
        {[](Form1& f) { f.Label1_MouseDown(2, left_button, 0, 0, 0); }, ""},
        {[](Form1& f) { f.Label1_MouseDown(6, right_button, 0, 0, 0); }, ""},
        {[](Form1& f) { f.Label1_MouseDown(-1, right_button, 0, 0, 0); }, ""},
        {[](Form1& f) { f.open_menu_from_keyboard(); }, at_pointer + ", at the focus"},
    };
    for (const auto& c : cases) {
        fakes::WindowOnFakes w;
        w.start();
        c.press(w.form);
        EXPECT_EQ(w.system.log, c.opened.empty() ? std::vector<std::string>{}
                                                 : std::vector<std::string>{c.opened});
    }
}

TEST(Help, EachCommandNamesItsPage) {
    fakes::WindowOnFakes w;
    for (const auto& [command, page] :
         {std::pair{&Form1::tart_Click, "tartalom"}, std::pair{&Form1::targy_Click, "index"},
          std::pair{&Form1::keress_Click, "keres"}}) {
        (w.form.*command)();
        EXPECT_EQ(w.form.sugoparancs, page);
    }
}

// Névjegy on an open box only brings it to the front, where it was; a click on
// its contents closes it and the next opens against the window where it is now.
TEST(AboutBox, OpensOnceAtATimeAgainstTheWindowWithTitleAndVersion) {
    fakes::WindowOnFakes w;
    w.frame.x = 6600;
    w.form.nevjegy_Click();
    about* box = w.form.about_box();
    EXPECT_EQ(w.about_view.shown, box);
    w.frame.x = -500;
    w.frame.y = 3000;
    w.form.nevjegy_Click();
    EXPECT_EQ(w.form.about_box(), box);
    EXPECT_EQ(w.about_view.fronts, 1);
    EXPECT_EQ(box->left(), 6600 + 660);
    EXPECT_EQ(box->top(), 640);
    EXPECT_EQ(box->termeknev() + " " + box->verzioszam(), "Halvora Version 1.0.0");
    EXPECT_EQ(std::string(box->copyright()) + " " + std::string(box->jogok()),
              "Copyright © Dorvanta Minden jog fenntartva.");
    box->Picture1_Click();
    w.form.nevjegy_Click();
    EXPECT_EQ(w.form.about_box()->left(), -500 + 660);
    EXPECT_EQ(w.form.about_box()->top(), 3000 + 640);
    w.frame.x = w.frame.y = std::numeric_limits<int>::max() - 10;
    w.form.about_box()->verzioszam_Click();
    w.form.nevjegy_Click();
    EXPECT_EQ(w.form.about_box()->left(), std::numeric_limits<int>::max());
    w.frame.x = w.frame.y = std::numeric_limits<int>::min();
    w.form.about_box()->Frame1_Click();
    w.form.nevjegy_Click();
    EXPECT_EQ(w.form.about_box()->top(), std::numeric_limits<int>::min() + 640);
    EXPECT_EQ(w.about_view.shown, w.form.about_box());
}

TEST(Help, WithoutTheProgramsDirectoryNothingOpensAndTheUserIsToldWhy) {
    fakes::WindowOnFakes w;
    w.start();
    w.system.program_dir.reset();
    w.form.targy_Click();
    EXPECT_EQ(w.system.log,
              std::vector<std::string>{"Halvora 48: A súgófájl nem nyitható meg: nem állapítható "
                                       "meg, melyik mappában van a program."});
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
