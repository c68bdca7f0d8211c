// The Windows binding in the program's own process: what the real-window test
// cannot see from outside. Units and system readings; the menu's check marks
// and bold item (a menu is its own process's to read); the labels' colours;
// the resize raised inside the setting call, and a drag told once, when it
// ends; the keyboard's place; clicks pressed and released; the about box's
// keys; nothing running once the program ends; what a tick repaints; the
// native lists item for item.
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

#include <climits>
#include <map>
#include <string>
#include <utility>
#include <vector>

namespace halvora::win32 {
namespace {

// The items of a menu: "+" checked, "*" the default, "-" a separator, a
// submenu's items behind ">".
std::string menu_text(HMENU menu) {
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
            text += ">" + menu_text(sub);
        }
        text += "|";
    }
    return text;
}

// The menu as it shows while open: read, then closed, by a timer of the
// menu's own loop.
std::string open_menu(PopupMenu& popup) {
    static std::string seen;
    static HMENU menu = nullptr;
    seen.clear();
    menu = popup.menu();
    const UINT_PTR timer = SetTimer(nullptr, 0, 20, [](HWND, UINT, UINT_PTR, DWORD) {
        if (seen.empty() && FindWindowW(L"#32768", nullptr) != nullptr) {
            seen = menu_text(menu);
            EndMenu();
        }
    });
    popup.open(platform::MenuItemId::mini, platform::MenuAnchor::focus);
    KillTimer(nullptr, timer);
    return seen;
}

// Runs what Windows has queued, as the message loop would between events.
void pump() {
    MSG message{};
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE) != FALSE) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
}

std::string text_of(HWND window) {
    return narrow(window_text(window));
}

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
    EXPECT_EQ(widen("a\xff"), L"a\ufffd"); // not UTF-8
    EXPECT_EQ(narrow(std::wstring(L"x") + wchar_t{0xD800}), "x\xEF\xBF\xBD");
    EXPECT_FALSE(narrow_exactly(std::wstring(L"C:\\") + wchar_t{0xDC00}).has_value());
}

TEST(System, RegionalNamesAndTheProgramsFolder) {
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
    const auto directory = RunningProgram{}.directory();
    ASSERT_TRUE(directory.has_value());
    EXPECT_NE(directory->back(), '\\');
}

// What the real-window test cannot make: a folder, and a name that Windows
// would cut short, as the help file.
TEST(Help, NamesThatAreNoFile) {
    wchar_t folder[MAX_PATH] = {};
    GetTempPathW(MAX_PATH, folder);
    for (const std::string& file : {narrow(folder), narrow(folder) + std::string("a\0b", 3)}) {
        fakes::FakeSystem messages;
        HelpViewer viewer{messages, nullptr};
        viewer.set_help_file(file);
        viewer.show_help();
        EXPECT_EQ(messages.log, std::vector<std::string>{
                                    "Halvora 48: " + std::string(help::message_not_found) + file});
    }
}

class Window : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(program.start(SW_SHOWNORMAL));
        SetForegroundWindow(main());
        // The search panels come when nothing else waits, as in the program's loop.
        for (int waited = 0; !program.window().search_panels_built() && waited < 5000;
             waited += 10) {
            MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
            pump();
        }
        ASSERT_TRUE(program.window().search_panels_built());
    }
    [[nodiscard]] HWND main() const { return program.window().handle(); }
    [[nodiscard]] const MainWindow::Controls& controls() const {
        return program.window().controls();
    }
    [[nodiscard]] Form1& form() const { return program.form(); }
    [[nodiscard]] COLORREF colour_of(HWND label) const {
        HDC dc = CreateCompatibleDC(nullptr);
        SendMessageW(main(), WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc),
                     reinterpret_cast<LPARAM>(label));
        const COLORREF colour = GetTextColor(dc);
        DeleteDC(dc);
        return colour;
    }

    Program program;
};

