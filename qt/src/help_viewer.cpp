#include <halvora/help/help.h>
#include <halvora/mainwindow/layout.h>
#include <halvora/qt/contained.h>
#include <halvora/qt/help_viewer.h>
#include <halvora/qt/text.h>

#if defined(Q_OS_UNIX)
#include <sys/stat.h>
#include <unistd.h>
#else
#include <QFileInfo>
#endif

namespace halvora::qt {
namespace {

using help::message_not_found;
using help::message_not_opened;

// Often enough that a failure shows soon after the command, rarely enough
// to cost nothing while a launcher waits for its viewer.
constexpr int watch_interval_ms = 200;

enum class FileState { missing, unreadable, readable };

FileState state_of(const std::string& path) {
    // A NUL would cut the path short and name another file.
    if (path.empty() || path.find('\0') != std::string::npos) {
        return FileState::missing;
    }
#if defined(Q_OS_UNIX)
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0 || !S_ISREG(info.st_mode)) {
        return FileState::missing;
    }
    return ::access(path.c_str(), R_OK) == 0 ? FileState::readable : FileState::unreadable;
#else
    const QFileInfo file{to_qstring(path)};
    if (!file.exists() || !file.isFile()) {
        return FileState::missing;
    }
    return file.isReadable() ? FileState::readable : FileState::unreadable;
#endif
}

} // namespace

HelpViewer::HelpViewer(platform::MessageBox& messages, HelpLauncher::Command launcher)
    : messages_(messages)
    , launcher_(std::move(launcher)) {
    watcher_.setInterval(watch_interval_ms);
    QObject::connect(&watcher_, &QTimer::timeout,
                     [this] { run_contained("help launcher's report", [this] { watch(); }); });
}

void HelpViewer::show_help() {
    const std::string file = file_;
    switch (state_of(file)) {
    case FileState::missing:
        return fail(message_not_found, file);
    case FileState::unreadable:
        return fail(message_not_opened, file);
    case FileState::readable:
        break;
    }
    // A command while the file's launcher still runs asks for what is
    // already on its way.
    if (!launches_.start(file)) {
        return;
    }
    switch (launcher_.start(file)) {
    case HelpLauncher::Start::running:
        watcher_.start();
        return;
    case HelpLauncher::Start::handed_over:
        return launches_.ended(file);
    case HelpLauncher::Start::failed:
        launches_.ended(file);
        return fail(message_not_opened, file);
    }
}

void HelpViewer::watch() {
    const std::vector<HelpLauncher::Ended> ended = launcher_.ended();
    for (const HelpLauncher::Ended& launcher : ended) {
        launches_.ended(launcher.file);
    }
    if (!launches_.running()) {
        watcher_.stop();
    }
    // Each box waits for the user; what ended is already settled.
    for (const HelpLauncher::Ended& launcher : ended) {
        if (launcher.failed) {
            fail(message_not_opened, launcher.file);
        }
    }
}

void HelpViewer::fail(std::string_view message, const std::string& file) {
    if (!launches_.say(file)) {
        return;
    }
    // However the box ends, the file's next failure may be said again.
    const struct Closing {
        help::Launches& launches;
        const std::string& file;
        ~Closing() { launches.closed(file); }
    } closing{launches_, file};
    // Shown as text: bytes of the path that are not UTF-8 show as U+FFFD.
    std::string text{message};
    text += to_qstring(file).toStdString();
    messages_.show(text, layout::program_title, platform::message_style_warning);
}

} // namespace halvora::qt
