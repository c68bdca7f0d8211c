#include <halvora/help/help.h>
#include <halvora/help/launches.h>
#include <halvora/platform/fakes.h>

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <utility>

namespace halvora::help {
namespace {

// Only the program's own directory, byte for byte; none known, no path.
TEST(HelpFilePath, LiesBesideTheProgramWhateverTheDirectoryLooksLike) {
    const struct {
        std::optional<std::string> directory, path;
    } cases[] = {
        {"C:\\Program Files\\Halvora", "C:\\Program Files\\Halvora\\tartalom.hlp"},
        {"D:\\hal\xFFvora", "D:\\hal\xFFvora\\tartalom.hlp"},
        {"C:\\", "C:\\tartalom.hlp"},
        {"", std::nullopt},
        {std::nullopt, std::nullopt},
    };
    for (const auto& c : cases) {
        fakes::FakeSystem program;
        program.program_dir = c.directory;
        EXPECT_EQ(help_file_path(program), c.path) << c.directory.value_or("(unknown)");
    }
}

// A page it does not know keeps the command the viewer last had (the known
// pages are checked from the window's menu). Without the program's directory
// the viewer is not even set up.
TEST(Sugas, AnUnknownPageKeepsTheLastCommand) {
    fakes::FakeSystem s;
    for (const auto& [page, command] : {std::pair{"tartalom", 3},
                                        {"", 3},
                                        {"Keres", 3},
                                        {"keres", 11},
                                        {"index ", 11},
                                        {"", 11}}) {
        EXPECT_TRUE(sugas(page, s, s));
        EXPECT_EQ(s.help_command, command) << page;
    }
    s.program_dir.reset();
    s.help_file = "untouched";
    EXPECT_FALSE(sugas("tartalom", s, s));
    EXPECT_EQ(s.help_file + " " + std::to_string(s.help_command), "untouched 11");
}

// One launcher per file runs at a time, and one message per file shows at a
// time; another file has its own of each, and an end or a close frees only
// its own file.
TEST(Launches, OneLauncherAndOneMessagePerFileAtATime) {
    enum Step { start, end, say, close };
    const struct {
        Step step;
        const char* file;
        bool allowed; // for start and say
    } steps[] = {
        {start, "a", true}, {start, "a", false}, {start, "b", true},  {say, "a", true},
        {say, "a", false},  {end, "b", false},   {start, "a", false}, {end, "a", false},
        {start, "a", true}, {say, "b", true},    {close, "a", false}, {say, "a", true},
        {say, "b", false},  {end, "a", false},   {close, "b", false}, {say, "b", true},
    };
    Launches launches;
    int line = 0;
    for (const auto& s : steps) {
        ++line;
        if (s.step == start || s.step == say) {
            EXPECT_EQ(s.step == start ? launches.start(s.file) : launches.say(s.file), s.allowed)
                << "step " << line;
        } else {
            s.step == end ? launches.ended(s.file) : launches.closed(s.file);
        }
    }
    EXPECT_FALSE(launches.running());
}

} // namespace
} // namespace halvora::help
