#include <halvora/mainwindow/layout.h>
#include <halvora/qt/bindings.h>
#include <halvora/qt/dialogs.h>

#include <QApplication>
#include <QDesktopServices>
#include <QFileInfo>
#include <QMessageBox>
#include <QUrl>

namespace halvora::qt {
namespace {

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

} // namespace

void MessageBox::show(std::string_view text, std::string_view title, int style) {
    QMessageBox box{icon_of(style), to_qstring(title), to_qstring(text), QMessageBox::Ok,
                    parent_.data()};
    box.setTextFormat(Qt::PlainText);
    box.setObjectName(QStringLiteral("message"));
    box.exec();
}

HelpViewer::HelpViewer(platform::MessageBox& messages, Opener opener)
    : messages_(messages)
    , opener_(std::move(opener)) {
    if (!opener_) {
        opener_ = [](const QUrl& url) { return QDesktopServices::openUrl(url); };
    }
}

void HelpViewer::set_help_file(std::string_view path) {
    file_ = path;
}

void HelpViewer::show_help() {
    const QString path = to_qstring(file_);
    const QFileInfo file{path};
    std::string message;
    if (path.isEmpty() || !file.exists() || !file.isFile()) {
        message = "A súgófájl nem található: ";
    } else if (!file.isReadable() || !opener_(QUrl::fromLocalFile(file.absoluteFilePath()))) {
        message = "A súgófájl nem nyitható meg: ";
    } else {
        return;
    }
    message += file_;
    messages_.show(message, layout::program_title, platform::message_style_warning);
}

void Quitter::quit() {
    if (before_) {
        before_();
    }
    QApplication::closeAllWindows();
    QCoreApplication::quit();
}

} // namespace halvora::qt
