// The small interfaces through which the window logic reaches the system.
// Each has a real implementation in the Qt binding and a fake for tests.
// Every length is in twips (1/1440 inch); every size is an outer size.
#pragma once

#include <halvora/calendar.h>

#include <array>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

namespace halvora::platform {

// Today's date, weekday and time of day, read fresh on every call.
class Clock {
public:
    virtual ~Clock() = default;
    [[nodiscard]] virtual Moment now() const = 0;
};

// Month and weekday names in the system's language, and its time separator.
class Regional {
public:
    virtual ~Regional() = default;
    [[nodiscard]] virtual const RegionalSettings& settings() const = 0;
};

// A uniform pseudo-random number in [0, 1).
class RandomSource {
public:
    virtual ~RandomSource() = default;
    virtual double next() = 0;
};

class Screen {
public:
    virtual ~Screen() = default;
    [[nodiscard]] virtual int width() const = 0;
};

// The main window's outer frame on the screen. Setting a size raises the
// resize listener synchronously, inside the setting call, whenever the size
// really changes; a size below what the frame allows is raised to that least
// size, and the frame reports what it really took.
class WindowFrame {
public:
    virtual ~WindowFrame() = default;

    [[nodiscard]] virtual int left() const = 0;
    [[nodiscard]] virtual int top() const = 0;
    [[nodiscard]] virtual int width() const = 0;
    [[nodiscard]] virtual int height() const = 0;

    virtual void set_left(int twips) = 0;
    virtual void set_top(int twips) = 0;
    virtual void set_width(int twips) = 0;
    virtual void set_height(int twips) = 0;

    void set_resize_listener(std::function<void()> listener) { resize_ = std::move(listener); }

protected:
    [[nodiscard]] bool listened() const { return static_cast<bool>(resize_); }
    void raise_resize() const {
        if (resize_) {
            resize_();
        }
    }

private:
    std::function<void()> resize_;
};

// Message box style: one OK button and the warning icon.
inline constexpr int message_style_warning = 48;

class MessageBox {
public:
    virtual ~MessageBox() = default;
    // Modal: returns when the user has confirmed the message.
    virtual void show(std::string_view text, std::string_view title, int style) = 0;
};

// The help viewer, set up the way a common dialog component is: a file, a
// command, then "show".
class HelpViewer {
public:
    virtual ~HelpViewer() = default;
    virtual void set_help_file(std::string_view path) = 0;
    virtual void set_help_command(int command) = 0;
    virtual void show_help() = 0;
};

// Facts about the running program itself.
class ProgramInfo {
public:
    virtual ~ProgramInfo() = default;
    // The directory of the program's executable, without a closing separator,
    // in the bytes the system names it by: a path, not a text, so not always
    // UTF-8. Nothing when the system cannot tell.
    [[nodiscard]] virtual std::optional<std::string> directory() const = 0;
    [[nodiscard]] virtual char path_separator() const = 0;
};

enum class MenuItemId { cimsor, mini, teljes, tart, targy, keress, nevjegy, kilep };
inline constexpr std::array<MenuItemId, 8> menu_items{
    MenuItemId::cimsor, MenuItemId::mini,   MenuItemId::teljes,  MenuItemId::tart,
    MenuItemId::targy,  MenuItemId::keress, MenuItemId::nevjegy, MenuItemId::kilep};

// Where the popup menu opens: at the mouse pointer, or, opened from the
// keyboard, at the control that has the focus (the window's corner without one).
enum class MenuAnchor { pointer, focus };

class PopupMenu {
public:
    virtual ~PopupMenu() = default;
    virtual void open(MenuItemId default_item, MenuAnchor anchor) = 0;
};

// Ends the program at once: every window closes, no further handler runs.
class Quitter {
public:
    virtual ~Quitter() = default;
    virtual void quit() = 0;
};

} // namespace halvora::platform
