#include <halvora/help/help.h>

namespace halvora::help {

std::optional<std::string> help_file_path(const platform::ProgramInfo& program) {
    std::optional<std::string> path = program.directory();
    // An empty directory would put the file at the root, where it is not.
    if (!path || path->empty()) {
        return std::nullopt;
    }
    const char separator = program.path_separator();
    // A drive's root is reported with its separator already ("C:\"); a second
    // one would make a path the viewer cannot open.
    if (path->back() != separator) {
        *path += separator;
    }
    *path += help_file_name;
    return path;
}

bool sugas(std::string_view page, platform::HelpViewer& viewer,
           const platform::ProgramInfo& program) {
    const std::optional<std::string> path = help_file_path(program);
    if (!path) {
        return false;
    }
    viewer.set_help_file(*path);
    if (page == page_search) {
        viewer.set_help_command(command_finder);
    } else if (page == page_index) {
        viewer.set_help_command(command_index);
    } else if (page == page_contents) {
        viewer.set_help_command(command_contents);
    }
    viewer.show_help();
    return true;
}

} // namespace halvora::help
