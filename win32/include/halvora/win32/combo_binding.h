// An editable drop-down list kept in step with its list in the window logic.
// Its text is exactly what the user typed or picked, and what the logic
// writes; the items are the logic's. The user's changes reach the logic as
// the list's text and chosen item; the focus leaving its text field is told
// with the window that takes the focus, so that the window can tell a move
// to another of its controls from the window losing the focus.
#pragma once

#include <halvora/mainwindow/controls.h>
#include <halvora/win32/windows.h>

#include <functional>
#include <string>
#include <vector>

namespace halvora::win32 {

class ComboBinding {
public:
    using Leaving = std::function<void(HWND next_focus)>;

    ComboBinding(HWND widget, ComboBox& list, Leaving leaving);
    ~ComboBinding();
    ComboBinding(const ComboBinding&) = delete;
    ComboBinding& operator=(const ComboBinding&) = delete;

    [[nodiscard]] HWND widget() const { return widget_; }
    // A notification code the list sent its parent.
    void notified(int code);
    [[nodiscard]] bool dropped_down() const;

private:
    static LRESULT CALLBACK watch_edit(HWND edit, UINT message, WPARAM wparam, LPARAM lparam,
                                       UINT_PTR id, DWORD_PTR self);
    void show(Property property);
    void show_items();
    void show_text();
    void show_chosen();
    void take_users_text();
    [[nodiscard]] std::string shown_text() const;

    HWND widget_;
    HWND edit_ = nullptr;
    ComboBox& list_;
    Leaving leaving_;
    std::vector<std::string> shown_items_;
    bool showing_ = false;
};

} // namespace halvora::win32
