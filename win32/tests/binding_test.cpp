// The Windows binding in the program's own process: its units and system
// readings, and the window's controls as the user drives them, read back from
// Windows. Every rule is the logic's and tested there; here what carries it.
// The real program, seen from outside, is the real-window test's.
#include <halvora/help/help.h>
#include <halvora/mainwindow/form1.h>
#include <halvora/platform/fakes.h>
#include <halvora/win32/about_view.h>
#include <halvora/win32/dialogs.h>
#include <halvora/win32/main_window.h>
#include <halvora/win32/popup_menu.h>
#include <halvora/win32/program.h>
#include <halvora/win32/scale.h>
#include <halvora/win32/system.h>
#include <halvora/win32/text.h>
#include <halvora/win32/window_frame.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

namespace halvora::win32 {
namespace {

using platform::MenuAnchor;
using platform::MenuItemId;

std::string text_of(HWND window) {
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(
        GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
    return narrow(text);
}

RECT rect_of(HWND window) {
    RECT rect{};
    GetWindowRect(window, &rect);
    return rect;
}

// Runs what Windows has queued, as the message loop would between events.
void pump() {
    MSG message{};
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE) != FALSE) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
}

// While it lives, answers whatever opens modally, as a user would: a message
// box is noted and confirmed; an open popup menu is noted item by item ("+"
// checked, "*" the default, ">" a submenu) and closed.
class Answerer {
public:
    Answerer() {
        current_ = this;
        timer_ = SetTimer(nullptr, 0, 20, tick);
    }
    ~Answerer() {
        KillTimer(nullptr, timer_);
        current_ = nullptr;
    }
    Answerer(const Answerer&) = delete;
    Answerer& operator=(const Answerer&) = delete;

    std::vector<std::string> seen;
    HMENU menu = nullptr;

private:
    static void CALLBACK tick(HWND /*window*/, UINT /*message*/, UINT_PTR /*id*/, DWORD /*time*/) {
        if (current_ != nullptr) {
            current_->answer();
        }
    }

    void answer() {
        EnumThreadWindows(
            GetCurrentThreadId(),
            [](HWND window, LPARAM self) -> BOOL {
                wchar_t type[32] = {};
                GetClassNameW(window, type, 32);
                if (std::wstring_view{type} == L"#32770" && IsWindowVisible(window) != FALSE) {
                    auto& answerer = *reinterpret_cast<Answerer*>(self);
                    std::string noted = text_of(window) + ":";
                    for (HWND part = GetWindow(window, GW_CHILD); part != nullptr;
                         part = GetWindow(part, GW_HWNDNEXT)) {
                        GetClassNameW(part, type, 32);
                        if (std::wstring_view{type} == L"Static" && !text_of(part).empty()) {
                            noted += " " + text_of(part);
                        }
                    }
                    answerer.seen.push_back(noted);
                    PostMessageW(window, WM_COMMAND, IDOK, 0);
                }
                return TRUE;
            },
            reinterpret_cast<LPARAM>(this));
        if (menu != nullptr && GetMenuItemCount(menu) > 0 &&
            FindWindowW(L"#32768", nullptr) != nullptr) {
            seen.push_back(menu_text(menu));
            menu = nullptr;
            EndMenu();
        }
    }

    static std::string menu_text(HMENU menu) {
        std::string text;
        const UINT default_item = GetMenuDefaultItem(menu, FALSE, 0);
        for (int i = 0; i < GetMenuItemCount(menu); ++i) {
            const UINT state = GetMenuState(menu, static_cast<UINT>(i), MF_BYPOSITION);
            wchar_t caption[64] = {};
            GetMenuStringW(menu, static_cast<UINT>(i), caption, 64, MF_BYPOSITION);
            text += (state & MF_CHECKED) != 0 ? "+" : "";
            text += GetMenuItemID(menu, i) == default_item ? "*" : "";
            text += (state & MF_SEPARATOR) != 0 ? "-" : narrow(caption);
            if (HMENU sub = GetSubMenu(menu, i); sub != nullptr) {
                text += " >" + menu_text(sub);
            }
            text += "|";
        }
        return text;
    }

