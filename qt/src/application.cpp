#include <halvora/qt/application.h>
#include <halvora/qt/bindings.h>
#include <halvora/qt/look.h>
#include <halvora/version.h>

#include <QGuiApplication>
#include <QString>
#include <QTranslator>
#include <QtGlobal>

#include <cstdio>
#include <cstdlib>
#include <string_view>

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

} // namespace

std::unique_ptr<QApplication> make_application(int& argc, char** argv, const char* failure_line) {
    if (!display_named()) {
        std::fputs(failure_line, stderr);
        return nullptr;
    }
    QCoreApplication::setOrganizationName(to_qstring(version::company));
    QCoreApplication::setApplicationName(to_qstring(version::product_name));
    QCoreApplication::setApplicationVersion(to_qstring(version::text));

    connection_failure_line = failure_line;
    const QtMessageHandler previous = qInstallMessageHandler(startup_messages);
    auto application = std::make_unique<QApplication>(argc, argv);
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
