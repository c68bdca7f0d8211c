// Halvora for Windows: builds the main window, loads it, shows it and runs the
// message loop until the user ends the program.
#include <halvora/win32/program.h>
#include <halvora/win32/windows.h>

#include <objbase.h>

int WINAPI wWinMain(HINSTANCE /*instance*/, HINSTANCE /*previous*/, PWSTR /*command_line*/,
                    int show_command) {
    // The help file's handler may be a shell extension, which needs COM.
    const HRESULT com = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE);
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&controls);
    int status = 1;
    // Every handler guards itself; what is left is running out of memory while
    // the window is made or taken down, which ends the program quietly.
    try {
        halvora::win32::Program program;
        if (program.start(show_command)) {
            status = program.run();
        }
    } catch (...) {
        status = 1;
    }
    if (SUCCEEDED(com)) {
        CoUninitialize();
    }
    return status;
}
