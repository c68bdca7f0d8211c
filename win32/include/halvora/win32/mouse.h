// Controls that report the mouse the way the window logic wants it.
#pragma once

#include <halvora/win32/windows.h>

#include <functional>

namespace halvora::win32 {

// Mouse button values of the mouse-down events: left 1, right 2, middle 4; 0
// for any other message.
int button_value(UINT message);
// Shift 1, Ctrl 2, Alt 4, added up.
int shift_value(WPARAM keys);

// Watches a control (a static with SS_NOTIFY, which otherwise lets the mouse
// through to the window below): a button going down, with its position in the
// control, and a left click, the left button pressed and then released over
// the control. The second press of a double click is a button going down, but
// no new click. A handler may hide the control, never destroy it at once.
class MouseWatch {
public:
    using Down = std::function<void(int button, int shift, POINT at)>;
    using Click = std::function<void()>;

    MouseWatch(HWND control, Down down, Click click);
    ~MouseWatch();
    MouseWatch(const MouseWatch&) = delete;
    MouseWatch& operator=(const MouseWatch&) = delete;

private:
    static LRESULT CALLBACK procedure(HWND control, UINT message, WPARAM wparam, LPARAM lparam,
                                      UINT_PTR id, DWORD_PTR self);
    bool handle(UINT message, WPARAM wparam, LPARAM lparam);

    HWND control_;
    Down down_;
    Click click_;
    bool pressed_ = false;
};

} // namespace halvora::win32
