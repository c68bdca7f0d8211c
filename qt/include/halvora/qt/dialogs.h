// Message boxes, the help viewer and the program's end, over Qt.
#pragma once

#include <halvora/platform/platform.h>

#include <QPointer>
#include <QString>
#include <QWidget>

#include <functional>
#include <string>

class QUrl;

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
// whatever the desktop opens it with, started without a shell. Every help
// command opens the same file; when it is missing or nothing opens it, a
// message box names the path.
class HelpViewer final : public platform::HelpViewer {
public:
    // Opens a file with the desktop's handler; true when one was started.
    using Opener = std::function<bool(const QUrl&)>;

    HelpViewer(platform::MessageBox& messages, Opener opener = {});

    void set_help_file(std::string_view path) override;
    void set_help_command(int command) override { command_ = command; }
    void show_help() override;

    [[nodiscard]] const std::string& help_file() const { return file_; }
    [[nodiscard]] int help_command() const { return command_; }

private:
    platform::MessageBox& messages_;
    Opener opener_;
    std::string file_;
    int command_ = 0;
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
