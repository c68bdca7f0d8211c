#include <halvora/mainwindow/form1.h>
#include <halvora/win32/combo_binding.h>
#include <halvora/win32/contained.h>
#include <halvora/win32/main_window.h>

#include <utility>

namespace halvora::win32 {
namespace {

constexpr const wchar_t* class_name = L"HalvoraForm1";

} // namespace

MainWindow::MainWindow() {
    // Double clicks told as such: the second press on the running title is no new click.
    register_window_class(class_name, procedure, CS_DBLCLKS);
    // A sizable border and a title bar with a close button only.
    constexpr DWORD style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME;
    CreateWindowExW(WS_EX_CONTROLPARENT, class_name, L"", style, CW_USEDEFAULT, CW_USEDEFAULT,
                    CW_USEDEFAULT, CW_USEDEFAULT, nullptr, nullptr, GetModuleHandleW(nullptr),
                    this);
    if (window_ == nullptr) {
        return;
    }
    scale_ = Scale::of(window_);
    high_contrast_ = high_contrast_on();
    build();
    RECT outer{0, 0, scale_.px(layout::client_width), scale_.px(layout::client_height)};
    adjust_window_rect(outer, style, WS_EX_CONTROLPARENT, static_cast<UINT>(scale_.dpi()));
    SetWindowPos(window_, nullptr, 0, 0, outer.right - outer.left, outer.bottom - outer.top,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

MainWindow::~MainWindow() {
    unbind();
    if (window_ != nullptr) {
        DestroyWindow(window_);
    }
}

bool MainWindow::can_take_focus(HWND control) {
    return IsWindowVisible(control) != FALSE && IsWindowEnabled(control) != FALSE;
}

LRESULT CALLBACK MainWindow::procedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
    if (message == WM_NCCREATE) {
        auto* made =
            static_cast<MainWindow*>(reinterpret_cast<CREATESTRUCTW*>(lparam)->lpCreateParams);
        made->window_ = window;
        SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(made));
    }
    auto* self = reinterpret_cast<MainWindow*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (self == nullptr) {
        return DefWindowProcW(window, message, wparam, lparam);
    }
    LRESULT result = 0;
    bool failed = true;
    run_contained("window message", [&] {
        result = self->handle(window, message, wparam, lparam);
        failed = false;
    });
    return failed ? DefWindowProcW(window, message, wparam, lparam) : result;
}

void MainWindow::run(const std::function<void()>& handler) {
    if (form_ == nullptr || ended_) {
        return;
    }
    ++running_;
    run_contained("event handler", handler);
    --running_;
}

void MainWindow::watch_frame(std::function<void(UINT message, WPARAM wparam)> watch) {
    frame_watch_ = std::move(watch);
}

// The ticks go straight to their procedure, which the message loop calls
// without the window's procedure in between.
void MainWindow::start_timer() {
    SetTimer(window_, tick_timer_id, timer_interval_ms, tick);
}

void CALLBACK MainWindow::tick(HWND window, UINT /*message*/, UINT_PTR /*id*/, DWORD /*time*/) {
    auto* self = reinterpret_cast<MainWindow*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (self != nullptr) {
        self->run([self] { self->form_->Timer1_Timer(); });
    }
}

void MainWindow::stop_timer() {
    if (window_ != nullptr) {
        KillTimer(window_, tick_timer_id);
    }
}

void MainWindow::end() {
    ended_ = true;
    stop_timer();
    ShowWindow(window_, SW_HIDE);
}

bool MainWindow::owns(HWND control) const {
    return control != nullptr && (control == window_ || IsChild(window_, control) != FALSE);
}

LRESULT MainWindow::handle(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
    switch (message) {
    case WM_COMMAND:
        if (lparam != 0) {
            command(LOWORD(wparam), HIWORD(wparam));
        }
        return 0;
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
        return control_colour(reinterpret_cast<HDC>(wparam), reinterpret_cast<HWND>(lparam));
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
    case WM_RBUTTONDBLCLK:
    case WM_MBUTTONDBLCLK:
        mouse_down(message, wparam, lparam);
        return 0;
    case WM_LBUTTONUP:
        mouse_up(lparam);
        return 0;
    case WM_CAPTURECHANGED:
        title_pressed_ = false;
        break;
    case WM_ENTERSIZEMOVE:
    case WM_EXITSIZEMOVE:
    case WM_SIZE:
        if (frame_watch_) {
            frame_watch_(message, wparam);
        }
        break;
    case WM_TIMER: // a tick sent to the window ticks as the timer's own
        if (wparam == tick_timer_id) {
            run([this] { form_->Timer1_Timer(); });
        } else if (wparam == build_timer_id) {
            build_search_panels();
        }
        return 0;
    case WM_CONTEXTMENU:
        // From the keyboard only: a right click opens the menu where it went down.
        if (lparam == -1) {
            run([this] { form_->open_menu_from_keyboard(); });
        }
        return 0;
    case WM_ACTIVATE:
        if (LOWORD(wparam) == WA_INACTIVE) {
            HWND focus = GetFocus();
            last_focus_ = owns(focus) && focus != window_ ? focus : nullptr;
        } else if (last_focus_ != nullptr && owns(last_focus_) && can_take_focus(last_focus_)) {
            SetFocus(last_focus_);
            return 0;
        }
        break;
    case WM_DPICHANGED:
        rescale(HIWORD(wparam), *reinterpret_cast<const RECT*>(lparam));
        return 0;
    case WM_SETTINGCHANGE:
    case WM_SYSCOLORCHANGE:
    case WM_THEMECHANGED:
        high_contrast_ = high_contrast_on();
        RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
        break;
    case WM_DESTROY:
        // Closed from the title bar: the program ends, running nothing of its own.
        ended_ = true;
        KillTimer(window, tick_timer_id);
        PostQuitMessage(0);
        return 0;
    case WM_NCDESTROY:
        window_ = nullptr;
        SetWindowLongPtrW(window, GWLP_USERDATA, 0);
        break;
    default:
        break;
    }
    return DefWindowProcW(window, message, wparam, lparam);
}

void MainWindow::rescale(UINT dpi, const RECT& suggested) {
    scale_ = Scale{static_cast<int>(dpi)};
    auto fonts = std::make_unique<Fonts>(scale_);
    fonts_.swap(fonts);
    set_fonts();
    place_controls();
    SetWindowPos(window_, nullptr, suggested.left, suggested.top, suggested.right - suggested.left,
                 suggested.bottom - suggested.top, SWP_NOZORDER | SWP_NOACTIVATE);
}

} // namespace halvora::win32
