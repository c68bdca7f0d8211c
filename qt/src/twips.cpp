#include <halvora/platform/clamp_to_int.h>
#include <halvora/qt/twips.h>

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

#include <algorithm>
#include <cmath>

namespace halvora::qt {
namespace {

constexpr double twips_per_inch = 1440.0;
constexpr double fallback_dpi = 96.0;
// Qt's own bound on a widget's size and position; beyond it the toolkit
// misbehaves, so a far-out position stops there.
constexpr double max_px = 16777215.0;

double sane_dpi(double dpi) {
    return std::isfinite(dpi) && dpi > 1.0 ? dpi : fallback_dpi;
}

int to_px(int twips, double dpi) {
    const double px = std::round(static_cast<double>(twips) * dpi / twips_per_inch);
    return static_cast<int>(std::clamp(px, -max_px, max_px));
}

// An int of pixels at more than one dot per inch stays well within long long.
int to_twips(int px, double dpi) {
    return clamp_to_int(std::llround(static_cast<double>(px) * twips_per_inch / dpi));
}

} // namespace

Scale::Scale(double dpi_x, double dpi_y)
    : dpi_x_(sane_dpi(dpi_x))
    , dpi_y_(sane_dpi(dpi_y)) {}

Scale Scale::of(const QScreen* screen) {
    if (screen == nullptr) {
        return Scale{fallback_dpi, fallback_dpi};
    }
    return Scale{screen->logicalDotsPerInchX(), screen->logicalDotsPerInchY()};
}

int Scale::px_x(int twips) const {
    return to_px(twips, dpi_x_);
}
int Scale::px_y(int twips) const {
    return to_px(twips, dpi_y_);
}
int Scale::twips_x(int px) const {
    return to_twips(px, dpi_x_);
}
int Scale::twips_y(int px) const {
    return to_twips(px, dpi_y_);
}

double Scale::unrounded_twips_x(double px) const {
    return px * twips_per_inch / dpi_x_;
}
double Scale::unrounded_twips_y(double px) const {
    return px * twips_per_inch / dpi_y_;
}

QRect Scale::px(const Rect& rect) const {
    return QRect{px_x(rect.left), px_y(rect.top), px_x(rect.width), px_y(rect.height)};
}

QScreen* screen_of(const QWidget* window) {
    if (window != nullptr && window->screen() != nullptr) {
        return window->screen();
    }
    return QGuiApplication::primaryScreen();
}

QPoint screen_origin(const QWidget* window) {
    const QScreen* screen = screen_of(window);
    return screen != nullptr ? screen->geometry().topLeft() : QPoint{};
}

} // namespace halvora::qt