    static inline Answerer* current_ = nullptr;
    UINT_PTR timer_;
};

TEST(Units, TwipsAtEachResolution) {
    const struct {
        int dpi, twips, px;
    } cases[] = {{96, 900, 60},
                 {96, -80, -5},
                 {96, 7, 0},
                 {120, 900, 75},
                 {144, 6000, 600},
                 {0, 900, 60},
                 {96, INT_MAX, 1 << 24},
                 {96, INT_MIN, -(1 << 24)}};
    for (const auto& c : cases) {
        const Scale scale{c.dpi};
        EXPECT_EQ(scale.px(c.twips), c.px) << c.dpi << " " << c.twips;
        if (c.twips > -1000000 && c.twips < 1000000) {
            EXPECT_LE(std::abs(scale.twips(c.px) - c.twips), 1440 / scale.dpi()) << c.twips;
        }
    }
}

TEST(Units, TextsBetweenUtf8AndWindows) {
    EXPECT_EQ(widen("Hétfõ ™"), L"H\u00e9tf\u00f5 \u2122");
    EXPECT_EQ(narrow(L"Lõrinc \u0151"), "Lõrinc ő");
    EXPECT_EQ(widen("a\xff"
                    "b"),
              L"a\ufffdb"); // not UTF-8
    EXPECT_EQ(narrow(std::wstring(L"x") + wchar_t{0xD800}), "x\xEF\xBF\xBD");
    EXPECT_FALSE(narrow_exactly(std::wstring(L"C:\\") + wchar_t{0xDC00}).has_value());
    EXPECT_EQ(narrow_exactly(L"C:\\Halvóra").value_or("none"), "C:\\Halvóra");
    EXPECT_EQ(widen(""), L"");
}

TEST(System, RegionalNamesOfALocale) {
    const struct {
        const wchar_t* locale;
        const char *january, *monday;
    } cases[] = {{L"hu-HU", "január", "hétfő"},
                 {L"en-US", "January", "Monday"},
                 {L"de-DE", "Januar", "Montag"}};
    for (const auto& c : cases) {
        const RegionalSettings& names = SystemRegional{c.locale}.settings();
        EXPECT_EQ(names.month_names[0], c.january);
        EXPECT_EQ(names.weekday_names[0], c.monday);
        EXPECT_EQ(names.time_separator, ":");
    }
}

TEST(System, ClockAndDirectory) {
    const Moment now = SystemClock{}.now();
    SYSTEMTIME local{};
    GetLocalTime(&local);
    EXPECT_EQ(now.year, local.wYear);
    EXPECT_EQ((now.weekday + 1) % 7, local.wDayOfWeek); // Monday first, Sunday first
    const auto directory = RunningProgram{}.directory();
    ASSERT_TRUE(directory.has_value());
    EXPECT_NE(directory->back(), '\\');
    EXPECT_NE(directory->find(":\\"), std::string::npos);
}

// The help file goes to whatever opens its kind; what cannot be opened is said
// with its path, in the program's own words.
TEST(Help, MissingUnreadableOrUnopenedFiles) {
    wchar_t folder[MAX_PATH] = {};
    GetTempPathW(MAX_PATH, folder);
    const std::string temp = narrow(folder);
    const std::string nothing_opens = temp + "halvora-test.halvora-unknown";
    std::ofstream{std::filesystem::path{widen(nothing_opens)}} << "x";
    const struct {
        std::string file;
        std::string_view said;
    } cases[] = {{temp + "halvora-none\\tartalom.hlp", help::message_not_found},
                 {temp, help::message_not_found},
                 {temp + std::string("a\0b", 3), help::message_not_found},
                 {nothing_opens, help::message_not_opened}};
    for (const auto& c : cases) {
        fakes::FakeSystem messages;
        HelpViewer viewer{messages, nullptr};
        viewer.set_help_file(c.file);
        viewer.set_help_command(help::command_finder);
        viewer.show_help();
        ASSERT_EQ(messages.log.size(), 1U) << c.file;
        EXPECT_EQ(messages.log[0], "Halvora 48: " + std::string(c.said) + c.file);
        EXPECT_EQ(viewer.help_command(), help::command_finder);
    }
    DeleteFileW(widen(nothing_opens).c_str());
}

class Window : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(program.start(SW_SHOWNORMAL));
        SetForegroundWindow(main());
        pump();
    }
    [[nodiscard]] HWND main() const { return program.window().handle(); }
    [[nodiscard]] const MainWindow::Controls& controls() const {
        return program.window().controls();
    }
    [[nodiscard]] Form1& form() const { return program.form(); }
    // The system's own answer: the window rectangle, in twips at its resolution.
    [[nodiscard]] RECT outer_twips() const {
        const Scale scale = Scale::of(main());
        const RECT px = rect_of(main());
        return RECT{scale.twips(px.left), scale.twips(px.top), scale.twips(px.right - px.left),
                    scale.twips(px.bottom - px.top)};
    }
    [[nodiscard]] COLORREF colour_of(HWND label) const {
        HDC dc = CreateCompatibleDC(nullptr);
        SendMessageW(main(), WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc),
                     reinterpret_cast<LPARAM>(label));
        const COLORREF colour = GetTextColor(dc);
        DeleteDC(dc);
        return colour;
    }
    // A user's keys, as the message loop hands them on.
    void key(HWND target, WPARAM key) {
        MSG message{target, WM_KEYDOWN, key, 0, 0, {}};
        if (!program.window().take_key(message)) {
            SendMessageW(target, WM_KEYDOWN, key, 0);
        }
        pump();
    }
    void type(HWND target, const std::wstring& text) {
        for (const wchar_t c : text) {
            SendMessageW(target, WM_CHAR, c, 0);
        }
        pump();
    }
    static HWND edit_of(HWND combo) {
        COMBOBOXINFO parts{};
        parts.cbSize = sizeof parts;
        GetComboBoxInfo(combo, &parts);
        return parts.hwndItem;
    }
    void click(HWND button) {
        SendMessageW(button, BM_CLICK, 0, 0);
        pump();
    }

    Program program;
};

