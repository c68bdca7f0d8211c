#include <halvora/qt/look.h>

#include <QPainter>
#include <QRectF>
#include <QStringList>

#include <array>

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

// Drawn on a 32 x 32 grid in a handful of flat colours, as a 16-colour icon
// would be, and scaled to the area.
void paint_program_icon(QPainter& painter, const QRectF& area) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.translate(area.topLeft());
    painter.scale(area.width() / 32.0, area.height() / 32.0);

    const QColor page{Qt::white};
    const QColor edge{Qt::black};
    const QColor band{0xC0, 0x00, 0x00};
    const QColor ring{0x80, 0x80, 0x80};
    const QColor day{0x00, 0x00, 0x80};
    const QColor today{0xFF, 0x00, 0x00};

    // Shadow, page, red band at the top.
    painter.fillRect(QRectF{4, 5, 26, 26}, QColor{0x80, 0x80, 0x80});
    painter.fillRect(QRectF{2, 3, 26, 26}, page);
    painter.fillRect(QRectF{2, 3, 26, 7}, band);
    painter.setPen(QPen{edge, 0});
    painter.drawRect(QRectF{2, 3, 25, 25});

    // Binder rings over the band.
    for (const double x : {8.0, 20.0}) {
        painter.fillRect(QRectF{x, 1, 2, 5}, ring);
    }

    // Four rows of day cells; one of them is today.
    constexpr std::array<double, 5> columns{5, 10, 15, 20, 25};
    constexpr std::array<double, 4> rows{12, 16, 20, 24};
    for (const double y : rows) {
        for (const double x : columns) {
            const bool is_today = y == 16 && x == 15;
            painter.fillRect(QRectF{x - 1, y, 3, 3}, is_today ? today : day);
        }
    }
    painter.restore();
}

QPixmap program_pixmap(int size) {
    QPixmap pixmap{size, size};
    pixmap.fill(Qt::transparent);
    QPainter painter{&pixmap};
    paint_program_icon(painter, QRectF{0, 0, static_cast<double>(size), static_cast<double>(size)});
    return pixmap;
}

QIcon program_icon() {
    QIcon icon;
    for (const int size : {16, 32, 48, 64}) {
        icon.addPixmap(program_pixmap(size));
    }
    return icon;
}

} // namespace halvora::qt
