// The whole program over Qt: the window logic, its widgets and every platform
// service it needs, wired together in the right order.
#pragma once

#include <memory>
#include <string>
#include <vector>

class QMenu;
class QWidget;

namespace halvora {
class Form1;
}

namespace halvora::qt {

class AboutView;
class HelpViewer;
class MainWindow;
class PopupMenu;

struct ProgramOptions {
    // The program that opens the help file, and its first arguments; the
    // file's path comes last. Empty: the desktop's own (xdg-open).
    std::vector<std::string> help_launcher;
};

class Program {
public:
    explicit Program(ProgramOptions options = {});
    ~Program();
    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;

    // Loads the window, shows it and starts its timer.
    void start();

    [[nodiscard]] Form1& form() const;
    [[nodiscard]] MainWindow& window() const;
    [[nodiscard]] PopupMenu& popup_menu() const;
    [[nodiscard]] AboutView& about_view() const;
    [[nodiscard]] HelpViewer& help_viewer() const;

private:
    struct Parts;
    std::unique_ptr<Parts> parts_;
};

} // namespace halvora::qt
