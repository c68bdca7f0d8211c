// The way into the help file: which page each help command asks for, and the
// hand-over of file and command to the platform's help viewer.
#pragma once

#include <halvora/platform/platform.h>

#include <optional>
#include <string>
#include <string_view>

namespace halvora::help {

inline constexpr std::string_view help_file_name = "tartalom.hlp";

// Values of sugoparancs.
inline constexpr std::string_view page_contents = "tartalom";
inline constexpr std::string_view page_index = "index";
inline constexpr std::string_view page_search = "keres";

// Viewer commands.
inline constexpr int command_contents = 3;
inline constexpr int command_index = 3;
inline constexpr int command_finder = 11;

// Said instead of opening anything when the program's own directory cannot
// be known: the help file lies there or nowhere.
inline constexpr std::string_view message_no_directory =
    "A súgófájl nem nyitható meg: nem állapítható meg, melyik mappában van a program.";

// Said when the help file is not there, or nothing opens it; the path follows.
inline constexpr std::string_view message_not_found = "A súgófájl nem található: ";
inline constexpr std::string_view message_not_opened = "A súgófájl nem nyitható meg: ";

// The help file beside the program: directory, separator, file name; nothing
// when the directory cannot be known. The directory's bytes are kept as they
// are.
std::optional<std::string> help_file_path(const platform::ProgramInfo& program);

// Sets the viewer's file, then its command by `page` (an unknown page leaves
// the command as it was), then shows the help. False, with the viewer left
// untouched, when the program's directory cannot be known.
[[nodiscard]] bool sugas(std::string_view page, platform::HelpViewer& viewer,
                         const platform::ProgramInfo& program);

} // namespace halvora::help
