#include <halvora/help/help.h>
#include <halvora/platform/fakes.h>

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

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

// Each page sets its command; any other keeps the one the viewer last had.
// Without the program's directory the viewer is not even set up.
TEST(Sugas, EachPageOpensTheFileWithItsCommand) {
    fakes::FakeSystem s;
    const std::string file = "help C:\\Program Files\\Halvora\\tartalom.hlp ";
    for (const std::string_view page :
         {"keres", "", "Keres", "tartalom", "index ", "index", "keres"}) {
        EXPECT_TRUE(sugas(page, s, s));
    }
    EXPECT_EQ(s.log, (std::vector<std::string>{file + "11", file + "11", file + "11", file + "3",
                                               file + "3", file + "3", file + "11"}));
    s.program_dir.reset();
    s.help_file = "untouched";
    EXPECT_FALSE(sugas("tartalom", s, s));
    EXPECT_EQ(s.log.size(), 7U);
    EXPECT_EQ(s.help_file, "untouched");
}

} // namespace
} // namespace halvora::help
