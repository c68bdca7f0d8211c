// What only the X server can tell, asked directly: Qt keeps no record of what
// the pointer does while a window manager holds it, and its record of a
// window's place is what it last asked for or was told, which a window manager
// need not keep to.
#pragma once

#include <QRect>

#include <optional>

class QWindow;

namespace halvora::qt::x11 {

// Whether a mouse button is held down anywhere on the screen, for instance on
// a window's border while the window manager resizes it. False when the
// program does not run on X11.
[[nodiscard]] bool pointer_button_held();

// Where the X server has the window's client area now, in the server's pixels
// from the top left corner of the root window; none off X11.
[[nodiscard]] std::optional<QRect> client_geometry(const QWindow& window);

} // namespace halvora::qt::x11
