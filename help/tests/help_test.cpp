#include <halvora/help/help.h>
#include <halvora/platform/fakes/recorders.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace halvora::help {
namespace {

using fakes::FakeProgramInfo;
using fakes::RecordingHelpViewer;

TEST(HelpFilePath, LiesBesideTheProgramWhateverTheDirectoryLooksLike) {
    struct Case {
        std::string directory;
        char separator;
        std::string path;
    };
    const std::vector<Case> cases = {
        {"C:\\Program Files\\Halvora", '\\', "C:\\Program Files\\Halvora\\tartalom.hlp"},
        {"/opt/halvora", '/', "/opt/halvora/tartalom.hlp"},
        {"C:\\", '\\', "C:\\tartalom.hlp"},
        {"/", '/', "/tartalom.hlp"},
        {"", '\\', "\\tartalom.hlp"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(help_file_path(FakeProgramInfo{c.directory, c.separator}), c.path) << c.directory;
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
        sugas(c.page, viewer, program);
        ASSERT_EQ(viewer.shown.size(), 1U) << c.page;
        EXPECT_EQ(viewer.shown[0],
                  (RecordingHelpViewer::Shown{"D:\\apps\\tartalom.hlp", c.command}))
            << c.page;
    }
}

TEST(Sugas, AnUnknownPageKeepsTheCommandTheViewerLastHad) {
    const FakeProgramInfo program;
    RecordingHelpViewer viewer;
    sugas("keres", viewer, program);
    for (const std::string_view page : {"", "Keres", "tartalom ", "search"}) {
        sugas(page, viewer, program);
        EXPECT_EQ(viewer.shown.back().command, 11) << page;
    }
    EXPECT_EQ(viewer.shown.size(), 5U);
}

} // namespace
} // namespace halvora::help
