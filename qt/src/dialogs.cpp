#include <halvora/help/help.h>
#include <halvora/mainwindow/layout.h>
#include <halvora/qt/contained.h>
#include <halvora/qt/dialogs.h>
#include <halvora/qt/text.h>

#include <QApplication>
#include <QMessageBox>

#include <algorithm>
#include <string_view>

#if defined(Q_OS_UNIX)
#include <cerrno>
#include <csignal>
#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#else
#include <QDesktopServices>
#include <QFileInfo>
#include <QUrl>
#endif

namespace halvora::qt {
namespace {

using help::message_not_found;
using help::message_not_opened;

// Often enough that a failure shows soon after the command, rarely enough
// to cost nothing while a launcher waits for its viewer.
constexpr int watch_interval_ms = 200;

QMessageBox::Icon icon_of(int style) {
    switch (style & 0x70) {
    case 16:
        return QMessageBox::Critical;
    case 32:
        return QMessageBox::Question;
    case 48:
        return QMessageBox::Warning;
    case 64:
        return QMessageBox::Information;
    default:
        return QMessageBox::NoIcon;
    }
}

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

void MessageBox::show(std::string_view text, std::string_view title, int style) {
    QMessageBox box{icon_of(style), to_qstring(title), to_qstring(text), QMessageBox::Ok,
                    parent_.data()};
    box.setTextFormat(Qt::PlainText);
    box.setObjectName(QStringLiteral("message"));
    box.exec();
}

HelpViewer::HelpViewer(platform::MessageBox& messages, Launcher launcher)
    : messages_(messages)
    , launcher_(std::move(launcher)) {
    if (launcher_.empty()) {
        launcher_ = {"xdg-open"};
    }
    watcher_.setInterval(watch_interval_ms);
    QObject::connect(&watcher_, &QTimer::timeout,
                     [this] { run_contained("help launcher's report", [this] { watch(); }); });
}

void HelpViewer::set_help_file(std::string_view path) {
    file_ = path;
}

void HelpViewer::show_help() {
    switch (state_of(file_)) {
    case FileState::missing:
        fail(message_not_found, file_);
        return;
    case FileState::unreadable:
        fail(message_not_opened, file_);
        return;
    case FileState::readable:
        break;
    }
    if (!launch()) {
        fail(message_not_opened, file_);
    }
}

#if defined(Q_OS_UNIX)

bool HelpViewer::launch() {
    std::vector<std::string> arguments = launcher_;
    arguments.push_back(file_);
    std::vector<char*> argv;
    argv.reserve(arguments.size() + 1);
    for (std::string& argument : arguments) {
        argv.push_back(argument.data());
    }
    argv.push_back(nullptr);

    // The launcher starts as from a fresh shell: nothing blocked, a broken
    // pipe ending it as it would end any program.
    posix_spawnattr_t attributes;
    if (posix_spawnattr_init(&attributes) != 0) {
        return false;
    }
    sigset_t none;
    sigemptyset(&none);
    sigset_t defaults;
    sigemptyset(&defaults);
    sigaddset(&defaults, SIGPIPE);
    posix_spawnattr_setsigmask(&attributes, &none);
    posix_spawnattr_setsigdefault(&attributes, &defaults);
    posix_spawnattr_setflags(&attributes, POSIX_SPAWN_SETSIGMASK | POSIX_SPAWN_SETSIGDEF);
    pid_t process = 0;
    const int started = posix_spawnp(&process, argv[0], nullptr, &attributes, argv.data(), environ);
    posix_spawnattr_destroy(&attributes);
    if (started != 0) {
        return false;
    }
    running_.push_back({process, file_});
    if (!watcher_.isActive()) {
        watcher_.start();
    }
    return true;
}

// Only asks; never waits and never ends a launcher. One that outlives the
// program is left running, and the system takes it over.
void HelpViewer::watch() {
    std::vector<std::string> failed;
    std::erase_if(running_, [&failed](const Running& launcher) {
        int status = 0;
        const pid_t ended = ::waitpid(static_cast<pid_t>(launcher.process), &status, WNOHANG);
        if (ended == 0 || (ended < 0 && errno == EINTR)) {
            return false;
        }
        // One no longer ours to ask (the system reaped it) tells nothing.
        if (ended > 0 && !(WIFEXITED(status) && WEXITSTATUS(status) == 0)) {
            failed.push_back(launcher.file);
        }
        return true;
    });
    if (running_.empty()) {
        watcher_.stop();
    }
    // Each box waits for the user; the list above is already settled.
    for (const std::string& file : failed) {
        fail(message_not_opened, file);
    }
}

#else

bool HelpViewer::launch() {
    return QDesktopServices::openUrl(QUrl::fromLocalFile(to_qstring(file_)));
}

void HelpViewer::watch() {
    watcher_.stop();
}

#endif

void HelpViewer::fail(std::string_view message, const std::string& file) {
    // Shown as text: bytes of the path that are not UTF-8 show as U+FFFD.
    std::string text{message};
    text += to_qstring(file).toStdString();
    messages_.show(text, layout::program_title, platform::message_style_warning);
}

void Quitter::quit() {
    if (before_) {
        before_();
    }
    QApplication::closeAllWindows();
    QCoreApplication::quit();
}

} // namespace halvora::qt