TEST_F(Window, StartsInTheTodayPanelsModeAtTheTopCentre) {
    const RECT outer = outer_twips();
    const Scale scale = Scale::of(main());
    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    GetMonitorInfoW(MonitorFromWindow(main(), MONITOR_DEFAULTTONEAREST), &monitor);
    const int screen = scale.twips(monitor.rcMonitor.right - monitor.rcMonitor.left);
    EXPECT_EQ(outer.bottom, 900);
    EXPECT_EQ(outer.right, 6000);
    EXPECT_EQ(outer.top, 0);
    EXPECT_LE(std::abs(outer.left - (screen - 6000) / 2), 15);
    EXPECT_EQ(text_of(main()), "Halvora");
    // Only the today panel shows; nothing of the search panels can take the keyboard.
    EXPECT_NE(IsWindowVisible(controls().Label1[names_label]), FALSE);
    for (HWND hidden : {controls().Option1, controls().Combo2, controls().Command1,
                        controls().Label4, controls().Frame1[date_panel]}) {
        EXPECT_EQ(IsWindowVisible(hidden), FALSE);
    }
    EXPECT_EQ(text_of(controls().Label1[names_label]), form().Label1[names_label].text());
    EXPECT_EQ(colour_of(controls().Label1[names_label]), RGB(255, 0, 0));
    EXPECT_EQ(colour_of(controls().Label2), RGB(0, 0, 255));
    EXPECT_EQ(colour_of(controls().Label1[year_label]), RGB(0, 0, 0));
    EXPECT_EQ(SendMessageW(controls().Combo2, CB_GETCOUNT, 0, 0), 436);
    EXPECT_EQ(text_of(controls().Combo1[day_list]), " 1");
}

