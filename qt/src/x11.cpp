#include <halvora/qt/x11.h>

#include <QGuiApplication>
#include <QWindow>

#include <xcb/xcb.h>

#include <cstdlib>
#include <memory>

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
