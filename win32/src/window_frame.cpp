#include <halvora/win32/contained.h>
#include <halvora/win32/window_frame.h>

namespace halvora::win32 {

WindowFrame::WindowFrame(HWND window)
    : window_(window) {}

void WindowFrame::notice(UINT message, WPARAM wparam) {
    switch (message) {
    case WM_ENTERSIZEMOVE:
        dragging_ = true;
        break;
    case WM_EXITSIZEMOVE:
        dragging_ = false;
        run_contained("resize handler", [this] { tell_if_resized(); });
        break;
    case WM_SIZE:
        if (wparam != SIZE_MINIMIZED && setting_ == 0 && !dragging_) {
            run_contained("resize handler", [this] { tell_if_resized(); });
        }
        break;
    default:
        break;
    }
}

Scale WindowFrame::scale() const {
    return Scale::of(window_);
}

RECT WindowFrame::outer() const {
    RECT rect{};
    GetWindowRect(window_, &rect);
    return rect;
}

// Positions count from the corner of the monitor the window is on.
POINT WindowFrame::origin() const {
    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    if (GetMonitorInfoW(MonitorFromWindow(window_, MONITOR_DEFAULTTONEAREST), &monitor) == FALSE) {
        return POINT{0, 0};
    }
    return POINT{monitor.rcMonitor.left, monitor.rcMonitor.top};
}

int WindowFrame::left() const {
    return scale().twips(outer().left - origin().x);
}

int WindowFrame::top() const {
    return scale().twips(outer().top - origin().y);
}

int WindowFrame::width() const {
    const RECT rect = outer();
    return scale().twips(rect.right - rect.left);
}

int WindowFrame::height() const {
    const RECT rect = outer();
    return scale().twips(rect.bottom - rect.top);
}

void WindowFrame::set_left(int twips) {
    place(origin().x + scale().px(twips), outer().top);
}

void WindowFrame::set_top(int twips) {
    place(outer().left, origin().y + scale().px(twips));
}

void WindowFrame::set_width(int twips) {
    const RECT rect = outer();
    resize(scale().px(twips), rect.bottom - rect.top);
}

void WindowFrame::set_height(int twips) {
    const RECT rect = outer();
    resize(rect.right - rect.left, scale().px(twips));
}

// A maximized window is where the system puts it.
void WindowFrame::place(int x, int y) {
    if (IsZoomed(window_) != FALSE) {
        return;
    }
    SetWindowPos(window_, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void WindowFrame::resize(int width, int height) {
    if (IsZoomed(window_) != FALSE) {
        ++setting_;
        ShowWindow(window_, SW_RESTORE);
        --setting_;
    }
    ++setting_;
    SetWindowPos(window_, nullptr, 0, 0, width < 0 ? 0 : width, height < 0 ? 0 : height,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    --setting_;
    tell_if_resized();
}

void WindowFrame::showing() {
    shown_ = true;
    told_ = SIZE{-1, -1};
    tell_if_resized();
}

void WindowFrame::tell_if_resized() {
    const RECT rect = outer();
    const SIZE size{rect.right - rect.left, rect.bottom - rect.top};
    if (!shown_ || (size.cx == told_.cx && size.cy == told_.cy)) {
        return;
    }
    told_ = size;
    raise_resize();
}

} // namespace halvora::win32
