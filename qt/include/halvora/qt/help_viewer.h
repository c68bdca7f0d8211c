// The help viewer over Qt: every help command opens the same file, through
// the help launcher; when the file is missing or nothing opens it, a message
// box names the path. For each file one launcher runs at a time and one such
// message shows at a time (help::Launches).
#pragma once

#include <halvora/help/launches.h>
#include <halvora/platform/platform.h>
#include <halvora/qt/help_launcher.h>

#include <QTimer>

#include <string>
#include <string_view>

namespace halvora::qt {

class HelpViewer final : public platform::HelpViewer {
public:
    explicit HelpViewer(platform::MessageBox& messages, HelpLauncher::Command launcher = {});

    void set_help_file(std::string_view path) override { file_ = path; }
    void set_help_command(int command) override { command_ = command; }
    void show_help() override;

    [[nodiscard]] int help_command() const { return command_; }
    // Whether a launcher started here has not been seen to end yet.
    [[nodiscard]] bool launching() const { return launches_.running(); }

private:
    void watch();
    void fail(std::string_view message, const std::string& file);

    platform::MessageBox& messages_;
    HelpLauncher launcher_;
    help::Launches launches_;
    std::string file_;
    int command_ = 0;
    QTimer watcher_;
};

} // namespace halvora::qt
