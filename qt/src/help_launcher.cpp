#include <halvora/qt/help_launcher.h>
#include <halvora/qt/text.h>

#include <QtGlobal>

#include <algorithm>

#if defined(Q_OS_UNIX)
#include <cerrno>
#include <csignal>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>
#else
#include <QDesktopServices>
#include <QUrl>
#endif

namespace halvora::qt {

HelpLauncher::HelpLauncher(Command command)
    : command_(std::move(command)) {
    if (command_.empty()) {
        command_ = {"xdg-open"};
    }
}

#if defined(Q_OS_UNIX)

HelpLauncher::Start HelpLauncher::start(const std::string& file) {
    std::vector<std::string> arguments = command_;
    arguments.push_back(file);
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
        return Start::failed;
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
        return Start::failed;
    }
    running_.push_back({process, file});
    return Start::running;
}

// Only asks; never waits and never ends a launcher.
std::vector<HelpLauncher::Ended> HelpLauncher::ended() {
    std::vector<Ended> ended;
    std::erase_if(running_, [&ended](const Running& launcher) {
        int status = 0;
        const pid_t gone = ::waitpid(static_cast<pid_t>(launcher.process), &status, WNOHANG);
        if (gone == 0 || (gone < 0 && errno == EINTR)) {
            return false;
        }
        // One no longer ours to ask (the system reaped it) tells nothing.
        ended.push_back(
            {launcher.file, gone > 0 && !(WIFEXITED(status) && WEXITSTATUS(status) == 0)});
        return true;
    });
    return ended;
}

#else

HelpLauncher::Start HelpLauncher::start(const std::string& file) {
    return QDesktopServices::openUrl(QUrl::fromLocalFile(to_qstring(file))) ? Start::handed_over
                                                                            : Start::failed;
}

std::vector<HelpLauncher::Ended> HelpLauncher::ended() {
    return {};
}

#endif

} // namespace halvora::qt
