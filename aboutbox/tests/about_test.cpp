// What the whole-window fuzz target cannot see of the about box: a version
// other than this build's, and a title that changes after the box was made.
// Its place and texts are checked there, its clicks on the real window.
#include <halvora/aboutbox/about.h>

#include <gtest/gtest.h>

#include <string>

namespace halvora {
namespace {

struct QuietOwner final : AboutOwner {
    void unload_about() override {}
};

TEST(About, WritesItsOwnTitleAndEachVersionNumberInDecimal) {
    QuietOwner owner;
    std::string title = "Halvora";
    about box(owner, title, ProgramVersion{2, 10, 7});
    title = "changed after the box was made";
    box.Form_Load(0, 0);
    EXPECT_EQ(box.termeknev(), "Halvora");
    EXPECT_EQ(box.verzioszam(), "Version 2.10.7");
}

} // namespace
} // namespace halvora
