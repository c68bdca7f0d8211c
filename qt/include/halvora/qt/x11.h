// What only the X server can tell, asked directly: Qt keeps no record of what
// the pointer does while a window manager holds it, and its record of a
// window's place is what it last asked for or was told, which a window manager
// need not keep to.
#pragma once

#include <QRect>

#include <optional>
#include <string>

class QWindow;

namespace halvora::qt::x11 {

// Whether a mouse button is held down anywhere on the screen, for instance on
// a window's border while the window manager resizes it. False when the
// program does not run on X11.
[[nodiscard]] bool pointer_button_held();

// Whether a button held on a window's frame shows in pointer_button_held().
// Not under XWayland: there the compositor handles its frames itself, and the
// X server hears nothing of a button pressed on one.
[[nodiscard]] bool buttons_seen_on_frames();

// The name the running window manager gives itself (_NET_WM_NAME on its
// check window), such as "KWin"; empty when none says, or off X11.
[[nodiscard]] std::string window_manager_name();

// Where the X server has the window's client area now, in the server's pixels
// from the top left corner of the root window; none off X11.
[[nodiscard]] std::optional<QRect> client_geometry(const QWindow& window);

} // namespace halvora::qt::x11