// Each mode through its menu item: the size the system reports, the caption,
// the check marks the menu carries and its bold default item.
TEST_F(Window, ViewModesAndTheirMenu) {
    const struct {
        void (Form1::*choose)();
        int height; // 0: the title bar alone, where the system allows so little
    } cases[] = {
        {&Form1::teljes_Click, 4500}, {&Form1::cimsor_Click, 0}, {&Form1::mini_Click, 900}};
    for (const auto& c : cases) {
        (form().*c.choose)();
        pump();
        const RECT outer = outer_twips();
        const std::string& mode = form().nezet;
        if (c.height == 0) {
            EXPECT_EQ(mode, outer.bottom <= 410 ? "cimsor" : "mini");
        } else {
            EXPECT_EQ(outer.bottom, c.height);
        }
        EXPECT_EQ(outer.top, 0);
        EXPECT_EQ(text_of(main()), mode == "cimsor" ? form().cimsorszoveg() : "Halvora");
        Answerer answerer;
        answerer.menu = program.popup_menu().menu();
        program.popup_menu().open(MenuItemId::mini, MenuAnchor::focus);
        const std::string modes = mode == "cimsor" ? "+Csak címsor|*Normál|Keresés|"
                                  : mode == "mini" ? "Csak címsor|+*Normál|Keresés|"
                                                   : "Csak címsor|*Normál|+Keresés|";
        EXPECT_EQ(answerer.seen,
                  std::vector<std::string>{
                      modes + "-|Súgó >Tartalom|Tárgymutató|Keresés||Névjegy|Kilépés|"});
    }
}

// The search panels show with a control ready for the keyboard: the first of
// the order, unless one already has it; hidden, none of them keeps it.
TEST_F(Window, TheKeyboardFindsItsPlace) {
    SetFocus(main());
    form().teljes_Click();
    pump();
    EXPECT_EQ(GetFocus(), controls().Option1);
    HWND day = edit_of(controls().Combo1[day_list]);
    SetFocus(day);
    form().teljes_Click();
    EXPECT_EQ(GetFocus(), day);
    form().mini_Click();
    EXPECT_EQ(GetFocus(), main());
    form().teljes_Click();
    EXPECT_EQ(GetFocus(), controls().Option1);

    // The tab order of the design, past the lists that are disabled.
    const MainWindow::Controls& c = controls();
    const struct {
        void (Form1::*panel)();
        std::vector<HWND> order;
    } panels[] = {
        {&Form1::Option1_Click,
         {c.Option1, c.Option2, c.Combo1[month_list], c.Combo1[day_list], c.Command1, c.Command2}},
        {&Form1::Option2_Click, {c.Option1, c.Option2, c.Combo2, c.Command1, c.Command2}},
    };
    for (const auto& panel : panels) {
        (form().*panel.panel)();
        std::vector<HWND> order{c.Option1};
        for (HWND at = GetNextDlgTabItem(main(), c.Option1, FALSE); at != c.Option1;
             at = GetNextDlgTabItem(main(), at, FALSE)) {
            order.push_back(at);
            ASSERT_LT(order.size(), 10U);
        }
        EXPECT_EQ(order, panel.order);
    }
}

