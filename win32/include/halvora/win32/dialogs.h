// Message boxes, the help viewer and the program's end, over Windows.
#pragma once

#include <halvora/help/launches.h>
#include <halvora/platform/platform.h>
#include <halvora/win32/windows.h>

#include <functional>
#include <string>
#include <string_view>

namespace halvora::win32 {

// Windows' own modal message box over the main window; the style value is
// Windows' own too (48: OK and the warning icon).
class MessageBox final : public platform::MessageBox {
public:
    explicit MessageBox(HWND owner)
        : owner_(owner) {}
    void show(std::string_view text, std::string_view title, int style) override;

private:
    HWND owner_;
};

// The help file goes to whatever the system opens its kind of file with, as a
// double click in the file manager would. Every help command opens the same
// file; when it is missing or nothing opens it, a message box names the path.
// One viewer runs for the file at a time, and one message about it shows at
// a time (help::Launches): while the viewer started runs, a help command
// brings it to the front instead of starting another.
class HelpViewer final : public platform::HelpViewer {
public:
    HelpViewer(platform::MessageBox& messages, HWND owner);
    ~HelpViewer() override;
    HelpViewer(const HelpViewer&) = delete;
    HelpViewer& operator=(const HelpViewer&) = delete;

    void set_help_file(std::string_view path) override { file_ = path; }
    void set_help_command(int command) override { command_ = command; }
    void show_help() override;

    [[nodiscard]] int help_command() const { return command_; }

private:
    void forget_ended_viewer();
    void fail(std::string_view message);

    platform::MessageBox& messages_;
    HWND owner_;
    std::string file_;
    int command_ = 0;
    help::Launches launches_;
    HANDLE viewer_ = nullptr;
    std::string viewer_file_;
};

// Ends the program at once: every window goes and the message loop ends.
class Quitter final : public platform::Quitter {
public:
    // `before` runs first; it hides the windows and stops what must not run any more.
    explicit Quitter(std::function<void()> before)
        : before_(std::move(before)) {}
    void quit() override;

private:
    std::function<void()> before_;
};

} // namespace halvora::win32
