#include <halvora/qt/dialogs.h>
#include <halvora/qt/text.h>

#include <QApplication>
#include <QMessageBox>

#include <string_view>

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

void Quitter::quit() {
    if (before_) {
        before_();
    }
    QApplication::closeAllWindows();
    QCoreApplication::quit();
}

} // namespace halvora::qt
