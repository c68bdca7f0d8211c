#include <halvora/mainwindow/form1.h>
#include <halvora/win32/bindings.h>
#include <halvora/win32/combo_binding.h>
#include <halvora/win32/contained.h>
#include <halvora/win32/main_window.h>
#include <halvora/win32/mouse.h>
#include <halvora/win32/text.h>

#include <windowsx.h>

#include <algorithm>
#include <cstddef>

namespace halvora::win32 {
namespace {

constexpr const wchar_t* class_name = L"HalvoraForm1";
constexpr UINT_PTR timer_id = 1;

// Command numbers of the controls that send notifications; clear of IDOK and
// IDCANCEL, which the dialog keys send.
enum ControlId : int {
    option1_id = 101,
    option2_id,
    month_list_id,
    day_list_id,
    name_list_id,
    command1_id,
    command2_id,
    // The rest send nothing; their numbers only name them, for screen readers' scripts and tests.
    label1_first_id = 200, // to 205, by the members of Label1
    label2_id = 210,
    label3_id,
    label4_id,
    frame1_first_id = 220, // and 221
    frame2_id = 222,
    frame3_id,
};

// Screen readers name a list by the static text that comes just before it;
// these have no room on the screen.
constexpr std::array<const wchar_t*, 3> list_names{L"Hónap", L"Nap", L"Keresztnév"};

// A frame's controls count from the frame's corner.
Rect in_frame(const Rect& frame, const Rect& control) {
    return Rect{frame.left + control.left, frame.top + control.top, control.width, control.height};
}

void move(HWND control, const RECT& place) {
    SetWindowPos(control, nullptr, place.left, place.top, place.right - place.left,
                 place.bottom - place.top, SWP_NOZORDER | SWP_NOACTIVATE);
}

// Windows' dialog keys treat an option button as one of a group, which Tab
// enters at its chosen member only, and arrows move through. Each option here
// stands alone in its frame: a plain button to the keyboard.
LRESULT CALLBACK tab_stop_always(HWND option, UINT message, WPARAM wparam, LPARAM lparam,
                                 UINT_PTR /*id*/, DWORD_PTR /*data*/) {
    const LRESULT result = DefSubclassProc(option, message, wparam, lparam);
    return message == WM_GETDLGCODE ? result & ~static_cast<LRESULT>(DLGC_RADIOBUTTON) : result;
}

bool can_take_focus(HWND control) {
    return IsWindowVisible(control) != FALSE && IsWindowEnabled(control) != FALSE;
}

} // namespace

MainWindow::MainWindow() {
    register_window_class(class_name, procedure);
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

void MainWindow::build() {
    HINSTANCE instance = GetModuleHandleW(nullptr);
    const auto make = [&](const wchar_t* type, DWORD style, int id = 0, const wchar_t* text = L"") {
        return CreateWindowExW(0, type, text, WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | style, 0, 0,
                               0, 0, window_, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                               instance, nullptr);
    };
    constexpr DWORD tab_stop = WS_TABSTOP | WS_GROUP;
    constexpr DWORD list = CBS_DROPDOWN | CBS_AUTOHSCROLL | WS_VSCROLL | tab_stop;
    constexpr DWORD label = SS_LEFTNOWORDWRAP | SS_NOPREFIX;
    Controls& c = controls_;
    // Made in the order of the keyboard's focus, which follows the order of
    // the controls; the frames last, below the controls drawn over them.
    c.Option1 = make(WC_BUTTONW, BS_RADIOBUTTON | tab_stop, option1_id);
    c.Option2 = make(WC_BUTTONW, BS_RADIOBUTTON | tab_stop, option2_id);
    for (HWND option : {c.Option1, c.Option2}) {
        SetWindowSubclass(option, tab_stop_always, 1, 0);
    }
    const std::array<int, 3> list_ids{month_list_id, day_list_id, name_list_id};
    std::array<HWND, 3> lists{};
    for (std::size_t i = 0; i < lists.size(); ++i) {
        name_labels_.push_back(make(WC_STATICW, label, 0, list_names[i]));
        lists[i] = make(WC_COMBOBOXW, list, list_ids[i]);
    }
    c.Combo1 = {lists[0], lists[1]};
    c.Combo2 = lists[2];
    c.Command1 = make(WC_BUTTONW, BS_DEFPUSHBUTTON | tab_stop, command1_id);
    c.Command2 = make(WC_BUTTONW, BS_PUSHBUTTON | tab_stop, command2_id);
    for (int i = 0; i < label1_count; ++i) {
        c.Label1[static_cast<std::size_t>(i)] =
            make(WC_STATICW, label | SS_NOTIFY, label1_first_id + i);
    }
    c.Label2 = make(WC_STATICW, label, label2_id);
    c.Label3 = make(WC_STATICW, label, label3_id);
    // One line, centred: the running title is wider than its place at times.
    c.Label4 = make(WC_STATICW, SS_CENTER | SS_CENTERIMAGE | SS_NOPREFIX | SS_NOTIFY, label4_id);
    c.Frame2 = make(WC_BUTTONW, BS_GROUPBOX, frame2_id);
    c.Frame3 = make(WC_BUTTONW, BS_GROUPBOX, frame3_id);
    for (int i = 0; i < frame1_count; ++i) {
        c.Frame1[static_cast<std::size_t>(i)] = make(WC_BUTTONW, BS_GROUPBOX, frame1_first_id + i);
    }
    // The order of the controls is made sure of, whatever order Windows gave them.
    HWND above = HWND_TOP;
    std::vector<HWND> order{c.Option1, c.Option2};
    for (std::size_t i = 0; i < lists.size(); ++i) {
        order.push_back(name_labels_[i]);
        order.push_back(lists[i]);
    }
    order.insert(order.end(), {c.Command1, c.Command2});
    // Two of the today panel's labels overlap as designed (the month's and the
    // day's); the one further right lies above, so that each text shows from
    // its start and only a label's blank tail goes under its neighbour.
    std::array<int, label1_count> by_left{};
    for (int i = 0; i < label1_count; ++i) {
        by_left[static_cast<std::size_t>(i)] = i;
    }
    std::ranges::sort(by_left, [](int a, int b) {
        return layout::Label1[static_cast<std::size_t>(a)].left >
               layout::Label1[static_cast<std::size_t>(b)].left;
    });
    for (const int i : by_left) {
        order.push_back(c.Label1[static_cast<std::size_t>(i)]);
    }
    order.insert(order.end(),
                 {c.Label2, c.Label3, c.Label4, c.Frame2, c.Frame3, c.Frame1[0], c.Frame1[1]});
    for (HWND control : order) {
        SetWindowPos(control, above, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
        above = control;
    }
    for (HWND combo : lists) {
        SendMessageW(combo, CB_SETMINVISIBLE, 12, 0);
    }
    fonts_ = std::make_unique<Fonts>(scale_);
    set_fonts();
    place_controls();
    for (const bool big : {true, false}) {
        const int size =
            system_metric(big ? SM_CXICON : SM_CXSMICON, static_cast<UINT>(scale_.dpi()));
        SendMessageW(window_, WM_SETICON, big ? ICON_BIG : ICON_SMALL,
                     reinterpret_cast<LPARAM>(program_icon(size)));
    }
}

void MainWindow::set_fonts() {
    const auto set = [](HWND control, HFONT font) {
        SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
    };
    for (HWND control = GetWindow(window_, GW_CHILD); control != nullptr;
         control = GetWindow(control, GW_HWNDNEXT)) {
        set(control, fonts_->sans);
    }
    set(controls_.Label1[clock_label], fonts_->sans_bold);
    set(controls_.Label4, fonts_->serif_bold);
}

void MainWindow::place_controls() {
    const Scale& s = scale_;
    const Controls& c = controls_;
    for (std::size_t i = 0; i < c.Label1.size(); ++i) {
        move(c.Label1[i], s.px(layout::Label1[i]));
    }
    move(c.Frame1[date_panel], s.px(layout::Frame1_0));
    move(c.Frame1[name_panel], s.px(layout::Frame1_1));
    const Rect frame2 = in_frame(layout::Frame1_0, layout::Frame2);
    const Rect frame3 = in_frame(layout::Frame1_1, layout::Frame3);
    move(c.Frame2, s.px(frame2));
    move(c.Frame3, s.px(frame3));
    move(c.Label2, s.px(in_frame(frame2, layout::Label2)));
    move(c.Label3, s.px(in_frame(frame3, layout::Label3)));
    // A list's height is that of its text field and its drop-down together.
    const auto place_list = [&](HWND combo, const Rect& frame, const Rect& place) {
        RECT at = s.px(in_frame(frame, place));
        at.bottom += s.px(3000);
        move(combo, at);
    };
    place_list(c.Combo1[month_list], layout::Frame1_0, layout::Combo1_0);
    place_list(c.Combo1[day_list], layout::Frame1_0, layout::Combo1_1);
    place_list(c.Combo2, layout::Frame1_1, layout::Combo2);
    for (HWND name : name_labels_) {
        move(name, RECT{0, 0, 0, 0});
    }
    // As wide as the caption needs, so it is never cut off and the frame's
    // edge shows again after it; the frame is the limit.
    const auto place_option = [&](HWND option, const Rect& frame, const Rect& place) {
        RECT at = s.px(in_frame(frame, place));
        HDC dc = GetDC(option);
        HGDIOBJ previous = SelectObject(dc, fonts_->sans);
        const std::wstring caption = [option] {
            std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(option)) + 1, L'\0');
            text.resize(static_cast<std::size_t>(
                GetWindowTextW(option, text.data(), static_cast<int>(text.size()))));
            return text;
        }();
        SIZE text{};
        GetTextExtentPoint32W(dc, caption.c_str(), static_cast<int>(caption.size()), &text);
        SelectObject(dc, previous);
        ReleaseDC(option, dc);
        const int check = system_metric(SM_CXMENUCHECK, static_cast<UINT>(s.dpi()));
        const int wanted = check + s.px(90) + text.cx + 2;
        at.right = at.left + std::min(wanted, s.px(frame.width));
        move(option, at);
    };
    place_option(c.Option1, layout::Frame1_0, layout::Option1);
    place_option(c.Option2, layout::Frame1_1, layout::Option2);
    move(c.Command1, s.px(layout::Command1));
    move(c.Label4, s.px(layout::Label4));
    move(c.Command2, s.px(layout::Command2));
}

void MainWindow::bind(Form1& form) {
    unbind();
    form_ = &form;
    Controls& c = controls_;
    win32::bind(window_, form.caption);
    const auto always = [] { return true; };
    const auto with_search_area = [this] {
        return form_ != nullptr && form_->search_area.visible();
    };
    for (std::size_t i = 0; i < c.Label1.size(); ++i) {
        win32::bind(c.Label1[i], form.Label1[i], always);
        const int index = static_cast<int>(i);
        watches_.push_back(std::make_unique<MouseWatch>(
            c.Label1[i],
            [this, index](int button, int shift, POINT at) {
                run([&] {
                    form_->Label1_MouseDown(index, button, shift,
                                            static_cast<float>(scale_.unrounded_twips(at.x)),
                                            static_cast<float>(scale_.unrounded_twips(at.y)));
                });
            },
            nullptr));
    }
    win32::bind(c.Label2, form.Label2, with_search_area);
    win32::bind(c.Label3, form.Label3, with_search_area);
    win32::bind(c.Label4, form.Label4, with_search_area);
    watches_.push_back(std::make_unique<MouseWatch>(
        c.Label4, nullptr, [this] { run([this] { form_->Label4_Click(); }); }));
    win32::bind(c.Option1, form.Option1);
    win32::bind(c.Option2, form.Option2);
    SetWindowTextW(c.Command1, widen(form.Command1.caption()).c_str());
    SetWindowTextW(c.Command2, widen(form.Command2.caption()).c_str());
    place_controls(); // the options' widths follow their captions
    for (const int index : {month_list, day_list}) {
        HWND combo = c.Combo1[static_cast<std::size_t>(index)];
        combo_bindings_.push_back(std::make_unique<ComboBinding>(
            combo, form.Combo1[static_cast<std::size_t>(index)],
            [this, index, combo](HWND next) { leaving_list(index, combo, next); }));
    }
    combo_bindings_.push_back(std::make_unique<ComboBinding>(c.Combo2, form.Combo2, nullptr));
    form.search_area.observe([this](Property) { show_search_area(); });
    show_search_area();
}

void MainWindow::unbind() {
    if (form_ == nullptr) {
        return;
    }
    stop_timer();
    form_->caption.observe({});
    for (Label& label : form_->Label1) {
        label.observe({});
    }
    for (Label* label : {&form_->Label2, &form_->Label3, &form_->Label4}) {
        label->observe({});
    }
    form_->Option1.observe({});
    form_->Option2.observe({});
    form_->search_area.observe({});
    watches_.clear();
    combo_bindings_.clear();
    form_ = nullptr;
}

void MainWindow::run(const std::function<void()>& handler) {
    if (form_ == nullptr || ended_) {
        return;
    }
    ++running_;
    run_contained("event handler", handler);
    --running_;
}

void MainWindow::start_timer() {
    SetTimer(window_, timer_id, timer_interval_ms, nullptr);
}

void MainWindow::stop_timer() {
    if (window_ != nullptr) {
        KillTimer(window_, timer_id);
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

const Label* MainWindow::label_of(HWND control) const {
    if (form_ == nullptr) {
        return nullptr;
    }
    const Controls& c = controls_;
    for (std::size_t i = 0; i < c.Label1.size(); ++i) {
        if (c.Label1[i] == control) {
            return &form_->Label1[i];
        }
    }
    if (control == c.Label2) {
        return &form_->Label2;
    }
    if (control == c.Label3) {
        return &form_->Label3;
    }
    return control == c.Label4 ? &form_->Label4 : nullptr;
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
        mouse_down(message, wparam, lparam);
        return 0;
    case WM_TIMER:
        if (wparam == timer_id) {
            run([this] { form_->Timer1_Timer(); });
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
        KillTimer(window, timer_id);
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

void MainWindow::command(int id, int code) {
    switch (id) {
    case option1_id:
    case option2_id:
        if (code == BN_CLICKED) {
            option_clicked(id == option1_id ? 1 : 2);
        }
        break;
    case command1_id:
        if (code == BN_CLICKED) {
            run([this] { form_->Command1_Click(); });
        }
        break;
    case command2_id:
        if (code == BN_CLICKED) {
            run([this] { form_->Command2_Click(); });
        }
        break;
    case month_list_id:
    case day_list_id:
    case name_list_id:
        for (const auto& binding : combo_bindings_) {
            if (GetDlgCtrlID(binding->widget()) == id) {
                binding->notified(code);
            }
        }
        break;
    default:
        break;
    }
}

// The frames and the labels of the search results let the mouse through to
// the window: a button going down is the frame's, the result boxes' nobody's,
// the window's anywhere else.
void MainWindow::mouse_down(UINT message, WPARAM wparam, LPARAM lparam) {
    const POINT at{GET_X_LPARAM(lparam), GET_Y_LPARAM(lparam)};
    const int button = button_value(message);
    const int shift = shift_value(wparam);
    const auto place_of = [this](HWND frame) {
        RECT place{};
        GetWindowRect(frame, &place);
        MapWindowPoints(nullptr, window_, reinterpret_cast<POINT*>(&place), 2);
        return place;
    };
    const auto inside = [&](HWND frame) {
        const RECT place = place_of(frame);
        return IsWindowVisible(frame) != FALSE && PtInRect(&place, at) != FALSE;
    };
    const auto twips = [this](int px) { return static_cast<float>(scale_.unrounded_twips(px)); };
    if (inside(controls_.Frame2) || inside(controls_.Frame3)) {
        return;
    }
    for (std::size_t i = 0; i < controls_.Frame1.size(); ++i) {
        if (inside(controls_.Frame1[i])) {
            const RECT frame = place_of(controls_.Frame1[i]);
            const int index = static_cast<int>(i);
            run([&] {
                form_->Frame1_MouseDown(index, button, shift, twips(at.x - frame.left),
                                        twips(at.y - frame.top));
            });
            return;
        }
    }
    run([&] { form_->Form_MouseDown(button, shift, twips(at.x), twips(at.y)); });
}

LRESULT MainWindow::control_colour(HDC dc, HWND control) {
    const Label* label = label_of(control);
    SetTextColor(dc, label != nullptr ? text_colour(label->colour(), high_contrast_)
                                      : GetSysColor(COLOR_BTNTEXT));
    SetBkColor(dc, face_colour());
    return reinterpret_cast<LRESULT>(face_brush());
}

void MainWindow::show_search_area() {
    if (form_ == nullptr) {
        return;
    }
    const bool visible = form_->search_area.visible();
    const Controls& c = controls_;
    std::vector<HWND> parts{c.Frame1[date_panel],
                            c.Frame1[name_panel],
                            c.Option1,
                            c.Option2,
                            c.Combo1[month_list],
                            c.Combo1[day_list],
                            c.Combo2,
                            c.Frame2,
                            c.Frame3,
                            c.Command1,
                            c.Command2};
    parts.insert(parts.end(), name_labels_.begin(), name_labels_.end());
    for (HWND part : parts) {
        ShowWindow(part, visible ? SW_SHOWNA : SW_HIDE);
    }
    show_label(c.Label2, form_->Label2, Property::visible, visible);
    show_label(c.Label3, form_->Label3, Property::visible, visible);
    show_label(c.Label4, form_->Label4, Property::visible, visible);

    // The keyboard needs a control to land on: the first of the order that
    // can take it once the panels show, none of them once they hide.
    HWND focus = GetFocus();
    if (!visible) {
        if (owns(focus) && focus != window_ && IsWindowVisible(focus) == FALSE) {
            SetFocus(window_);
        }
        if (last_focus_ != nullptr && IsWindowVisible(last_focus_) == FALSE) {
            last_focus_ = nullptr;
        }
        return;
    }
    if (owns(focus) && focus != window_) {
        return;
    }
    for (HWND control : {c.Option1, c.Option2, c.Combo1[month_list], c.Combo1[day_list], c.Combo2,
                         c.Command1, c.Command2}) {
        if (can_take_focus(control)) {
            if (GetActiveWindow() == window_) {
                SetFocus(control);
            } else {
                last_focus_ = control;
            }
            return;
        }
    }
}

void MainWindow::option_clicked(int which) {
    run([&] {
        // Windows leaves a plain option button as it was; clicked, it is on
        // before its handler runs, as the logic expects.
        if (which == 1) {
            form_->Option1.set_value(true);
            form_->Option1_Click();
        } else {
            form_->Option2.set_value(true);
            form_->Option2_Click();
        }
    });
}

// The lists' validation: when the focus moves on to another control of the
// window, not when the window loses the focus to another, and not when a
// running handler moves it (a message box, a list disabled).
void MainWindow::leaving_list(int index, HWND combo, HWND next_focus) {
    if (running_ > 0 || !owns(next_focus) || next_focus == combo ||
        IsChild(combo, next_focus) != FALSE) {
        return;
    }
    run([&] {
        bool cancel = false;
        form_->Combo1_Validate(index, cancel);
    });
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

void MainWindow::press(HWND button) {
    SendMessageW(window_, WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(button), BN_CLICKED),
                 reinterpret_cast<LPARAM>(button));
}

// Enter anywhere in the window that does not take it itself presses the
// search button, as a dialog's default button would; on the exit button it
// presses that one. An open list takes it: it picks the item.
bool MainWindow::press_enter() {
    HWND focus = GetFocus();
    for (const auto& binding : combo_bindings_) {
        HWND combo = binding->widget();
        if ((focus == combo || IsChild(combo, focus) != FALSE) && binding->dropped_down()) {
            return false;
        }
    }
    if (focus == controls_.Command2) {
        press(controls_.Command2);
    } else if (can_take_focus(controls_.Command1)) {
        press(controls_.Command1);
    }
    return true;
}

bool MainWindow::take_key(const MSG& message) {
    if (form_ == nullptr || ended_ || !owns(message.hwnd)) {
        return false;
    }
    const bool down = message.message == WM_KEYDOWN || message.message == WM_SYSKEYDOWN;
    const bool up = message.message == WM_KEYUP || message.message == WM_SYSKEYUP;
    if (!down && !up) {
        return false;
    }
    const bool shift = GetKeyState(VK_SHIFT) < 0;
    const bool control = GetKeyState(VK_CONTROL) < 0;
    const bool alt = GetKeyState(VK_MENU) < 0;
    const bool plain = !shift && !control && !alt;
    switch (message.wParam) {
    case VK_F1:
        if (down && plain) {
            run([this] { form_->tart_Click(); });
        }
        return plain;
    // The menu keys: released, Windows would open a text field's own menu.
    case VK_APPS:
        if (down) {
            run([this] { form_->open_menu_from_keyboard(); });
        }
        return true;
    case VK_F10:
        if (shift && !control && !alt) {
            if (down) {
                run([this] { form_->open_menu_from_keyboard(); });
            }
            return true;
        }
        return false;
    case VK_RETURN:
        return down && !alt && press_enter();
    default:
        return false;
    }
}

} // namespace halvora::win32
