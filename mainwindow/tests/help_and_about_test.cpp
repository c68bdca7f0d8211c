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
    w.form.targy_Click();
    w.form.keress_Click();
    EXPECT_EQ(w.form.sugoparancs, "keres");
    const std::string file = "C:\\Program Files\\Halvora\\tartalom.hlp";
    EXPECT_EQ(w.help.shown,
              (std::vector<fakes::RecordingHelpViewer::Shown>{{file, 3}, {file, 3}, {file, 11}}));
    EXPECT_EQ(w.form.nezet, "mini") << "the help's Keresés is not the view mode";
    EXPECT_TRUE(w.take_messages().empty());

    // The file lies beside the program or nowhere: nothing is opened, and the
    // user is told why.
    w.program = fakes::FakeProgramInfo{std::nullopt};
    w.form.targy_Click();
    EXPECT_EQ(w.help.shown.size(), 3U);
    EXPECT_EQ(w.take_messages(), std::vector<std::string>{"A súgófájl nem nyitható meg: nem "
                                                          "állapítható meg, melyik mappában "
                                                          "van a program."});
}

// Névjegy on an open box only brings it to the front, where it was; a click on
// its contents closes it and the next opens against the window where it is now.
// Where a box stands against the window is the about box's own test.
TEST(AboutBox, OpensOnceAtATimeAndTheNextAtTheNewPlace) {
    Window w;
    w.start();
    w.form.nevjegy_Click();
    about* box = w.form.about_box();
    ASSERT_NE(box, nullptr);
    w.frame.move_to(-500, 3000);
    w.form.nevjegy_Click();
    EXPECT_EQ(w.form.about_box(), box);
    EXPECT_EQ(w.about_view.fronts, 1);
    EXPECT_EQ(box->left(), 6600 + 660);

    box->copyright_Click();
    EXPECT_EQ(w.about_view.shown, nullptr);
    w.form.nevjegy_Click();
    ASSERT_NE(w.form.about_box(), nullptr);
    EXPECT_EQ(w.form.about_box()->left(), -500 + 660);
    EXPECT_EQ(w.form.about_box()->top(), 3000 + 640);
    EXPECT_EQ(w.about_view.shows, 2);
    EXPECT_EQ(w.about_view.closes, 1);
}

TEST(Exit, BothCommandsCloseTheAboutBoxAndQuitAtOnce) {
    for (const auto exit : {&Form1::kilep_Click, &Form1::Command2_Click}) {
        Window w;
        w.start();
        w.form.nevjegy_Click();
        (w.form.*exit)();
        EXPECT_EQ(w.quitter.quits, 1);
        EXPECT_EQ(w.form.about_box(), nullptr);
        EXPECT_EQ(w.about_view.closes, 1);
        EXPECT_TRUE(w.messages.shown.empty()) << "nothing is asked";
    }
}

} // namespace
} // namespace halvora::testing
