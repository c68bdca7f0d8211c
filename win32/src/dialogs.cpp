#include <halvora/help/help.h>
#include <halvora/mainwindow/layout.h>
#include <halvora/win32/dialogs.h>
#include <halvora/win32/text.h>

#include <shellapi.h>

namespace halvora::win32 {
namespace {

enum class FileState { missing, unreadable, readable };

FileState state_of(const std::string& path) {
    // A NUL would cut the path short and name another file.
    if (path.empty() || path.find('\0') != std::string::npos) {
        return FileState::missing;
    }
    const std::wstring name = widen(path);
    const DWORD attributes = GetFileAttributesW(name.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES || (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0) {
        return FileState::missing;
    }
    HANDLE file = CreateFileW(name.c_str(), GENERIC_READ,
                              FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                              OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        return FileState::unreadable;
    }
    CloseHandle(file);
    return FileState::readable;
}

// Brings the first visible window of a process to the front.
void bring_to_front(DWORD process) {
    struct Search {
        DWORD process;
        HWND found;
    } search{process, nullptr};
    EnumWindows(
        [](HWND window, LPARAM data) -> BOOL {
            auto& wanted = *reinterpret_cast<Search*>(data);
            DWORD owner = 0;
            GetWindowThreadProcessId(window, &owner);
            if (owner == wanted.process && IsWindowVisible(window) != FALSE) {
                wanted.found = window;
                return FALSE;
            }
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&search));
    if (search.found != nullptr) {
        if (IsIconic(search.found) != FALSE) {
            ShowWindow(search.found, SW_RESTORE);
        }
        SetForegroundWindow(search.found);
    }
}

} // namespace

void MessageBox::show(std::string_view text, std::string_view title, int style) {
    MessageBoxW(owner_, widen(text).c_str(), widen(title).c_str(), static_cast<UINT>(style));
}

HelpViewer::HelpViewer(platform::MessageBox& messages, HWND owner)
    : messages_(messages)
    , owner_(owner) {}

HelpViewer::~HelpViewer() {
    // The viewer runs on; only our handle to it goes.
    if (viewer_ != nullptr) {
        CloseHandle(viewer_);
    }
}

void HelpViewer::forget_ended_viewer() {
    if (viewer_ != nullptr && WaitForSingleObject(viewer_, 0) != WAIT_TIMEOUT) {
        CloseHandle(viewer_);
        viewer_ = nullptr;
        launches_.ended(viewer_file_);
    }
}

void HelpViewer::show_help() {
    switch (state_of(file_)) {
    case FileState::missing:
        fail(help::message_not_found);
        return;
    case FileState::unreadable:
        fail(help::message_not_opened);
        return;
    case FileState::readable:
        break;
    }
    forget_ended_viewer();
    if (!launches_.start(file_)) {
        bring_to_front(GetProcessId(viewer_));
        return;
    }
    const std::wstring file = widen(file_);
    SHELLEXECUTEINFOW launch{};
    launch.cbSize = sizeof launch;
    // Windows' own error box would speak for us; ours names the path.
    launch.fMask = SEE_MASK_NOCLOSEPROCESS | SEE_MASK_FLAG_NO_UI | SEE_MASK_NOASYNC;
    launch.hwnd = owner_;
    launch.lpFile = file.c_str();
    launch.nShow = SW_SHOWNORMAL;
    const bool started = ShellExecuteExW(&launch) != FALSE;
    // A viewer that was running already, or a handler that ends at once,
    // leaves no process to wait for.
    if (!started || launch.hProcess == nullptr) {
        launches_.ended(file_);
    } else {
        viewer_ = launch.hProcess;
        viewer_file_ = file_;
    }
    if (!started) {
        fail(help::message_not_opened);
    }
}

void HelpViewer::fail(std::string_view message) {
    const std::string file = file_;
    if (!launches_.say(file)) {
        return;
    }
    // However the box ends, the next failure may speak again.
    struct Closing {
        help::Launches& launches;
        const std::string& file;
        ~Closing() { launches.closed(file); }
    } closing{launches_, file};
    std::string text{message};
    text += file;
    messages_.show(text, layout::program_title, platform::message_style_warning);
}

void Quitter::quit() {
    if (before_) {
        before_();
    }
    PostQuitMessage(0);
}

} // namespace halvora::win32
