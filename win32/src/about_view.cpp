#include <halvora/win32/about_view.h>
#include <halvora/win32/contained.h>
#include <halvora/win32/look.h>
#include <halvora/win32/mouse.h>
#include <halvora/win32/scale.h>
#include <halvora/win32/text.h>

#include <windowsx.h>

#include <algorithm>
#include <memory>
#include <vector>

namespace halvora::win32 {

namespace {

constexpr const wchar_t* class_name = L"HalvoraAbout";
// Asks a closed box's window to go, once the handler that closed it is done.
constexpr UINT destroy_later = WM_APP + 1;

LRESULT CALLBACK procedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam);

} // namespace

// One showing of the box: its window and what lives as long as it does.
class AboutWindow {
public:
    AboutWindow(AboutView& view, const about& box, HWND main_window);
    AboutWindow(const AboutWindow&) = delete;
    AboutWindow& operator=(const AboutWindow&) = delete;

    [[nodiscard]] HWND handle() const { return window_; }
    // From the window's first message on, its handle is known.
    void attach(HWND window) { window_ = window; }
    // Forgets the view: a hidden window waiting to go tells it nothing more.
    void detach() { view_ = nullptr; }
    // Once made, the window frees this when it goes.
    bool owned_by_window = false;
    LRESULT handle(UINT message, WPARAM wparam, LPARAM lparam);

private:
    HWND add_label(const Rect& place, const std::wstring& text, HFONT font, AboutView::Part part,
                   DWORD style = SS_LEFTNOWORDWRAP | SS_NOPREFIX);
    void paint();
    [[nodiscard]] RECT frame_rect() const;

    AboutView* view_;
    Scale scale_;
    Fonts fonts_;
    HWND window_ = nullptr;
    HICON icon_ = nullptr;
    std::vector<std::unique_ptr<MouseWatch>> watches_;
    bool frame_pressed_ = false;
};

namespace {

LRESULT CALLBACK procedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
    if (message == WM_NCCREATE) {
        const auto* creation = reinterpret_cast<const CREATESTRUCTW*>(lparam);
        auto* made = static_cast<AboutWindow*>(creation->lpCreateParams);
        made->attach(window);
        SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(made));
    }
    auto* shown = reinterpret_cast<AboutWindow*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (message == WM_NCDESTROY) {
        SetWindowLongPtrW(window, GWLP_USERDATA, 0);
        if (shown != nullptr && shown->owned_by_window) {
            delete shown;
        }
        return DefWindowProcW(window, message, wparam, lparam);
    }
    if (shown == nullptr) {
        return DefWindowProcW(window, message, wparam, lparam);
    }
    LRESULT result = 0;
    run_contained("about box", [&] { result = shown->handle(message, wparam, lparam); });
    return result;
}

} // namespace