// Typed texts reach the logic; leaving the month list fits the day list to
// it, as the native list then shows; Enter searches, each message is the
// program's warning box and empties what it names.
TEST_F(Window, SearchesFromTheKeyboard) {
    form().teljes_Click();
    pump();
    HWND month = edit_of(controls().Combo1[month_list]);
    HWND day = edit_of(controls().Combo1[day_list]);
    SetFocus(month);
    SetWindowTextW(month, L"");
    type(month, L"február");
    EXPECT_EQ(form().Combo1[month_list].text(), "február");
    SetFocus(day); // the month list validated on the way out
    pump();
    EXPECT_EQ(SendMessageW(controls().Combo1[day_list], CB_GETCOUNT, 0, 0), 28);
    SendMessageW(day, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L""));
    type(day, L"14");
    {
        Answerer answerer;
        key(day, VK_RETURN);
        EXPECT_TRUE(answerer.seen.empty());
    }
    EXPECT_EQ(text_of(controls().Label2), "Bálint, Valentin");
    type(day, L"5"); // "145"
    {
        Answerer answerer;
        key(day, VK_RETURN);
        EXPECT_EQ(answerer.seen, std::vector<std::string>{"Halvora: Ilyen nap nem létezik!"});
    }
    EXPECT_EQ(text_of(controls().Combo1[day_list]), "");
    EXPECT_EQ(text_of(controls().Label2), "");

    click(controls().Option2);
    EXPECT_NE(IsWindowEnabled(controls().Combo2), FALSE);
    EXPECT_EQ(IsWindowEnabled(controls().Combo1[month_list]), FALSE);
    EXPECT_EQ(text_of(controls().Combo1[month_list]), "");
    HWND name = edit_of(controls().Combo2);
    SetFocus(name);
    type(name, L"Lõrinc");
    {
        Answerer answerer;
        key(name, VK_RETURN);
        EXPECT_TRUE(answerer.seen.empty());
    }
    EXPECT_EQ(text_of(controls().Label3), " augusztus 10. szeptember 5.");
    // Picked from the list: the item's text, exactly.
    SendMessageW(controls().Combo2, CB_SETCURSEL, 0, 0);
    SendMessageW(main(), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(controls().Combo2), CBN_SELCHANGE),
                 reinterpret_cast<LPARAM>(controls().Combo2));
    EXPECT_EQ(form().Combo2.text(), "Abigél");
    SetWindowTextW(name, L"");
    SendMessageW(main(), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(controls().Combo2), CBN_EDITCHANGE),
                 reinterpret_cast<LPARAM>(controls().Combo2));
    Answerer answerer;
    click(controls().Command1);
    EXPECT_EQ(answerer.seen, std::vector<std::string>{"Halvora: Válassz nevet a listából!"});
}

