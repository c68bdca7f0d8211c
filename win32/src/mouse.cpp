#include <halvora/win32/contained.h>
#include <halvora/win32/mouse.h>

#include <windowsx.h>

namespace halvora::win32 {

int button_value(UINT message) {
    switch (message) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
        return 1;
    case WM_RBUTTONDOWN:
    case WM_RBUTTONDBLCLK:
        return 2;
    case WM_MBUTTONDOWN:
    case WM_MBUTTONDBLCLK:
        return 4;
    default:
        return 0;
    }
}

int shift_value(WPARAM keys) {
    return ((keys & MK_SHIFT) != 0 ? 1 : 0) + ((keys & MK_CONTROL) != 0 ? 2 : 0) +
           (GetKeyState(VK_MENU) < 0 ? 4 : 0);
}

MouseWatch::MouseWatch(HWND control, Down down, Click click)
    : control_(control)
    , down_(std::move(down))
    , click_(std::move(click)) {
    SetWindowSubclass(control_, procedure, 1, reinterpret_cast<DWORD_PTR>(this));
}

MouseWatch::~MouseWatch() {
    RemoveWindowSubclass(control_, procedure, 1);
}

LRESULT CALLBACK MouseWatch::procedure(HWND control, UINT message, WPARAM wparam, LPARAM lparam,
                                       UINT_PTR /*id*/, DWORD_PTR self) {
    bool handled = false;
    run_contained("mouse handler", [&] {
        handled = reinterpret_cast<MouseWatch*>(self)->handle(message, wparam, lparam);
    });
    // The watch may be gone now; only the control's own procedure is left.
    return handled ? 0 : DefSubclassProc(control, message, wparam, lparam);
}

bool MouseWatch::handle(UINT message, WPARAM wparam, LPARAM lparam) {
    const POINT at{GET_X_LPARAM(lparam), GET_Y_LPARAM(lparam)};
    switch (message) {
    case WM_LBUTTONDOWN:
        pressed_ = true;
        SetCapture(control_);
        break;
    case WM_LBUTTONDBLCLK:
        pressed_ = false;
        break;
    case WM_LBUTTONUP: {
        const bool was_pressed = pressed_;
        pressed_ = false;
        if (GetCapture() == control_) {
            ReleaseCapture();
        }
        RECT area{};
        GetClientRect(control_, &area);
        if (was_pressed && PtInRect(&area, at) != FALSE && click_) {
            click_();
        }
        return true;
    }
    case WM_CAPTURECHANGED:
        pressed_ = false;
        return false;
    default:
        break;
    }
    if (const int button = button_value(message); button != 0) {
        if (down_) {
            down_(button, shift_value(wparam), at);
        }
        return true;
    }
    return false;
}

} // namespace halvora::win32
