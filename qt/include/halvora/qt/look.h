// The window's fonts, colours and icon, with fallbacks for systems that lack
// the fonts the design names.
#pragma once

#include <halvora/mainwindow/controls.h>

#include <QColor>
#include <QFont>
#include <QIcon>
#include <QPixmap>

namespace halvora::qt {

// MS Sans Serif 8.25 points, or the closest sans-serif the system has.
QFont sans_font();
// Times New Roman 12 points bold, or its metric twin, or any serif.
QFont serif_bold_font();
// Arial 13.5 points, or its metric twin.
QFont product_font();

QColor to_qcolor(Colour colour);

// The program's picture, a calendar leaf, at `size` pixels square.
QPixmap program_pixmap(int size);
// 32 x 32 as designed, with smaller and larger renderings for the desktop.
QIcon program_icon();

} // namespace halvora::qt
