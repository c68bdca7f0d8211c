#include <halvora/aboutbox/about.h>

#include <gtest/gtest.h>

#include <climits>
#include <string>

namespace halvora {
namespace {

struct CountingOwner final : AboutOwner {
    void unload_about() override { ++unloads; }
    int unloads = 0;
};

TEST(About, LoadPlacesTheBoxAgainstTheMainWindowAndWritesTitleAndVersion) {
    struct Case {
        int main_left, main_top, left, top;
    };
    for (const auto& c :
         {Case{6600, 0, 7260, 640}, Case{0, 0, 660, 640}, Case{-3000, -100, -2340, 540},
          Case{INT_MAX - 10, INT_MAX, INT_MAX, INT_MAX},
          Case{INT_MIN, INT_MIN + 1, INT_MIN + 660, INT_MIN + 641}}) {
        CountingOwner owner;
        std::string title = "Halvora";
        about box(owner, title, ProgramVersion{1, 0, 0});
        title = "changed after the box was made";
        box.Form_Load(c.main_left, c.main_top);
        EXPECT_EQ(box.left(), c.left) << c.main_left;
        EXPECT_EQ(box.top(), c.top) << c.main_top;
        EXPECT_EQ(box.termeknev(), "Halvora");
        EXPECT_EQ(box.verzioszam(), "Version 1.0.0");
        EXPECT_EQ(owner.unloads, 0);
    }
}

TEST(About, VersionLineWritesEachNumberInDecimalWithoutLeadingZeros) {
    CountingOwner owner;
    about box(owner, "Halvora", ProgramVersion{2, 10, 7});
    box.Form_Load(0, 0);
    EXPECT_EQ(box.verzioszam(), "Version 2.10.7");
}

TEST(About, TheBuildCarriesVersionOneZeroZero) {
    const ProgramVersion version = program_version();
    EXPECT_EQ(version.major, 1);
    EXPECT_EQ(version.minor, 0);
    EXPECT_EQ(version.revision, 0);
}

TEST(About, EveryContentClickUnloadsTheBoxOnce) {
    using Handler = void (about::*)();
    for (const Handler click :
         {&about::Frame1_Click, &about::Picture1_Click, &about::copyright_Click,
          &about::jogok_Click, &about::termeknev_Click, &about::verzioszam_Click}) {
        CountingOwner owner;
        about box(owner, "Halvora", program_version());
        box.Form_Load(0, 0);
        (box.*click)();
        EXPECT_EQ(owner.unloads, 1);
    }
}

TEST(About, CopyrightAndWarningTexts) {
    CountingOwner owner;
    const about box(owner, "Halvora", program_version());
    EXPECT_EQ(box.copyright(), "Copyright © Dorvanta");
    EXPECT_EQ(box.jogok(), "Minden jog fenntartva.");
}

} // namespace
} // namespace halvora
