// The program that opens the help file, since the platform has no viewer for
// its format: whatever the desktop opens it with (xdg-open), started without
// a shell, the file's path handed over byte for byte. It runs beside the
// program, which neither waits for it nor ends it, yet asks how it ended:
// xdg-open may stay as long as the viewer does, and only its exit status
// tells that nothing could open the file.
#pragma once

#include <QtGlobal>

#include <string>
#include <vector>

namespace halvora::qt {

class HelpLauncher {
public:
    // The launcher and its first arguments; the file's path comes last.
    // Empty: xdg-open.
    using Command = std::vector<std::string>;
    explicit HelpLauncher(Command command);

    // Handed over: where there is no launcher to run, Qt's own opener serves,
    // and its word that it started is all there is to know.
    enum class Start { failed, running, handed_over };
    Start start(const std::string& file);

    struct Ended {
        std::string file;
        bool failed;
    };
    // The launchers seen to end since the last call. One that outlives the
    // program is left running, and the system takes it over.
    std::vector<Ended> ended();

private:
    struct Running {
        qint64 process;
        std::string file;
    };
    Command command_;
    std::vector<Running> running_;
};

} // namespace halvora::qt