// A drag of the border is left alone until the user lets go; then the mode's
// size comes back, once, at the top centre.
TEST_F(Window, ADragSpringsBackWhenItEnds) {
    int resizes = 0;
    program.frame().set_resize_listener([&] {
        ++resizes;
        form().Form_Resize();
    });
    const RECT before = rect_of(main());
    SendMessageW(main(), WM_ENTERSIZEMOVE, 0, 0);
    for (const int grow : {10, 30, 45}) {
        SetWindowPos(main(), nullptr, before.left, before.top + grow, before.right - before.left,
                     before.bottom - before.top + grow, SWP_NOZORDER | SWP_NOACTIVATE);
    }
    EXPECT_EQ(resizes, 0);
    EXPECT_EQ(rect_of(main()).bottom - rect_of(main()).top, before.bottom - before.top + 45);
    SendMessageW(main(), WM_EXITSIZEMOVE, 0, 0);
    EXPECT_GE(resizes, 1);
    const RECT after = rect_of(main());
    EXPECT_EQ(after.bottom - after.top, before.bottom - before.top);
    EXPECT_EQ(after.top, before.top);
    // Moving without resizing raises nothing.
    resizes = 0;
    SendMessageW(main(), WM_ENTERSIZEMOVE, 0, 0);
    SetWindowPos(main(), nullptr, 5, 50, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    SendMessageW(main(), WM_EXITSIZEMOVE, 0, 0);
    EXPECT_EQ(resizes, 0);
    EXPECT_EQ(rect_of(main()).top, 50);
}

// The logic's own sizes raise the resize inside the setting call, only when
// the size really changes.
TEST_F(Window, SizesSetRaiseTheResizeInsideTheCall) {
    int resizes = 0;
    program.frame().set_resize_listener([&] { ++resizes; });
    program.frame().set_height(1500);
    EXPECT_EQ(resizes, 1);
    EXPECT_EQ(outer_twips().bottom, 1500);
    program.frame().set_height(1500);
    program.frame().set_left(3000);
    EXPECT_EQ(resizes, 1);
    EXPECT_EQ(outer_twips().left, 3000);
    program.frame().set_height(0); // the least the system allows: the title bar alone
    EXPECT_EQ(resizes, 2);
    EXPECT_GT(outer_twips().bottom, 0);
    EXPECT_LT(outer_twips().bottom, 900);
}

TEST_F(Window, TheRunningTitleAndItsClick) {
    form().teljes_Click();
    for (int tick = 0; tick < 3; ++tick) {
        SendMessageW(main(), WM_TIMER, 1, 0);
    }
    EXPECT_EQ(text_of(controls().Label4), form().Label4.text());
    const Colour running = form().Label4.colour();
    EXPECT_EQ(colour_of(controls().Label4), RGB(running.red, running.green, running.blue));
    // Pressed and released over the title: a click; released elsewhere: none.
    const struct {
        LPARAM release;
        bool click;
    } presses[] = {{MAKELPARAM(3, 3), true}, {MAKELPARAM(900, 3), false}, {MAKELPARAM(3, 3), true}};
    for (const auto& press : presses) {
        const bool running_before = form().villogas;
        SendMessageW(controls().Label4, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(3, 3));
        SendMessageW(controls().Label4, WM_LBUTTONUP, 0, press.release);
        EXPECT_EQ(form().villogas, press.click ? !running_before : running_before);
    }
    form().Label4_Click();
    SendMessageW(main(), WM_TIMER, 1, 0);
    EXPECT_EQ(text_of(controls().Label4),
              form().villogas ? form().Label4.text() : "   Dorvanta ™   ");
}

// The about box beside the window's corner; a click on its contents closes
// it, one on its margin does not; Esc does what a click does.
TEST_F(Window, AboutBox) {
    form().nevjegy_Click();
    HWND box = program.about_view().window();
    ASSERT_NE(box, nullptr);
    const Scale scale = Scale::of(main());
    EXPECT_EQ(rect_of(box).left - rect_of(main()).left, scale.px(660));
    EXPECT_EQ(rect_of(box).top - rect_of(main()).top, scale.px(640));
    EXPECT_EQ(rect_of(box).right - rect_of(box).left, scale.px(4680));
    SendMessageW(box, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(2, 100)); // the margin
    SendMessageW(box, WM_LBUTTONUP, 0, MAKELPARAM(2, 100));
    EXPECT_EQ(program.about_view().window(), box);
    form().nevjegy_Click(); // open already: it stays where it is
    EXPECT_EQ(program.about_view().window(), box);
    std::vector<std::string> texts;
    for (HWND part = GetWindow(box, GW_CHILD); part != nullptr;
         part = GetWindow(part, GW_HWNDNEXT)) {
        texts.push_back(text_of(part));
    }
    EXPECT_NE(std::find(texts.begin(), texts.end(), "Version 1.0.0"), texts.end());
    EXPECT_NE(std::find(texts.begin(), texts.end(), "Halvora"), texts.end());
    SendMessageW(box, WM_KEYDOWN, VK_ESCAPE, 0);
    EXPECT_EQ(program.about_view().window(), nullptr);
    EXPECT_EQ(form().about_box(), nullptr);
    EXPECT_EQ(IsWindowVisible(box), FALSE);
    pump(); // it goes once its message is done
    EXPECT_EQ(IsWindow(box), FALSE);
}

TEST_F(Window, ExitEndsTheMessageLoop) {
    form().nevjegy_Click();
    HWND box = program.about_view().window();
    form().kilep_Click();
    EXPECT_EQ(IsWindowVisible(main()), FALSE);
    EXPECT_EQ(IsWindowVisible(box), FALSE);
    const auto ticks = form().pozicio;
    SendMessageW(main(), WM_TIMER, 1, 0); // nothing of the logic runs any more
    EXPECT_EQ(form().pozicio, ticks);
    MSG message{};
    EXPECT_NE(PeekMessageW(&message, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE), FALSE);
}

} // namespace
} // namespace halvora::win32
