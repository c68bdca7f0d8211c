#include <halvora/help/help.h>

namespace halvora::help {

std::string help_file_path(const platform::ProgramInfo& program) {
    std::string path = program.directory();
    const char separator = program.path_separator();
    // A drive's root is reported with its separator already ("C:\"); a second
    // one would make a path the viewer cannot open.
    if (path.empty() || path.back() != separator) {
        path += separator;
    }
    path += help_file_name;
    return path;
}

void sugas(std::string_view page, platform::HelpViewer& viewer,
           const platform::ProgramInfo& program) {
    viewer.set_help_file(help_file_path(program));
    if (page == page_search) {
        viewer.set_help_command(command_finder);
    } else if (page == page_index) {
        viewer.set_help_command(command_index);
    } else if (page == page_contents) {
        viewer.set_help_command(command_contents);
    }
    viewer.show_help();
}

} // namespace halvora::help