// The window shows its today panel first; chosen before the rest has been
// made, "Keresés" finds its panels made, filled, in sight, and the keyboard
// on the first of them.
TEST(Start, SearchChosenAtOnceFindsItsPanels) {
    Program program;
    ASSERT_TRUE(program.start(SW_SHOWNORMAL));
    SetForegroundWindow(program.window().handle());
    program.form().teljes_Click();
    const MainWindow::Controls& c = program.window().controls();
    ASSERT_NE(c.Combo2, nullptr);
    const struct {
        HWND list;
        const ComboBox& logic;
    } lists[] = {{c.Combo1[month_list], program.form().Combo1[month_list]},
                 {c.Combo1[day_list], program.form().Combo1[day_list]},
                 {c.Combo2, program.form().Combo2}};
    for (const auto& [list, logic] : lists) {
        EXPECT_NE(IsWindowVisible(list), FALSE);
        EXPECT_EQ(SendMessageW(list, CB_GETCOUNT, 0, 0),
                  static_cast<LRESULT>(logic.items().size()));
        EXPECT_EQ(text_of(list), logic.text());
    }
    EXPECT_EQ(text_of(c.Option1), program.form().Option1.caption());
    EXPECT_EQ(GetFocus(), c.Option1);
}

TEST_F(Window, MenuMarksTheModeAndShowsNormalInBold) {
    const std::string rest = "-|Súgó>Tartalom|Tárgymutató|Keresés||Névjegy|Kilépés|";
    const struct {
        void (Form1::*choose)();
        std::string modes;
    } cases[] = {{&Form1::teljes_Click, "Csak címsor|*Normál|+Keresés|"},
                 {&Form1::cimsor_Click, "+Csak címsor|*Normál|Keresés|"},
                 {&Form1::mini_Click, "Csak címsor|+*Normál|Keresés|"}};
    for (const auto& c : cases) {
        (form().*c.choose)();
        if (form().nezet != "cimsor" && c.choose == &Form1::cimsor_Click) {
            continue; // a title bar higher than the mode allows: the today panel's mode
        }
        EXPECT_EQ(open_menu(program.popup_menu()), c.modes + rest);
    }
}

TEST_F(Window, LabelsInTheirColours) {
    const MainWindow::Controls& c = controls();
    EXPECT_EQ(colour_of(c.Label1[names_label]), RGB(255, 0, 0));
    EXPECT_EQ(colour_of(c.Label1[year_label]), RGB(0, 0, 0));
    EXPECT_EQ(colour_of(c.Label2), RGB(0, 0, 255));
    EXPECT_EQ(colour_of(c.Label3), RGB(0, 0, 255));
    SendMessageW(main(), WM_TIMER, 1, 0);
    const Colour title = form().Label4.colour();
    EXPECT_EQ(colour_of(c.Label4), RGB(title.red, title.green, title.blue));
}

