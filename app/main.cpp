// Halvora: the Hungarian name-day calendar. Builds the main window, loads it,
// shows it and runs the event loop until the user ends the program.
#include <halvora/qt/look.h>
#include <halvora/qt/program.h>
#include <halvora/version.h>

#include <QApplication>
#include <QByteArray>
#include <QtGlobal>

#include <cstdio>
#include <cstdlib>
#include <string_view>

namespace {

constexpr const char* no_display_line =
    "halvora: no graphical display found; run it on a desktop (DISPLAY or WAYLAND_DISPLAY "
    "must be set)\n";

// Qt itself would only complain about its platform plugin and abort. A chosen
// platform (QT_QPA_PLATFORM) is trusted.
bool display_available() {
#if defined(Q_OS_UNIX) && !defined(Q_OS_MACOS)
    return !qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") ||
           !qEnvironmentVariableIsEmpty("DISPLAY") ||
           !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
#else
    return true;
#endif
}

// While Qt connects to the display: a display that is named but cannot be
// reached ends in a fatal message of Qt's; say it in our one line instead.
void startup_messages(QtMsgType type, const QMessageLogContext& /*context*/,
                      const QString& /*message*/) {
    if (type == QtFatalMsg) {
        std::fputs(no_display_line, stderr);
        std::_Exit(1);
    }
}

} // namespace

int main(int argc, char** argv) {
    if (!display_available()) {
        std::fputs(no_display_line, stderr);
        return 1;
    }
    const auto text = [](std::string_view value) {
        return QString::fromUtf8(value.data(), static_cast<qsizetype>(value.size()));
    };
    QCoreApplication::setOrganizationName(text(halvora::version::company));
    QCoreApplication::setApplicationName(text(halvora::version::product_name));
    QCoreApplication::setApplicationVersion(text(halvora::version::text));

    const QtMessageHandler previous = qInstallMessageHandler(startup_messages);
    QApplication application{argc, argv};
    qInstallMessageHandler(previous);
    QApplication::setWindowIcon(halvora::qt::program_icon());
    QGuiApplication::setDesktopFileName(QStringLiteral("halvora"));

    halvora::qt::Program program;
    program.start();
    return QApplication::exec();
}