AboutWindow::AboutWindow(AboutView& view, const about& box, HWND main_window)
    : view_(&view)
    , scale_(Scale::of(main_window))
    , fonts_(scale_) {
    register_window_class(class_name, procedure);
    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    GetMonitorInfoW(MonitorFromWindow(main_window, MONITOR_DEFAULTTONEAREST), &monitor);
    const HWND made = CreateWindowExW(
        0, class_name, L"Névjegy", WS_POPUP, monitor.rcMonitor.left + scale_.px(box.left()),
        monitor.rcMonitor.top + scale_.px(box.top()), scale_.px(about_layout::client_width),
        scale_.px(about_layout::client_height), nullptr, nullptr, GetModuleHandleW(nullptr), this);
    if (made == nullptr) {
        window_ = nullptr;
        return;
    }
    const RECT frame = scale_.px(about_layout::Frame1);
    HWND group = CreateWindowExW(0, WC_BUTTONW, L"", WS_CHILD | WS_VISIBLE | BS_GROUPBOX,
                                 frame.left, frame.top, frame.right - frame.left,
                                 frame.bottom - frame.top, window_, nullptr, nullptr, nullptr);
    SendMessageW(group, WM_SETFONT, reinterpret_cast<WPARAM>(fonts_.sans), FALSE);

    const int icon_size = scale_.px(about_layout::Picture1.width);
    icon_ = program_icon(icon_size);
    HWND picture = add_label(about_layout::Picture1, L"", nullptr, AboutView::Part::picture,
                             SS_ICON | SS_CENTERIMAGE);
    SendMessageW(picture, STM_SETICON, reinterpret_cast<WPARAM>(icon_), 0);
    add_label(about_layout::termeknev, widen(box.termeknev()), fonts_.product,
              AboutView::Part::termeknev);
    add_label(about_layout::verzioszam, widen(box.verzioszam()), fonts_.sans,
              AboutView::Part::verzioszam);
    add_label(about_layout::copyright, widen(box.copyright()), fonts_.sans,
              AboutView::Part::copyright);
    add_label(about_layout::jogok, widen(box.jogok()), fonts_.sans, AboutView::Part::jogok);
    // The frame is drawn below its contents.
    SetWindowPos(group, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

// The frame's controls count from the frame's corner.
HWND AboutWindow::add_label(const Rect& place, const std::wstring& text, HFONT font,
                            AboutView::Part part, DWORD style) {
    const Rect in_window{about_layout::Frame1.left + place.left,
                         about_layout::Frame1.top + place.top, place.width, place.height};
    const RECT at = scale_.px(in_window);
    HWND label = CreateWindowExW(0, WC_STATICW, text.c_str(),
                                 WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | SS_NOTIFY | style,
                                 at.left, at.top, at.right - at.left, at.bottom - at.top, window_,
                                 nullptr, nullptr, nullptr);
    if (font != nullptr) {
        SendMessageW(label, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    }
    watches_.push_back(std::make_unique<MouseWatch>(label, nullptr, [this, part] {
        if (view_ != nullptr) {
            view_->clicked(part);
        }
    }));
    return label;
}

RECT AboutWindow::frame_rect() const {
    return scale_.px(about_layout::Frame1);
}

LRESULT AboutWindow::handle(UINT message, WPARAM wparam, LPARAM lparam) {
    switch (message) {
    case WM_PAINT:
        paint();
        return 0;
    case WM_CTLCOLORSTATIC:
        SetBkColor(reinterpret_cast<HDC>(wparam), face_colour());
        SetTextColor(reinterpret_cast<HDC>(wparam), GetSysColor(COLOR_BTNTEXT));
        return reinterpret_cast<LRESULT>(face_brush());
    // The frame lets the mouse through to the window: a click inside it is the
    // frame's, one on the margin around it nobody's.
    case WM_LBUTTONDOWN: {
        const POINT at{GET_X_LPARAM(lparam), GET_Y_LPARAM(lparam)};
        const RECT frame = frame_rect();
        frame_pressed_ = PtInRect(&frame, at) != FALSE;
        if (frame_pressed_) {
            SetCapture(window_);
        }
        return 0;
    }
    case WM_LBUTTONUP: {
        const POINT at{GET_X_LPARAM(lparam), GET_Y_LPARAM(lparam)};
        const RECT frame = frame_rect();
        const bool click = frame_pressed_ && PtInRect(&frame, at) != FALSE;
        frame_pressed_ = false;
        if (GetCapture() == window_) {
            ReleaseCapture();
        }
        if (click && view_ != nullptr) {
            view_->clicked(AboutView::Part::frame);
        }
        return 0;
    }
    case WM_KEYDOWN:
        if (wparam == VK_ESCAPE && view_ != nullptr) {
            view_->clicked(AboutView::Part::frame);
        }
        return 0;
    case WM_CLOSE:
        if (view_ != nullptr) {
            view_->clicked(AboutView::Part::frame);
        }
        return 0;
    case destroy_later:
        DestroyWindow(window_);
        return 0;
    default:
        return DefWindowProcW(window_, message, wparam, lparam);
    }
}

// The four lines stand in for a border; the far ones fall on the last row
// and column.
void AboutWindow::paint() {
    PAINTSTRUCT paint{};
    HDC dc = BeginPaint(window_, &paint);
    RECT client{};
    GetClientRect(window_, &client);
    HPEN pen = CreatePen(PS_SOLID, 1, GetSysColor(COLOR_WINDOWTEXT));
    HGDIOBJ previous = SelectObject(dc, pen);
    const auto x = [&](int twips) { return std::min<int>(scale_.px(twips), client.right - 1); };
    const auto y = [&](int twips) { return std::min<int>(scale_.px(twips), client.bottom - 1); };
    for (const about_layout::Line& line : about_layout::Line1) {
        MoveToEx(dc, x(line.x1), y(line.y1), nullptr);
        LineTo(dc, x(line.x2), y(line.y2));
        SetPixel(dc, x(line.x2), y(line.y2), GetSysColor(COLOR_WINDOWTEXT)); // LineTo stops short
    }
    SelectObject(dc, previous);
    DeleteObject(pen);
    EndPaint(window_, &paint);
}

AboutView::AboutView(HWND main_window, Runner run)
    : main_window_(main_window)
    , run_(std::move(run)) {}

AboutView::~AboutView() {
    box_ = nullptr;
    if (window_ != nullptr) {
        window_->detach();
        DestroyWindow(window_->handle());
    }
}

HWND AboutView::window() const {
    return window_ != nullptr ? window_->handle() : nullptr;
}

void AboutView::show(about& box) {
    close();
    box_ = &box;
    auto made = std::make_unique<AboutWindow>(*this, box, main_window_);
    if (made->handle() == nullptr) {
        return;
    }
    // From here on the window owns it, and frees it when it goes.
    made->owned_by_window = true;
    window_ = made.release();
    ShowWindow(window_->handle(), SW_SHOW);
    SetForegroundWindow(window_->handle());
}

void AboutView::bring_to_front() {
    if (window_ != nullptr) {
        ShowWindow(window_->handle(), SW_SHOW);
        SetForegroundWindow(window_->handle());
    }
}

void AboutView::close() {
    box_ = nullptr;
    if (window_ != nullptr) {
        window_->detach();
        ShowWindow(window_->handle(), SW_HIDE);
        PostMessageW(window_->handle(), destroy_later, 0, 0);
        window_ = nullptr;
    }
}

void AboutView::clicked(Part part) {
    about* box = box_;
    if (box == nullptr) {
        return;
    }
    // The handler may destroy the box and close this view: nothing of either
    // is touched after it.
    run_([box, part] {
        switch (part) {
        case Part::frame:
            box->Frame1_Click();
            break;
        case Part::picture:
            box->Picture1_Click();
            break;
        case Part::termeknev:
            box->termeknev_Click();
            break;
        case Part::verzioszam:
            box->verzioszam_Click();
            break;
        case Part::copyright:
            box->copyright_Click();
            break;
        case Part::jogok:
            box->jogok_Click();
            break;
        }
    });
}

} // namespace halvora::win32
