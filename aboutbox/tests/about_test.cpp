// What the whole-window fuzz target cannot see of the about box: a version
// other than this build's, and a title that changes after the box was made.
// Its place, texts and clicks are checked there.
#include <halvora/aboutbox/about.h>

#include <gtest/gtest.h>

#include <string>

namespace halvora {
namespace {

struct CountingOwner final : AboutOwner {
    void unload_about() override { ++unloads; }
    int unloads = 0;
};

TEST(About, WritesItsOwnTitleAndEachVersionNumberInDecimal) {
    CountingOwner owner;
    std::string title = "Halvora";
    about box(owner, title, ProgramVersion{2, 10, 7});
    title = "changed after the box was made";
    box.Form_Load(0, 0);
    EXPECT_EQ(box.termeknev(), "Halvora");
    EXPECT_EQ(box.verzioszam(), "Version 2.10.7");
    EXPECT_EQ(owner.unloads, 0);
    for (const auto click :
         {&about::Frame1_Click, &about::Picture1_Click, &about::copyright_Click,
          &about::jogok_Click, &about::termeknev_Click, &about::verzioszam_Click}) {
        (box.*click)();
    }
    EXPECT_EQ(owner.unloads, 6);
}

} // namespace
} // namespace halvora
