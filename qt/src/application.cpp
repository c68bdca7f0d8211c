#include <halvora/qt/application.h>
#include <halvora/qt/look.h>
#include <halvora/qt/text.h>
#include <halvora/version.h>

#include <QGuiApplication>
#include <QString>
#include <QTranslator>
#include <QtGlobal>

#include <cstdio>
#include <cstdlib>
#include <string_view>
#include <vector>

namespace halvora::qt {
namespace {

const char* connection_failure_line = nullptr;

// While Qt connects to the display, its fatal message would abort the
// process with a toolkit error; say it in the program's own line instead.
void startup_messages(QtMsgType type, const QMessageLogContext& /*context*/,
                      const QString& /*message*/) {
    if (type == QtFatalMsg) {
        std::fputs(connection_failure_line, stderr);
        std::_Exit(1);
    }
}

// Whether a display is named at all (or a platform chosen); without one the
// toolkit could only fail.
bool display_named() {
#if defined(Q_OS_UNIX) && !defined(Q_OS_MACOS)
    return !qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") ||
           !qEnvironmentVariableIsEmpty("DISPLAY") ||
           !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
#else
    return true;
#endif
}

// Qt keeps the arguments it is given for the application's whole life.
struct QtArguments {
    int count = 0;
    std::vector<char*> values;
};

// On a Wayland desktop no program may place its own window, and the view
// modes place theirs at the top of the screen; so where the session offers an
// X server (XWayland sets DISPLAY), the window goes there, and natively to
// Wayland only if that server cannot be reached. Without DISPLAY Qt chooses,
// Wayland on a Wayland desktop. A platform the user chose wins. The choice
// goes to Qt as an argument, put before the user's own, so a "-platform" on
// the command line still wins and the programs we start (the help launcher)
// inherit nothing of it.
QtArguments& arguments_for_qt(int argc, char** argv) {
    static QtArguments arguments;
    static char option[] = "-platform";
    static char x11[] = "xcb";
    static char x11_or_wayland[] = "xcb;wayland";
    arguments.values.assign(argv, argv + argc);
#if defined(Q_OS_UNIX) && !defined(Q_OS_MACOS)
    if (argc > 0 && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") &&
        !qEnvironmentVariableIsEmpty("DISPLAY")) {
        char* platform = qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") ? x11 : x11_or_wayland;
        arguments.values.insert(arguments.values.begin() + 1, {option, platform});
    }
#endif
    arguments.count = static_cast<int>(arguments.values.size());
    arguments.values.push_back(nullptr);
    return arguments;
}

} // namespace

std::unique_ptr<QApplication> make_application(int argc, char** argv, const char* failure_line) {
    if (!display_named()) {
        std::fputs(failure_line, stderr);
        return nullptr;
    }
    QCoreApplication::setOrganizationName(to_qstring(version::company));
    QCoreApplication::setApplicationName(to_qstring(version::product_name));
    QCoreApplication::setApplicationVersion(to_qstring(version::text));

    connection_failure_line = failure_line;
    const QtMessageHandler previous = qInstallMessageHandler(startup_messages);
    QtArguments& arguments = arguments_for_qt(argc, argv);
    auto application = std::make_unique<QApplication>(arguments.count, arguments.values.data());
    qInstallMessageHandler(previous);

    load_qt_translations();
    QApplication::setWindowIcon(program_icon());
    QGuiApplication::setDesktopFileName(QStringLiteral("halvora"));
    return application;
}

bool load_qt_translations(const QString& directory) {
    QCoreApplication* application = QCoreApplication::instance();
    if (application == nullptr) {
        return false;
    }
    auto* translator = new QTranslator(application);
    if (!translator->load(QStringLiteral("qtbase_hu"), directory)) {
        delete translator;
        return false;
    }
    return QCoreApplication::installTranslator(translator);
}

} // namespace halvora::qt
