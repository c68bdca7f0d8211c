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
#include <string>
#include <string_view>
#include <vector>

namespace halvora::qt {
namespace {

std::string connection_failure_line;

// While Qt connects to the display, its fatal message would abort the
// process with a toolkit error; say it in the program's own line instead.
void startup_messages(QtMsgType type, const QMessageLogContext& /*context*/,
                      const QString& /*message*/) {
    if (type == QtFatalMsg) {
        std::fputs(connection_failure_line.c_str(), stderr);
        std::_Exit(1);
    }
}

// A variable's bytes as they are: a display's name need not be UTF-8.
std::string variable(const char* name) {
    return qgetenv(name).toStdString();
}

// What could not be reached, in the words of the variables that named it.
std::string unreachable_line(std::string_view program) {
    const std::string platform = variable("QT_QPA_PLATFORM");
    const std::string x11 = variable("DISPLAY");
    const std::string wayland = variable("WAYLAND_DISPLAY");
    std::string line{program};
    if (!platform.empty()) {
        line += ": the platform \"" + platform +
                "\" (QT_QPA_PLATFORM) could not be loaded or could not reach its display";
        std::string_view joint = ": ";
        for (const auto& [name, value] :
             {std::pair{"DISPLAY", x11}, {"WAYLAND_DISPLAY", wayland}}) {
            if (!value.empty()) {
                line.append(joint).append(name).append(" is \"").append(value).append("\"");
                joint = ", ";
            }
        }
    } else if (!x11.empty()) {
        line += ": could not reach the display \"" + x11 + "\" (DISPLAY)";
        if (!wayland.empty()) {
            line += " nor \"" + wayland + "\" (WAYLAND_DISPLAY)";
        }
    } else {
        line += ": could not reach the display \"" + wayland + "\" (WAYLAND_DISPLAY)";
    }
    return line + "\n";
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
// Wayland only if that server cannot be reached, or if no X server is named.
// A platform the user chose wins. The choice goes to Qt as an argument, put
// before the user's own, so a "-platform" on the command line still wins and
// the programs we start (the help launcher) inherit nothing of it.
QtArguments& arguments_for_qt(int argc, char** argv) {
    static QtArguments arguments;
    static char option[] = "-platform";
    static char x11[] = "xcb";
    static char x11_or_wayland[] = "xcb;wayland";
    static char wayland[] = "wayland";
    arguments.values.assign(argv, argv + argc);
#if defined(Q_OS_UNIX) && !defined(Q_OS_MACOS)
    const bool x11_named = !qEnvironmentVariableIsEmpty("DISPLAY");
    const bool wayland_named = !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
    if (argc > 0 && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") &&
        (x11_named || wayland_named)) {
        char* platform = !x11_named ? wayland : (wayland_named ? x11_or_wayland : x11);
        arguments.values.insert(arguments.values.begin() + 1, {option, platform});
    }
#endif
    arguments.count = static_cast<int>(arguments.values.size());
    arguments.values.push_back(nullptr);
    return arguments;
}

} // namespace

std::unique_ptr<QApplication> make_application(int argc, char** argv, std::string_view program) {
    if (!display_named()) {
        const std::string line{program};
        std::fputs((line + ": no graphical display found; run it on a desktop (DISPLAY or "
                           "WAYLAND_DISPLAY must be set)\n")
                       .c_str(),
                   stderr);
        return nullptr;
    }
    QCoreApplication::setOrganizationName(to_qstring(version::company));
    QCoreApplication::setApplicationName(to_qstring(version::product_name));
    QCoreApplication::setApplicationVersion(to_qstring(version::text));

    connection_failure_line = unreachable_line(program);
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