// The logic's own sizes raise the resize inside the setting call, only when
// the size really changes; a drag raises it once, when the user lets go, and
// a move alone not at all.
TEST_F(Window, ResizesAreToldOnceAndInTime) {
    int resizes = 0;
    program.frame().set_resize_listener([&] { ++resizes; });
    program.frame().set_height(1500);
    program.frame().set_height(1500);
    program.frame().set_left(3000);
    EXPECT_EQ(resizes, 1);
    program.frame().set_height(0); // the least the system allows: the title bar alone
    EXPECT_EQ(resizes, 2);
    EXPECT_LT(program.frame().height(), 900);

    resizes = 0;
    SendMessageW(main(), WM_ENTERSIZEMOVE, 0, 0);
    for (const int height : {120, 160}) {
        SetWindowPos(main(), nullptr, 0, 0, 400, height,
                     SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
    EXPECT_EQ(resizes, 0);
    SendMessageW(main(), WM_EXITSIZEMOVE, 0, 0);
    EXPECT_EQ(resizes, 1);
    SendMessageW(main(), WM_ENTERSIZEMOVE, 0, 0);
    SetWindowPos(main(), nullptr, 10, 50, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    SendMessageW(main(), WM_EXITSIZEMOVE, 0, 0);
    EXPECT_EQ(resizes, 1);
}

// The search panels show with a control ready for the keyboard: the first of
// the order, unless one already has it; hidden, none of them keeps it. Tab
// passes the lists that are disabled.
TEST_F(Window, TheKeyboardFindsItsPlace) {
    const MainWindow::Controls& c = controls();
    SetFocus(main());
    form().teljes_Click();
    EXPECT_EQ(GetFocus(), c.Option1);
    SetFocus(c.Command2);
    form().teljes_Click();
    EXPECT_EQ(GetFocus(), c.Command2);
    form().mini_Click();
    EXPECT_EQ(GetFocus(), main());
    form().teljes_Click();
    form().Option2_Click();
    std::vector<HWND> order{c.Option1};
    for (HWND at = GetNextDlgTabItem(main(), c.Option1, FALSE); at != c.Option1 && order.size() < 9;
         at = GetNextDlgTabItem(main(), at, FALSE)) {
        order.push_back(at);
    }
    EXPECT_EQ(order, (std::vector<HWND>{c.Option1, c.Option2, c.Combo2, c.Command1, c.Command2}));
}

// The running title: pressed and released over it, a click; released
// elsewhere, none; a double click, one. A label lets the mouse through, so
// Windows gives its button messages to the window, at the window's points.
TEST_F(Window, AClickIsAPressAndAReleaseOverIt) {
    form().teljes_Click();
    RECT title{};
    GetWindowRect(controls().Label4, &title);
    MapWindowPoints(nullptr, main(), reinterpret_cast<POINT*>(&title), 2);
    const LPARAM over = MAKELPARAM(title.left + 3, title.top + 3);
    const LPARAM below = MAKELPARAM(title.left + 3, title.bottom + 40);
    using Mouse = std::pair<UINT, LPARAM>;
    const Mouse press{WM_LBUTTONDOWN, over};
    const Mouse release{WM_LBUTTONUP, over};
    const Mouse release_below{WM_LBUTTONUP, below};
    const Mouse second_press{WM_LBUTTONDBLCLK, over};
    const Mouse right_press{WM_RBUTTONDOWN, over};
    const struct {
        std::vector<Mouse> mouse;
        int clicks;
    } cases[] = {{{press, release}, 1},
                 {{press, release_below}, 0},
                 {{press, release, second_press, release}, 1},
                 {{right_press, release}, 0}};
    for (const auto& [mouse, clicks] : cases) {
        const bool running = form().villogas;
        for (const auto& [message, at] : mouse) {
            SendMessageW(main(), message, message == WM_LBUTTONUP ? 0 : MK_LBUTTON, at);
        }
        EXPECT_EQ(form().villogas, (clicks % 2 == 1) != running) << clicks;
    }
}

// A click on the margin leaves the about box; Névjegy again keeps it where it
// is; Esc closes it, and it goes once its message has been handled.
TEST_F(Window, AboutBoxKeys) {
    form().nevjegy_Click();
    HWND box = program.about_view().window();
    ASSERT_NE(box, nullptr);
    SendMessageW(box, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(2, 100));
    SendMessageW(box, WM_LBUTTONUP, 0, MAKELPARAM(2, 100));
    form().nevjegy_Click();
    EXPECT_EQ(program.about_view().window(), box);
    SendMessageW(box, WM_KEYDOWN, VK_ESCAPE, 0);
    EXPECT_EQ(form().about_box(), nullptr);
    EXPECT_EQ(IsWindowVisible(box), FALSE);
    MSG message{};
    while (PeekMessageW(&message, box, 0, 0, PM_REMOVE) != FALSE) {
        DispatchMessageW(&message);
    }
    EXPECT_EQ(IsWindow(box), FALSE);
}

TEST_F(Window, NothingRunsOnceTheProgramEnds) {
    form().kilep_Click();
    EXPECT_EQ(IsWindowVisible(main()), FALSE);
    const auto position = form().pozicio;
    SendMessageW(main(), WM_TIMER, 1, 0);
    EXPECT_EQ(form().pozicio, position);
    MSG message{};
    EXPECT_NE(PeekMessageW(&message, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE), FALSE);
}

// The native lists follow the logic's, item for item, with their text and
// chosen item: filled at the start, and fitted to each month, shorter and
// longer, as leaving the month list does.
TEST_F(Window, ListsFollowTheLogicsItems) {
    const auto same = [](HWND native, const ComboBox& logic, const std::string& why) {
        ASSERT_EQ(SendMessageW(native, CB_GETCOUNT, 0, 0), logic.count()) << why;
        for (int i = 0; i < logic.count(); ++i) {
            wchar_t item[64] = {};
            SendMessageW(native, CB_GETLBTEXT, static_cast<WPARAM>(i),
                         reinterpret_cast<LPARAM>(item));
            ASSERT_EQ(narrow(item), logic.item(i)) << why << ", item " << i;
        }
        EXPECT_EQ(text_of(native), logic.text()) << why;
        EXPECT_EQ(SendMessageW(native, CB_GETCURSEL, 0, 0), logic.list_index()) << why;
    };
    same(controls().Combo2, form().Combo2, "names");
    same(controls().Combo1[month_list], form().Combo1[month_list], "months");
    for (const char* month : {"február", "március", "április", "február", "december", "június"}) {
        form().Combo1[month_list].set_text(month);
        bool cancel = false;
        form().Combo1_Validate(month_list, cancel);
        same(controls().Combo1[day_list], form().Combo1[day_list], month);
    }
}

// Counts the paints of each of the window's controls: each asks the window
// for its colours whenever it paints.
class PaintCounter {
public:
    explicit PaintCounter(HWND window)
        : window_(window) {
        SetWindowSubclass(window_, count, 1, reinterpret_cast<DWORD_PTR>(this));
    }
    ~PaintCounter() { RemoveWindowSubclass(window_, count, 1); }
    PaintCounter(const PaintCounter&) = delete;
    PaintCounter& operator=(const PaintCounter&) = delete;

    std::map<HWND, int> paints;

private:
    static LRESULT CALLBACK count(HWND window, UINT message, WPARAM wparam, LPARAM lparam,
                                  UINT_PTR /*id*/, DWORD_PTR self) {
        if (message == WM_CTLCOLORSTATIC || message == WM_CTLCOLORBTN) {
            ++reinterpret_cast<PaintCounter*>(self)->paints[reinterpret_cast<HWND>(lparam)];
        }
        return DefSubclassProc(window, message, wparam, lparam);
    }
    HWND window_;
};

// A tick repaints what it changed, once, and nothing else: the running title
// when it runs in sight; in the today panel's modes, and with the title
// stopped, nothing (the today panel at most once, when the minute or the day
// turns). A label out of sight gets its text when it shows.
TEST_F(Window, ATickRepaintsOnlyWhatChanged) {
    program.window().stop_timer(); // only the ticks sent here
    const struct {
        void (Form1::*mode)();
        bool running;
        int title_paints; // per tick
    } cases[] = {{&Form1::teljes_Click, true, 1},
                 {&Form1::teljes_Click, false, 0},
                 {&Form1::mini_Click, true, 0},
                 {&Form1::cimsor_Click, true, 0}};
    constexpr int ticks = 20; // past the title's last step, where it starts again
    for (const auto& c : cases) {
        (form().*c.mode)();
        form().villogas = c.running;
        SendMessageW(main(), WM_TIMER, 1, 0);
        pump();
        PaintCounter counter{main()};
        for (int tick = 0; tick < ticks; ++tick) {
            SendMessageW(main(), WM_TIMER, 1, 0);
            pump();
        }
        const std::string mode = form().nezet + (c.running ? ", running" : ", stopped");
        EXPECT_EQ(counter.paints[controls().Label4], c.title_paints * ticks) << mode;
        counter.paints.erase(controls().Label4);
        for (HWND today : controls().Label1) {
            EXPECT_LE(counter.paints[today], 1) << mode << ": control " << GetDlgCtrlID(today);
            counter.paints.erase(today);
        }
        for (const auto& [control, paints] : counter.paints) {
            EXPECT_EQ(paints, 0) << mode << ": control " << GetDlgCtrlID(control);
        }
    }
    // Out of sight the title was told nothing; it shows what it has come to.
    form().teljes_Click();
    EXPECT_EQ(text_of(controls().Label4), form().Label4.text());

    // The timer's own ticks, which the window's procedure never sees, reach the logic.
    const auto step = form().pozicio;
    program.window().start_timer();
    for (int waited = 0; waited < 2000 && form().pozicio == step; waited += 10) {
        Sleep(10);
        pump();
    }
    EXPECT_NE(form().pozicio, step);
    EXPECT_EQ(text_of(controls().Label4), form().Label4.text());
}

} // namespace
} // namespace halvora::win32
