// halvora_baseline.exe: a plain Win32 window with Halvora's controls at their
// designed places, with its fonts, colours and starting view (the today
// panel alone, at the top of the screen, centred), and a 150 ms timer that
// does nothing. What any program with this window costs; the real program is
// measured against it. It takes the designed places and the timer's pace
// from the window's headers alone; no library of the program is linked.
#include <halvora/mainwindow/layout.h>
#include <halvora/mainwindow/window_state.h>

#include <windows.h>

#include <commctrl.h>

#include <array>
#include <cmath>
#include <string>

namespace {

namespace layout = halvora::layout;
using halvora::Rect;

// The starting view: the today panel alone.
constexpr int start_outer_height = 900;
constexpr UINT_PTR timer_id = 1;

int dpi = USER_DEFAULT_SCREEN_DPI;
HWND names = nullptr;
std::array<HWND, 2> results{};
HFONT sans = nullptr;

int px(int twips) {
    return static_cast<int>(std::lround(twips * dpi / 1440.0));
}

HFONT font(const wchar_t* face, double points, int weight) {
    LOGFONTW wanted{};
    wanted.lfHeight = -static_cast<int>(std::lround(points * dpi / 72.0));
    wanted.lfWeight = weight;
    wanted.lfCharSet = DEFAULT_CHARSET;
    wanted.lfQuality = CLEARTYPE_QUALITY;
    lstrcpynW(wanted.lfFaceName, face, LF_FACESIZE);
    return CreateFontIndirectW(&wanted);
}

HWND control(HWND parent, const wchar_t* type, DWORD style, const wchar_t* text, const Rect& place,
             int left = 0, int top = 0) {
    HWND made = CreateWindowExW(0, type, text, WS_CHILD | style, px(left + place.left),
                                px(top + place.top), px(place.width), px(place.height), parent,
                                nullptr, GetModuleHandleW(nullptr), nullptr);
    SendMessageW(made, WM_SETFONT, reinterpret_cast<WPARAM>(sans), FALSE);
    return made;
}

// A list as long as the real one, of items about as long as its own.
HWND list(HWND parent, const Rect& frame, const Rect& place, int items) {
    Rect dropped = place;
    dropped.height += 3000;
    HWND made =
        control(parent, WC_COMBOBOXW, CBS_DROPDOWN | CBS_AUTOHSCROLL | WS_VSCROLL | WS_TABSTOP, L"",
                dropped, frame.left, frame.top);
    static constexpr std::array<const wchar_t*, 12> heads{
        L"Á", L"Be", L"Cs", L"Dé", L"E", L"Gy", L"Ilo", L"Jó", L"Ka", L"Lõ", L"Ma", L"Zs"};
    static constexpr std::array<const wchar_t*, 37> tails{
        L"bel",  L"ta",   L"nka",  L"ria",   L"lint", L"ka",   L"nor",  L"dit", L"zsef", L"rinc",
        L"rton", L"ofia", L"lián", L"bor",   L"vin",  L"szló", L"tván", L"nes", L"dre",  L"fia",
        L"rcel", L"tala", L"ndor", L"bella", L"mos",  L"lka",  L"vid",  L"ron", L"tus",  L"nát",
        L"ella", L"pád",  L"rika", L"ttila", L"nõ",   L"zsa",  L"liána"};
    for (int i = 0; i < items; ++i) {
        const std::wstring item = std::wstring(heads[static_cast<std::size_t>(i) % heads.size()]) +
                                  tails[static_cast<std::size_t>(i) / heads.size()];
        SendMessageW(made, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item.c_str()));
    }
    return made;
}

