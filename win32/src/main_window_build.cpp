// The main window's controls: made, placed and given their fonts.
#include <halvora/mainwindow/form1.h>
#include <halvora/mainwindow/layout.h>
#include <halvora/win32/control_ids.h>
#include <halvora/win32/main_window.h>
#include <halvora/win32/text.h>

#include <algorithm>
#include <cstddef>

namespace halvora::win32 {
namespace {

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

} // namespace

// Where the design puts each control at the window's scale; the options are
// made as wide as their captions once they have them.
struct MainWindow::Places {
    std::array<RECT, label1_count> Label1{};
    std::array<RECT, frame1_count> Frame1{};
    RECT Option1{};
    RECT Option2{};
    std::array<RECT, combo1_count> Combo1{};
    RECT Combo2{};
    RECT Frame2{};
    RECT Frame3{};
    RECT Label2{};
    RECT Label3{};
    RECT Command1{};
    RECT Label4{};
    RECT Command2{};

    explicit Places(const Scale& s) {
        for (std::size_t i = 0; i < Label1.size(); ++i) {
            Label1[i] = s.px(layout::Label1[i]);
        }
        const Rect& date = layout::Frame1[date_panel];
        const Rect& name = layout::Frame1[name_panel];
        Frame1 = {s.px(date), s.px(name)};
        const Rect frame2 = in_frame(date, layout::Frame2);
        const Rect frame3 = in_frame(name, layout::Frame3);
        Frame2 = s.px(frame2);
        Frame3 = s.px(frame3);
        Label2 = s.px(in_frame(frame2, layout::Label2));
        Label3 = s.px(in_frame(frame3, layout::Label3));
        // A list's height is that of its text field and its drop-down together.
        const auto list = [&s](const Rect& frame, const Rect& place) {
            RECT at = s.px(in_frame(frame, place));
            at.bottom += s.px(3000);
            return at;
        };
        Combo1 = {list(date, layout::Combo1[month_list]), list(date, layout::Combo1[day_list])};
        Combo2 = list(name, layout::Combo2);
        Option1 = s.px(in_frame(date, layout::Option1));
        Option2 = s.px(in_frame(name, layout::Option2));
        Command1 = s.px(layout::Command1);
        Label4 = s.px(layout::Label4);
        Command2 = s.px(layout::Command2);
    }
};

namespace {

HWND make_control(HWND window, const wchar_t* type, DWORD style, const RECT& place, HFONT font,
                  int id = 0, const wchar_t* text = L"") {
    HWND made = CreateWindowExW(0, type, text, WS_CHILD | WS_CLIPSIBLINGS | style, place.left,
                                place.top, place.right - place.left, place.bottom - place.top,
                                window, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                                GetModuleHandleW(nullptr), nullptr);
    SendMessageW(made, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    return made;
}

constexpr DWORD label_style = SS_LEFTNOWORDWRAP | SS_NOPREFIX;

} // namespace

// Each control is made at its place, with its font, in its place in the
// order: under wine each message to a control is a round trip to its server,
// and the first paint waits for those of the controls it shows. The window
// starts with the today panel alone; the search panels follow.
void MainWindow::build() {
    fonts_ = std::make_unique<Fonts>(scale_);
    const Places at{scale_};
    // Two of the today panel's labels overlap as designed (the month's and the
    // day's); the one further right lies above, so that each text shows from
    // its start and only a label's blank tail goes under its neighbour. Each
    // new control goes below those made before it.
    std::array<int, label1_count> by_left{};
    for (int i = 0; i < label1_count; ++i) {
        by_left[static_cast<std::size_t>(i)] = i;
    }
    std::ranges::sort(by_left, [](int a, int b) {
        return layout::Label1[static_cast<std::size_t>(a)].left >
               layout::Label1[static_cast<std::size_t>(b)].left;
    });
    for (const int i : by_left) {
        const auto index = static_cast<std::size_t>(i);
        controls_.Label1[index] = make_control(window_, WC_STATICW, WS_VISIBLE | label_style,
                                               at.Label1[index], fonts_->sans, label1_first_id + i);
    }
    SendMessageW(controls_.Label1[clock_label], WM_SETFONT,
                 reinterpret_cast<WPARAM>(fonts_->sans_bold), FALSE);
    for (const bool big : {true, false}) {
        const int size =
            system_metric(big ? SM_CXICON : SM_CXSMICON, static_cast<UINT>(scale_.dpi()));
        SendMessageW(window_, WM_SETICON, big ? ICON_BIG : ICON_SMALL,
                     reinterpret_cast<LPARAM>(program_icon(size)));
    }
}

// Out of sight, below the today panel's labels, which they do not overlap.
// Three editable lists take as long to make as all the rest of the window.
void MainWindow::build_search_panels() {
    if (search_panels_built_) {
        return;
    }
    search_panels_built_ = true;
    KillTimer(window_, build_timer_id);
    const Places at{scale_};
    const auto make = [&](const wchar_t* type, DWORD style, const RECT& place, int id = 0,
                          const wchar_t* text = L"") {
        return make_control(window_, type, style, place, fonts_->sans, id, text);
    };
    constexpr DWORD tab_stop = WS_TABSTOP | WS_GROUP;
    constexpr DWORD list = CBS_DROPDOWN | CBS_AUTOHSCROLL | WS_VSCROLL | tab_stop;
    Controls& c = controls_;
    // In the order of the keyboard's focus, which follows the order of the
    // controls; the frames last, below the controls drawn over them.
    c.Option1 = make(WC_BUTTONW, BS_RADIOBUTTON | tab_stop, at.Option1, option1_id);
    c.Option2 = make(WC_BUTTONW, BS_RADIOBUTTON | tab_stop, at.Option2, option2_id);
    for (HWND option : {c.Option1, c.Option2}) {
        SetWindowSubclass(option, tab_stop_always, 1, 0);
    }
    const std::array<int, 3> list_ids{month_list_id, day_list_id, name_list_id};
    const std::array<RECT, 3> list_places{at.Combo1[month_list], at.Combo1[day_list], at.Combo2};
    std::array<HWND, 3> lists{};
    for (std::size_t i = 0; i < lists.size(); ++i) {
        name_labels_.push_back(make(WC_STATICW, label_style, RECT{}, 0, list_names[i]));
        lists[i] = make(WC_COMBOBOXW, list, list_places[i], list_ids[i]);
        SendMessageW(lists[i], CB_SETMINVISIBLE, 12, 0);
    }
    c.Combo1 = {lists[0], lists[1]};
    c.Combo2 = lists[2];
    c.Command1 = make(WC_BUTTONW, BS_DEFPUSHBUTTON | tab_stop, at.Command1, command1_id);
    c.Command2 = make(WC_BUTTONW, BS_PUSHBUTTON | tab_stop, at.Command2, command2_id);
    c.Label2 = make(WC_STATICW, label_style, at.Label2, label2_id);
    c.Label3 = make(WC_STATICW, label_style, at.Label3, label3_id);
    // One line, centred: the running title is wider than its place at times.
    c.Label4 = make(WC_STATICW, SS_CENTER | SS_CENTERIMAGE | SS_NOPREFIX, at.Label4, label4_id);
    SendMessageW(c.Label4, WM_SETFONT, reinterpret_cast<WPARAM>(fonts_->serif_bold), FALSE);
    c.Frame2 = make(WC_BUTTONW, BS_GROUPBOX, at.Frame2, frame2_id);
    c.Frame3 = make(WC_BUTTONW, BS_GROUPBOX, at.Frame3, frame3_id);
    for (int i = 0; i < frame1_count; ++i) {
        const auto index = static_cast<std::size_t>(i);
        c.Frame1[index] = make(WC_BUTTONW, BS_GROUPBOX, at.Frame1[index], frame1_first_id + i);
    }
    if (form_ != nullptr) {
        bind_search_panels();
        show_search_area();
    }
}

// At once if the first view shows them; else by a timer, whose message comes
// only when nothing else waits, the first paint included.
void MainWindow::build_search_panels_soon() {
    if (form_ != nullptr && form_->search_area.visible()) {
        build_search_panels();
    } else if (!search_panels_built_) {
        SetTimer(window_, build_timer_id, USER_TIMER_MINIMUM, nullptr);
    }
}

void MainWindow::set_fonts() {
    for (HWND control = GetWindow(window_, GW_CHILD); control != nullptr;
         control = GetWindow(control, GW_HWNDNEXT)) {
        SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(fonts_->sans), TRUE);
    }
    SendMessageW(controls_.Label1[clock_label], WM_SETFONT,
                 reinterpret_cast<WPARAM>(fonts_->sans_bold), TRUE);
    if (controls_.Label4 != nullptr) {
        SendMessageW(controls_.Label4, WM_SETFONT, reinterpret_cast<WPARAM>(fonts_->serif_bold),
                     TRUE);
    }
}

void MainWindow::place_controls() {
    const Places at{scale_};
    const Controls& c = controls_;
    for (std::size_t i = 0; i < c.Label1.size(); ++i) {
        move(c.Label1[i], at.Label1[i]);
    }
    if (!search_panels_built_) {
        return;
    }
    for (std::size_t i = 0; i < c.Frame1.size(); ++i) {
        move(c.Frame1[i], at.Frame1[i]);
    }
    move(c.Frame2, at.Frame2);
    move(c.Frame3, at.Frame3);
    move(c.Label2, at.Label2);
    move(c.Label3, at.Label3);
    for (std::size_t i = 0; i < c.Combo1.size(); ++i) {
        move(c.Combo1[i], at.Combo1[i]);
    }
    move(c.Combo2, at.Combo2);
    move(c.Command1, at.Command1);
    move(c.Label4, at.Label4);
    move(c.Command2, at.Command2);
    fit_options();
}

// As wide as the caption needs, so it is never cut off and the frame's edge
// shows again after it; the frame is the limit.
void MainWindow::fit_options() {
    const Places at{scale_};
    const auto fit = [this](HWND option, RECT place, const Rect& frame) {
        HDC dc = GetDC(option);
        HGDIOBJ previous = SelectObject(dc, fonts_->sans);
        const std::wstring caption = window_text(option);
        SIZE text{};
        GetTextExtentPoint32W(dc, caption.c_str(), static_cast<int>(caption.size()), &text);
        SelectObject(dc, previous);
        ReleaseDC(option, dc);
        const int check = system_metric(SM_CXMENUCHECK, static_cast<UINT>(scale_.dpi()));
        const int wanted = check + scale_.px(90) + text.cx + 2;
        place.right = place.left + std::min(wanted, scale_.px(frame.width));
        move(option, place);
    };
    fit(controls_.Option1, at.Option1, layout::Frame1[date_panel]);
    fit(controls_.Option2, at.Option2, layout::Frame1[name_panel]);
}

} // namespace halvora::win32
