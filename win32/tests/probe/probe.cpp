// Reads the program's windows from outside, as another program sees them, so
// that a test never takes the program's own word for where they are: the main
// window, its controls, the about box, an open popup menu, a message box and
// the focus. One line per window or control, in UTF-8:
//
//   window CLASS "TITLE" outer=X,Y,W,H client=X,Y,W,H visible=0|1   (screen pixels)
//   control CLASS id=N "TEXT" at=X,Y,W,H visible=0|1 enabled=0|1 checked=0|1 items=N
//   message "TEXT"                                       (a message box's text)
//   button "TEXT"                                (a shown button of a message box or dialog)
//   focus CLASS id=N                                     (a list for its text field)
//   program "PATH"                          (the file the main window's process runs)
#include <windows.h>

#include <cstdio>
#include <string>

namespace {

std::string utf8(const std::wstring& text) {
    if (text.empty()) {
        return {};
    }
    const int size = WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()),
                                         nullptr, 0, nullptr, nullptr);
    std::string bytes(static_cast<std::size_t>(size), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), bytes.data(), size,
                        nullptr, nullptr);
    return bytes;
}

std::string text_of(HWND window) {
    wchar_t text[512] = {};
    // Another process's window answers WM_GETTEXT; GetWindowText would not ask a control.
    SendMessageTimeoutW(window, WM_GETTEXT, 512, reinterpret_cast<LPARAM>(text), SMTO_ABORTIFHUNG,
                        2000, nullptr);
    return utf8(text);
}

std::string class_of(HWND window) {
    wchar_t name[128] = {};
    GetClassNameW(window, name, 128);
    return utf8(name);
}

// The file the process that owns the window was started from.
std::string program_of(HWND window) {
    DWORD process_id = 0;
    GetWindowThreadProcessId(window, &process_id);
    HANDLE process = OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, process_id);
    if (process == nullptr) {
        return {};
    }
    wchar_t path[MAX_PATH] = {};
    DWORD size = MAX_PATH;
    const BOOL found = QueryFullProcessImageNameW(process, 0, path, &size);
    CloseHandle(process);
    return found != FALSE ? utf8(std::wstring(path, size)) : std::string{};
}

std::string rect_text(const RECT& r) {
    return std::to_string(r.left) + "," + std::to_string(r.top) + "," +
           std::to_string(r.right - r.left) + "," + std::to_string(r.bottom - r.top);
}

void print_window(HWND window) {
    RECT outer{};
    GetWindowRect(window, &outer);
    RECT client{};
    GetClientRect(window, &client);
    MapWindowPoints(window, nullptr, reinterpret_cast<POINT*>(&client), 2);
    std::printf("window %s \"%s\" outer=%s client=%s visible=%d\n", class_of(window).c_str(),
                text_of(window).c_str(), rect_text(outer).c_str(), rect_text(client).c_str(),
                IsWindowVisible(window) ? 1 : 0);
}

BOOL CALLBACK print_control(HWND control, LPARAM /*unused*/) {
    RECT at{};
    GetWindowRect(control, &at);
    const std::string type = class_of(control);
    LRESULT items = -1;
    if (type == "ComboBox") {
        items = SendMessageW(control, CB_GETCOUNT, 0, 0);
    }
    std::printf("control %s id=%d \"%s\" at=%s visible=%d enabled=%d checked=%d items=%lld\n",
                type.c_str(), GetDlgCtrlID(control), text_of(control).c_str(),
                rect_text(at).c_str(), IsWindowVisible(control) ? 1 : 0,
                IsWindowEnabled(control) ? 1 : 0,
                SendMessageW(control, BM_GETCHECK, 0, 0) == BST_CHECKED ? 1 : 0,
                static_cast<long long>(items));
    return TRUE;
}

BOOL CALLBACK print_top_level(HWND window, LPARAM /*unused*/) {
    const std::string type = class_of(window);
    if (type == "HalvoraForm1" || type == "HalvoraAbout") {
        print_window(window);
        if (type == "HalvoraForm1") {
            std::printf("program \"%s\"\n", program_of(window).c_str());
            EnumChildWindows(window, print_control, 0);
            DWORD process = 0;
            const DWORD thread = GetWindowThreadProcessId(window, &process);
            GUITHREADINFO gui{};
            gui.cbSize = sizeof gui;
            if (GetGUIThreadInfo(thread, &gui) && gui.hwndFocus != nullptr) {
                // A list's text field stands for its list.
                HWND focus = gui.hwndFocus;
                if (GetParent(focus) != window && GetParent(focus) != nullptr &&
                    class_of(GetParent(focus)) == "ComboBox") {
                    focus = GetParent(focus);
                }
                std::printf("focus %s id=%d\n", class_of(focus).c_str(), GetDlgCtrlID(focus));
            }
        }
    } else if (type == "#32768" && IsWindowVisible(window)) {
        // An open popup menu. Its items are its own process's to read.
        print_window(window);
    } else if (type == "#32770" && IsWindowVisible(window)) {
        print_window(window);
        // The message is the box's static text (id 0xFFFF on Windows; wine's is 100).
        for (HWND part = GetWindow(window, GW_CHILD); part != nullptr;
             part = GetWindow(part, GW_HWNDNEXT)) {
            if (class_of(part) == "Static" && !text_of(part).empty()) {
                std::printf("message \"%s\"\n", text_of(part).c_str());
            } else if (class_of(part) == "Button" && IsWindowVisible(part) != FALSE) {
                std::printf("button \"%s\"\n", text_of(part).c_str());
            }
        }
    }
    return TRUE;
}

} // namespace

int main() {
    EnumWindows(print_top_level, 0);
    return 0;
}