void build(HWND window) {
    constexpr DWORD label = WS_VISIBLE | SS_LEFTNOWORDWRAP | SS_NOPREFIX;
    const auto today = halvora::by_label1<const wchar_t*>(L"2026.", L"december", L"7.", L"Hétfõ",
                                                          L"01:37", L"Ambrus napja");
    std::array<HWND, halvora::label1_count> labels{};
    for (std::size_t i = 0; i < labels.size(); ++i) {
        labels[i] = control(window, WC_STATICW, label, today[i], layout::Label1[i]);
    }
    names = labels[halvora::names_label];
    SendMessageW(labels[halvora::clock_label], WM_SETFONT,
                 reinterpret_cast<WPARAM>(font(L"MS Sans Serif", 8.25, FW_BOLD)), FALSE);

    // The search panels, hidden in the starting view.
    const Rect& date = layout::Frame1[halvora::date_panel];
    const Rect& name = layout::Frame1[halvora::name_panel];
    control(window, WC_BUTTONW, BS_RADIOBUTTON | WS_TABSTOP, L"Névnap keresése dátum alapján",
            layout::Option1, date.left, date.top);
    control(window, WC_BUTTONW, BS_RADIOBUTTON | WS_TABSTOP, L"Dátum keresése keresztnév alapján",
            layout::Option2, name.left, name.top);
    list(window, date, layout::Combo1[halvora::month_list], 12);
    list(window, date, layout::Combo1[halvora::day_list], 31);
    list(window, name, layout::Combo2, 436);
    control(window, WC_BUTTONW, BS_DEFPUSHBUTTON | WS_TABSTOP, L"Keresés", layout::Command1);
    control(window, WC_BUTTONW, BS_PUSHBUTTON | WS_TABSTOP, L"Kilépés", layout::Command2);
    HWND title =
        control(window, WC_STATICW, SS_CENTER | SS_CENTERIMAGE | SS_NOPREFIX, L"", layout::Label4);
    SendMessageW(title, WM_SETFONT, reinterpret_cast<WPARAM>(font(L"Times New Roman", 12, FW_BOLD)),
                 FALSE);
    results[0] = control(window, WC_STATICW, SS_LEFTNOWORDWRAP | SS_NOPREFIX, L"", layout::Label2,
                         date.left + layout::Frame2.left, date.top + layout::Frame2.top);
    results[1] = control(window, WC_STATICW, SS_LEFTNOWORDWRAP | SS_NOPREFIX, L"", layout::Label3,
                         name.left + layout::Frame3.left, name.top + layout::Frame3.top);
    control(window, WC_BUTTONW, BS_GROUPBOX, L"", layout::Frame2, date.left, date.top);
    control(window, WC_BUTTONW, BS_GROUPBOX, L"", layout::Frame3, name.left, name.top);
    control(window, WC_BUTTONW, BS_GROUPBOX, L"", date);
    control(window, WC_BUTTONW, BS_GROUPBOX, L"", name);
}

LRESULT CALLBACK procedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
    switch (message) {
    case WM_TIMER:
        return 0; // the idle tick
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN: {
        const auto shown = reinterpret_cast<HWND>(lparam);
        const bool result = shown == results[0] || shown == results[1];
        auto* dc = reinterpret_cast<HDC>(wparam);
        SetTextColor(dc, shown == names ? RGB(255, 0, 0) : result ? RGB(0, 0, 255) : RGB(0, 0, 0));
        SetBkColor(dc, GetSysColor(COLOR_BTNFACE));
        return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_BTNFACE));
    }
    case WM_DESTROY:
        PostQuitMessage(0);
        return 0;
    default:
        return DefWindowProcW(window, message, wparam, lparam);
    }
}

} // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE /*previous*/, PWSTR /*command_line*/,
                    int show_command) {
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&controls);
    HDC screen = GetDC(nullptr);
    dpi = GetDeviceCaps(screen, LOGPIXELSX);
    ReleaseDC(nullptr, screen);
    // The faces the program shows: its sans serif is a system font (under wine,
    // wine's own; on Windows, Microsoft Sans Serif stands in for it).
    sans = font(L"MS Sans Serif", 8.25, FW_NORMAL);

    WNDCLASSEXW type{};
    type.cbSize = sizeof type;
    type.lpfnWndProc = procedure;
    type.hInstance = instance;
    type.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    type.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    type.lpszClassName = L"HalvoraBaseline";
    RegisterClassExW(&type);
    const int width = px(layout::designed_outer_width);
    const int left = (GetSystemMetrics(SM_CXSCREEN) - width) / 2;
    HWND window =
        CreateWindowExW(WS_EX_CONTROLPARENT, type.lpszClassName, L"Halvora",
                        WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME, left, 0, width,
                        px(start_outer_height), nullptr, nullptr, instance, nullptr);
    build(window);
    ShowWindow(window, show_command);
    UpdateWindow(window);
    SetTimer(window, timer_id, halvora::timer_interval_ms, nullptr);

    MSG message{};
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        if (IsDialogMessageW(window, &message) == FALSE) {
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
    }
    return static_cast<int>(message.wParam);
}
