// The program's own start-up, line for line as app/main.cpp has it, with the
// window reporting its first frame (see first_paint.h). The real binary reads
// nothing that could switch such a report on, so it is built here beside it.
#include <first_paint.h>

#include <halvora/qt/look.h>
#include <halvora/qt/main_window.h>
#include <halvora/qt/program.h>
#include <halvora/version.h>

#include <QApplication>
#include <QByteArray>
#include <QtGlobal>

#include <cstdio>
#include <cstdlib>
#include <string_view>

namespace {

void startup_messages(QtMsgType type, const QMessageLogContext& /*context*/,
                      const QString& /*message*/) {
    if (type == QtFatalMsg) {
        std::fputs("halvora_probe: no graphical display\n", stderr);
        std::_Exit(1);
    }
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && qEnvironmentVariableIsEmpty("DISPLAY") &&
        qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY")) {
        std::fputs("halvora_probe: no graphical display\n", stderr);
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
    halvora::bench::report_first_paint(program.window());
    program.start();
    return QApplication::exec();
}
