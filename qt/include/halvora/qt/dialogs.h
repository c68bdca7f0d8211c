// Message boxes, the help viewer and the program's end, over Qt.
#pragma once

#include <halvora/platform/platform.h>

#include <QPointer>
#include <QString>
#include <QTimer>
#include <QWidget>

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace halvora::qt {

// A modal message box over the main window, with one OK button.
class MessageBox final : public platform::MessageBox {
public:
    explicit MessageBox(QWidget* parent)
        : parent_(parent) {}
    void show(std::string_view text, std::string_view title, int style) override;

private:
    QPointer<QWidget> parent_;
};

// The platform has no viewer for the help file's format, so the file goes to
// whatever the desktop opens it with: a launcher (xdg-open) started without a
// shell, its path handed over byte for byte. The launcher runs beside the
// program, which neither waits for it nor ends it, yet watches how it ends:
// xdg-open may stay as long as the viewer does, and only its exit status
// tells that nothing could open the file. Every help command opens the same
// file; when it is missing or nothing opens it, a message box names the path.
class HelpViewer final : public platform::HelpViewer {
public:
    // The launcher and its first arguments; the file's path comes last.
    using Launcher = std::vector<std::string>;

    // An empty launcher is xdg-open. (Where there is none, Qt's own opener
    // serves, and its word that it started is all there is to know.)
    explicit HelpViewer(platform::MessageBox& messages, Launcher launcher = {});

    void set_help_file(std::string_view path) override;
    void set_help_command(int command) override { command_ = command; }
    void show_help() override;

    [[nodiscard]] int help_command() const { return command_; }
    // Whether a launcher started here has not been seen to end yet.
    [[nodiscard]] bool launching() const { return !running_.empty(); }

private:
    struct Running {
        qint64 process;
        std::string file;
    };
    bool launch();
    void watch();
    void fail(std::string_view message, const std::string& file);

    platform::MessageBox& messages_;
    Launcher launcher_;
    std::string file_;
    int command_ = 0;
    std::vector<Running> running_;
    QTimer watcher_;
};

// Ends the program at once: every window closes and the event loop ends.
class Quitter final : public platform::Quitter {
public:
    // `before` runs first; it stops what must not run any more.
    explicit Quitter(std::function<void()> before)
        : before_(std::move(before)) {}
    void quit() override;

private:
    std::function<void()> before_;
};

} // namespace halvora::qt
