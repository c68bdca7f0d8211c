// The version record reaches the program, the Windows resources and the AppStream
// release list from one place in CMake; these checks catch a copy that drifted or
// a substitution that did not happen.
#include <halvora/version.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <regex>
#include <sstream>
#include <string>
#include <string_view>

namespace {

std::string read_file(const char* path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

std::string version_triple() {
    return std::to_string(halvora::version::major) + "." + std::to_string(halvora::version::minor) +
           "." + std::to_string(halvora::version::revision);
}

struct RecordField {
    const char* rc_key;
    std::string_view in_header;
    std::string_view expected;
};

const RecordField record[] = {
    {"CompanyName", halvora::version::company, "Dorvanta"},
    {"FileDescription", halvora::version::file_description,
     "Halvora keres\xC3\xA9se oda \xC3\xA9s vissza"},
    {"FileVersion", halvora::version::file_version, "1.00"},
    {"InternalName", halvora::version::internal_name, "Halvora"},
    {"OriginalFilename", halvora::version::original_filename, "halvora.exe"},
    {"ProductName", halvora::version::product_name, "Halvora"},
    {"ProductVersion", halvora::version::product_version, "1.00"},
};

std::map<std::string, std::string> rc_string_values(const std::string& rc) {
    static const std::regex value_line(R"re(VALUE\s+"([A-Za-z]+)",\s*"([^"]*)")re");
    std::map<std::string, std::string> values;
    for (auto it = std::sregex_iterator(rc.begin(), rc.end(), value_line);
         it != std::sregex_iterator(); ++it) {
        values[(*it)[1].str()] = (*it)[2].str();
    }
    return values;
}

TEST(VersionRecord, HeaderHoldsTheRecordLetterForLetter) {
    for (const auto& field : record) {
        EXPECT_EQ(field.in_header, field.expected) << field.rc_key;
    }
    EXPECT_EQ(halvora::version::major, 1);
    EXPECT_EQ(halvora::version::minor, 0);
    EXPECT_EQ(halvora::version::revision, 0);
    EXPECT_EQ(halvora::version::text, version_triple());
}

TEST(VersionRecord, WindowsResourceCarriesTheSameRecord) {
    const std::string rc = read_file(HALVORA_WINDOWS_RC);
    ASSERT_FALSE(rc.empty()) << HALVORA_WINDOWS_RC;
    EXPECT_EQ(rc.find('@'), std::string::npos) << "an unsubstituted variable is left";

    const auto values = rc_string_values(rc);
    EXPECT_EQ(values.size(), std::size(record));
    for (const auto& field : record) {
        const auto found = values.find(field.rc_key);
        ASSERT_NE(found, values.end()) << field.rc_key;
        EXPECT_EQ(found->second, field.in_header) << field.rc_key;
    }

    const std::string numbers = std::to_string(halvora::version::major) + "," +
                                std::to_string(halvora::version::minor) + "," +
                                std::to_string(halvora::version::revision) + ",0";
    EXPECT_NE(rc.find("FILEVERSION " + numbers + "\n"), std::string::npos);
    EXPECT_NE(rc.find("PRODUCTVERSION " + numbers + "\n"), std::string::npos);
    // The string table's language and code page must match the translation entry.
    EXPECT_NE(rc.find("BLOCK \"040E04B0\""), std::string::npos);
    EXPECT_NE(rc.find("VALUE \"Translation\", 0x040E, 1200"), std::string::npos);
}

TEST(VersionRecord, WindowsResourceNamesAnIconThatExists) {
    const std::string rc = read_file(HALVORA_WINDOWS_RC);
    static const std::regex icon_line(R"re(\n1 ICON "([^"]+)")re");
    std::smatch match;
    ASSERT_TRUE(std::regex_search(rc, match, icon_line));
    EXPECT_TRUE(std::filesystem::is_regular_file(match[1].str())) << match[1].str();
}

TEST(VersionRecord, NewestAppStreamReleaseIsThisVersion) {
    const std::string metainfo = read_file(HALVORA_METAINFO);
    static const std::regex release(R"re(<release\s+version="([^"]*)")re");
    std::smatch match;
    ASSERT_TRUE(std::regex_search(metainfo, match, release));
    EXPECT_EQ(match[1].str(), halvora::version::text);
}

} // namespace
