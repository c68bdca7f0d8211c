// The window's popup menu fomenu, built once from the logic's menu items; it
// follows their check marks and runs their handlers.
#pragma once

#include <halvora/platform/platform.h>
#include <halvora/win32/windows.h>

#include <functional>

namespace halvora {
class Form1;
} // namespace halvora

namespace halvora::win32 {

class PopupMenu final : public platform::PopupMenu {
public:
    // Every handler runs through `run`, which guards it.
    using Runner = std::function<void(const std::function<void()>&)>;

    // The menu opens over `owner`, the main window.
    explicit PopupMenu(HWND owner);
    ~PopupMenu() override;
    PopupMenu(const PopupMenu&) = delete;
    PopupMenu& operator=(const PopupMenu&) = delete;

    void bind(Form1& form, Runner run);
    void unbind();

    // Returns when the menu has closed and the chosen item's handler has run.
    void open(platform::MenuItemId default_item, platform::MenuAnchor anchor) override;

    [[nodiscard]] HMENU menu() const { return menu_; }

private:
    void show_checks();
    [[nodiscard]] POINT focus_corner() const;

    HWND owner_;
    HMENU menu_ = nullptr;
    HMENU sugo_ = nullptr;
    Form1* form_ = nullptr;
    Runner run_;
    bool open_ = false;
};

} // namespace halvora::win32
