#include <halvora/qt/x11.h>

#include <QGuiApplication>
#include <QWindow>

#include <xcb/xcb.h>

#include <cstdint>
#include <cstdlib>
#include <memory>
#include <string>
#include <string_view>

namespace halvora::qt::x11 {
namespace {

template <typename Reply> using Owned = std::unique_ptr<Reply, decltype(&std::free)>;

template <typename Reply> Owned<Reply> owned(Reply* reply) {
    return Owned<Reply>{reply, &std::free};
}

xcb_connection_t* connection() {
    const auto* x11 = qGuiApp != nullptr
                          ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>()
                          : nullptr;
    return x11 != nullptr ? x11->connection() : nullptr;
}

xcb_window_t root_of(xcb_connection_t* c) {
    const xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(c)).data;
    return screen != nullptr ? screen->root : xcb_window_t{XCB_WINDOW_NONE};
}

} // namespace

bool pointer_button_held() {
    xcb_connection_t* c = connection();
    if (c == nullptr) {
        return false;
    }
    const auto reply = owned(xcb_query_pointer_reply(c, xcb_query_pointer(c, root_of(c)), nullptr));
    constexpr unsigned buttons = XCB_BUTTON_MASK_1 | XCB_BUTTON_MASK_2 | XCB_BUTTON_MASK_3;
    return reply != nullptr && (reply->mask & buttons) != 0;
}

bool buttons_seen_on_frames() {
    xcb_connection_t* c = connection();
    if (c == nullptr) {
        return true;
    }
    // XWayland names itself in an extension only from version 23.1 on; before
    // that the session's Wayland display beside the X one tells.
    if (!qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY")) {
        return false;
    }
    constexpr std::string_view xwayland = "XWAYLAND";
    const auto reply = owned(xcb_query_extension_reply(
        c, xcb_query_extension(c, static_cast<std::uint16_t>(xwayland.size()), xwayland.data()),
        nullptr));
    return reply == nullptr || reply->present == 0;
}

std::string window_manager_name() {
    xcb_connection_t* c = connection();
    if (c == nullptr) {
        return {};
    }
    const auto atom = [c](std::string_view name) {
        const auto reply = owned(xcb_intern_atom_reply(
            c, xcb_intern_atom(c, 0, static_cast<std::uint16_t>(name.size()), name.data()),
            nullptr));
        return reply != nullptr ? reply->atom : xcb_atom_t{XCB_ATOM_NONE};
    };
    // The check window may be gone with a window manager that ended: the
    // error is ours to drop, not one for Qt to report.
    const auto property = [c](xcb_window_t window, xcb_atom_t name, xcb_atom_t type) {
        xcb_generic_error_t* error = nullptr;
        auto reply = owned(
            xcb_get_property_reply(c, xcb_get_property(c, 0, window, name, type, 0, 256), &error));
        std::free(error);
        return reply;
    };
    // The window manager names a window of its own on the root window, and
    // itself on that window.
    const auto check = property(root_of(c), atom("_NET_SUPPORTING_WM_CHECK"), XCB_ATOM_WINDOW);
    if (check == nullptr || check->format != 32 || xcb_get_property_value_length(check.get()) < 4) {
        return {};
    }
    const xcb_window_t own = *static_cast<const xcb_window_t*>(xcb_get_property_value(check.get()));
    const auto name = property(own, atom("_NET_WM_NAME"), atom("UTF8_STRING"));
    if (name == nullptr || name->format != 8) {
        return {};
    }
    return {static_cast<const char*>(xcb_get_property_value(name.get())),
            static_cast<std::size_t>(xcb_get_property_value_length(name.get()))};
}

std::optional<QRect> client_geometry(const QWindow& window) {
    xcb_connection_t* c = connection();
    if (c == nullptr || window.handle() == nullptr) {
        return std::nullopt;
    }
    const auto id = static_cast<xcb_window_t>(window.winId());
    const auto size = owned(xcb_get_geometry_reply(c, xcb_get_geometry(c, id), nullptr));
    const auto place = owned(xcb_translate_coordinates_reply(
        c, xcb_translate_coordinates(c, id, root_of(c), 0, 0), nullptr));
    if (size == nullptr || place == nullptr) {
        return std::nullopt;
    }
    return QRect{place->dst_x, place->dst_y, size->width, size->height};
}

} // namespace halvora::qt::x11
