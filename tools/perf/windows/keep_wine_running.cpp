// keep_wine_running.exe: holds a hidden window and does nothing else, so that
// wine keeps its own processes (the desktop's, the services') running between
// the measured starts, which then pay for none of them. Ended from outside.
#include <windows.h>

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE /*previous*/, PWSTR /*command_line*/,
                    int /*show_command*/) {
    WNDCLASSW type{};
    type.lpfnWndProc = DefWindowProcW;
    type.hInstance = instance;
    type.lpszClassName = L"HalvoraKeepWineRunning";
    RegisterClassW(&type);
    CreateWindowExW(0, type.lpszClassName, L"", WS_OVERLAPPED, 0, 0, 1, 1, nullptr, nullptr,
                    instance, nullptr);
    MSG message{};
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        DispatchMessageW(&message);
    }
    return 0;
}
