#include "window_fixture.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace halvora::testing {
namespace {

TEST(Help, TheThreeCommandsOpenTheFileBesideTheProgram) {
    Window w;
    w.start();
    w.form.tart_Click();
    EXPECT_EQ(w.form.sugoparancs, "tartalom");
    w.form.targy_Click();
    EXPECT_EQ(w.form.sugoparancs, "index");
    w.form.keress_Click();
    EXPECT_EQ(w.form.sugoparancs, "keres");
    const std::string file = "C:\\Program Files\\Halvora\\tartalom.hlp";
    EXPECT_EQ(w.help.shown,
              (std::vector<fakes::RecordingHelpViewer::Shown>{{file, 3}, {file, 3}, {file, 11}}));
    EXPECT_EQ(w.form.nezet, "mini") << "the help's Keresés is not the view mode";
}

TEST(AboutBox, OpensAgainstTheMainWindowOnceAtATime) {
    Window w;
    w.start();
    w.form.nevjegy_Click();
    about* box = w.form.about_box();
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(w.about_view.shown, box);
    EXPECT_EQ(box->left(), 6600 + 660);
    EXPECT_EQ(box->top(), 0 + 640);
    EXPECT_EQ(box->termeknev(), "Halvora");
    EXPECT_EQ(box->verzioszam(), "Version 1.0.0");

    // Névjegy on an open box only brings it to the front, where it was.
    w.frame.move_to(1000, 2000);
    w.form.nevjegy_Click();
    EXPECT_EQ(w.form.about_box(), box);
    EXPECT_EQ(w.about_view.shows, 1);
    EXPECT_EQ(w.about_view.fronts, 1);
    EXPECT_EQ(box->left(), 7260);
}

TEST(AboutBox, EachContentClickClosesItAndTheNextOpensAtTheNewPlace) {
    using Click = void (about::*)();
    for (const Click click :
         {&about::Frame1_Click, &about::Picture1_Click, &about::copyright_Click,
          &about::jogok_Click, &about::termeknev_Click, &about::verzioszam_Click}) {
        Window w;
        w.start();
        w.form.nevjegy_Click();
        (w.form.about_box()->*click)();
        EXPECT_EQ(w.form.about_box(), nullptr);
        EXPECT_EQ(w.about_view.shown, nullptr);
        EXPECT_EQ(w.about_view.closes, 1);

        w.frame.move_to(-500, 3000);
        w.form.nevjegy_Click();
        ASSERT_NE(w.form.about_box(), nullptr);
        EXPECT_EQ(w.form.about_box()->left(), 160);
        EXPECT_EQ(w.form.about_box()->top(), 3640);
        EXPECT_EQ(w.about_view.shows, 2);
    }
}

TEST(Exit, BothCommandsCloseTheAboutBoxAndQuitAtOnce) {
    using Handler = void (Form1::*)();
    for (const Handler exit : {&Form1::kilep_Click, &Form1::Command2_Click}) {
        for (const bool about_open : {false, true}) {
            Window w;
            w.start();
            if (about_open) {
                w.form.nevjegy_Click();
            }
            (w.form.*exit)();
            EXPECT_EQ(w.quitter.quits, 1);
            EXPECT_EQ(w.form.about_box(), nullptr);
            EXPECT_EQ(w.about_view.closes, about_open ? 1 : 0);
            EXPECT_TRUE(w.messages.shown.empty()) << "nothing is asked";
        }
    }
}

} // namespace
} // namespace halvora::testing
