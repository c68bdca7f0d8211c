// The whole program over Windows: the window logic, its controls and every
// platform service it needs, wired together in the right order, and the
// message loop that runs it.
#pragma once

#include <memory>

namespace halvora {
class Form1;
}

namespace halvora::win32 {

class AboutView;
class MainWindow;
class PopupMenu;
class WindowFrame;

class Program {
public:
    Program();
    ~Program();
    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;

    // Loads the window, shows it (as the system asks, `show_command`) and
    // starts its timer. False when Windows would not make the window.
    bool start(int show_command);
    // Runs until the program ends; the exit code.
    int run();

    [[nodiscard]] Form1& form() const;
    [[nodiscard]] MainWindow& window() const;
    [[nodiscard]] WindowFrame& frame() const;
    [[nodiscard]] PopupMenu& popup_menu() const;
    [[nodiscard]] AboutView& about_view() const;

private:
    struct Parts;
    std::unique_ptr<Parts> parts_;
};

} // namespace halvora::win32
