// Twips (1/1440 inch) and pixels, through a screen's logical resolution: 15
// twips to the pixel at 96 dots per inch.
#pragma once

#include <halvora/mainwindow/layout.h>

#include <QPoint>
#include <QRect>

class QScreen;
class QWidget;

namespace halvora::qt {

class Scale {
public:
    Scale(double dpi_x, double dpi_y);
    // The logical resolution of `screen`; 96 dots per inch without one.
    static Scale of(const QScreen* screen);

    [[nodiscard]] int px_x(int twips) const;
    [[nodiscard]] int px_y(int twips) const;
    [[nodiscard]] int twips_x(int px) const;
    [[nodiscard]] int twips_y(int px) const;
    [[nodiscard]] QRect px(const Rect& rect) const;
    // Without rounding, for positions that keep their fractions.
    [[nodiscard]] double unrounded_twips_x(double px) const;
    [[nodiscard]] double unrounded_twips_y(double px) const;

private:
    double dpi_x_;
    double dpi_y_;
};

// The screen a window lives on, or the primary screen.
QScreen* screen_of(const QWidget* window);

// The top left corner of that screen: twips positions count from there.
QPoint screen_origin(const QWidget* window);

} // namespace halvora::qt
