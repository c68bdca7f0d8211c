#include <halvora/qt/look.h>

#include <QStringList>

namespace halvora::qt {

QFont sans_font() {
    QFont font;
    font.setFamilies(QStringList{QStringLiteral("MS Sans Serif"),
                                 QStringLiteral("Microsoft Sans Serif"), QStringLiteral("Arial"),
                                 QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")});
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(8.25);
    return font;
}

QFont serif_bold_font() {
    QFont font;
    font.setFamilies(QStringList{QStringLiteral("Times New Roman"),
                                 QStringLiteral("Liberation Serif"),
                                 QStringLiteral("DejaVu Serif")});
    font.setStyleHint(QFont::Serif);
    font.setPointSizeF(12.0);
    font.setBold(true);
    return font;
}

QFont product_font() {
    QFont font;
    font.setFamilies(QStringList{QStringLiteral("Arial"), QStringLiteral("Liberation Sans"),
                                 QStringLiteral("DejaVu Sans")});
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(13.5);
    return font;
}

QColor to_qcolor(Colour colour) {
    return QColor{colour.red, colour.green, colour.blue};
}

// The same picture the desktop shows for the installed program, so the
// window, the about box and the menu entry all carry one icon.
QPixmap program_pixmap(int size) {
    QPixmap designed{QStringLiteral(":/halvora/halvora.png")};
    if (designed.width() == size && designed.height() == size) {
        return designed;
    }
    return designed.scaled(size, size, Qt::KeepAspectRatio, Qt::SmoothTransformation);
}

QIcon program_icon() {
    QIcon icon;
    for (const int size : {16, 32, 48, 64}) {
        icon.addPixmap(program_pixmap(size));
    }
    return icon;
}

} // namespace halvora::qt
