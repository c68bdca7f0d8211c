#include <halvora/help/help.h>
#include <halvora/platform/fakes/recorders.h>

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

namespace halvora::help {
namespace {

using fakes::FakeProgramInfo;
using fakes::RecordingHelpViewer;

// Only the program's own directory, byte for byte; none known, no path.
TEST(HelpFilePath, LiesBesideTheProgramWhateverTheDirectoryLooksLike) {
    struct Case {
        std::optional<std::string> directory;
        char separator;
        std::optional<std::string> path;
    };
    const std::vector<Case> cases = {
        {"C:\\Program Files\\Halvora", '\\', "C:\\Program Files\\Halvora\\tartalom.hlp"},
        {"/opt/hal\xFFvora", '/', "/opt/hal\xFFvora/tartalom.hlp"},
        {"C:\\", '\\', "C:\\tartalom.hlp"},
        {"/", '/', "/tartalom.hlp"},
        {"", '/', std::nullopt},
        {std::nullopt, '/', std::nullopt},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(help_file_path(FakeProgramInfo{c.directory, c.separator}), c.path)
            << c.directory.value_or("(unknown)");
    }
}

TEST(Sugas, EachPageOpensTheFileWithItsCommand) {
    struct Case {
        std::string_view page;
        int command;
    };
    const FakeProgramInfo program{"D:\\apps", '\\'};
    for (const auto& c : {Case{"tartalom", 3}, Case{"index", 3}, Case{"keres", 11}}) {
        RecordingHelpViewer viewer;
        EXPECT_TRUE(sugas(c.page, viewer, program));
        ASSERT_EQ(viewer.shown.size(), 1U) << c.page;
        EXPECT_EQ(viewer.shown[0],
                  (RecordingHelpViewer::Shown{"D:\\apps\\tartalom.hlp", c.command}))
            << c.page;
    }
}

TEST(Sugas, AnUnknownPageKeepsTheCommandTheViewerLastHad) {
    const FakeProgramInfo program;
    RecordingHelpViewer viewer;
    EXPECT_TRUE(sugas("keres", viewer, program));
    for (const std::string_view page : {"", "Keres", "tartalom ", "search"}) {
        EXPECT_TRUE(sugas(page, viewer, program));
        EXPECT_EQ(viewer.shown.back().command, 11) << page;
    }
    EXPECT_EQ(viewer.shown.size(), 5U);
    // Without the program's directory the viewer is not even set up.
    EXPECT_FALSE(sugas("tartalom", viewer, FakeProgramInfo{std::nullopt}));
    EXPECT_EQ(viewer.shown.size(), 5U);
    EXPECT_EQ(viewer.file, "C:\\Program Files\\Halvora\\tartalom.hlp");
}

} // namespace
} // namespace halvora::help
