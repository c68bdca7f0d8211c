#include "x_first_paint.h"

#include "child.h"

#include <xcb/xcb.h>
#include <xcb/xcbext.h>

#include <poll.h>
#include <sys/uio.h>

#include <array>
#include <cstdio>
#include <cstdlib>
#include <memory>

namespace halvora::bench {
namespace {

// The DAMAGE extension's few requests and its one event, written out by hand:
// its client library's headers are not among what the project installs.
xcb_extension_t damage_extension{"DAMAGE", 0};
constexpr std::uint8_t damage_query_version = 0;
constexpr std::uint8_t damage_create = 1;
constexpr std::uint8_t damage_report_non_empty = 3;

struct QueryVersionRequest {
    std::uint8_t major_opcode;
    std::uint8_t minor_opcode;
    std::uint16_t length;
    std::uint32_t client_major;
    std::uint32_t client_minor;
};

struct CreateRequest {
    std::uint8_t major_opcode;
    std::uint8_t minor_opcode;
    std::uint16_t length;
    std::uint32_t damage;
    std::uint32_t drawable;
    std::uint8_t level;
    std::array<std::uint8_t, 3> pad;
};

template <typename Request>
unsigned send(xcb_connection_t* connection, std::uint8_t opcode, bool has_reply, Request& request) {
    const xcb_protocol_request_t header{2, &damage_extension, opcode,
                                        static_cast<std::uint8_t>(has_reply ? 0 : 1)};
    std::array<iovec, 4> parts{};
    parts[2].iov_base = &request;
    parts[2].iov_len = sizeof request;
    return xcb_send_request(connection, has_reply ? XCB_REQUEST_CHECKED : 0, parts.data() + 2,
                            &header);
}

// The extension must be told our version before it takes any other request.
bool start_damage(xcb_connection_t* connection) {
    const xcb_query_extension_reply_t* extension =
        xcb_get_extension_data(connection, &damage_extension);
    if (extension == nullptr || extension->present == 0) {
        return false;
    }
    QueryVersionRequest request{0, 0, 0, 1, 1};
    const unsigned sequence = send(connection, damage_query_version, true, request);
    xcb_generic_error_t* error = nullptr;
    void* reply = xcb_wait_for_reply(connection, sequence, &error);
    std::free(error);
    const bool answered = reply != nullptr;
    std::free(reply);
    return answered;
}

void watch_drawing(xcb_connection_t* connection, xcb_window_t window) {
    CreateRequest request{0, 0, 0, xcb_generate_id(connection), window, damage_report_non_empty,
                          {}};
    send(connection, damage_create, false, request);
    xcb_flush(connection);
}

struct Disconnect {
    void operator()(xcb_connection_t* connection) const { xcb_disconnect(connection); }
};

} // namespace

std::optional<XStartup> x_first_paint(const std::vector<char*>& command, int timeout_ms) {
    const std::unique_ptr<xcb_connection_t, Disconnect> owned{xcb_connect(nullptr, nullptr)};
    xcb_connection_t* connection = owned.get();
    if (xcb_connection_has_error(connection) != 0) {
        std::fputs("halvora_measure: cannot reach the X display\n", stderr);
        return std::nullopt;
    }
    if (!start_damage(connection)) {
        std::fputs("halvora_measure: the X server has no DAMAGE extension\n", stderr);
        return std::nullopt;
    }
    const std::uint8_t damage_notify =
        xcb_get_extension_data(connection, &damage_extension)->first_event;
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(connection)).data->root;
    const std::uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_change_window_attributes(connection, root, XCB_CW_EVENT_MASK, &mask);
    // A round trip: the server has taken the mask before the program starts.
    std::free(xcb_get_input_focus_reply(connection, xcb_get_input_focus(connection), nullptr));

    XStartup result;
    const std::int64_t start = monotonic_ns();
    const pid_t child = start_child(command);
    const std::int64_t deadline = start + static_cast<std::int64_t>(timeout_ms) * 1'000'000;
    pollfd descriptor{xcb_get_file_descriptor(connection), POLLIN, 0};
    while (result.painted_ns == 0 && monotonic_ns() < deadline && running(child)) {
        while (xcb_generic_event_t* event = xcb_poll_for_event(connection)) {
            const std::int64_t now = monotonic_ns();
            const std::uint8_t type = event->response_type & 0x7f;
            if (type == XCB_CREATE_NOTIFY) {
                const auto* created = reinterpret_cast<xcb_create_notify_event_t*>(event);
                watch_drawing(connection, created->window);
            } else if (type == XCB_MAP_NOTIFY && result.mapped_ns == 0) {
                result.mapped_ns = now - start;
            } else if (type == damage_notify && result.painted_ns == 0) {
                result.painted_ns = now - start;
            }
            std::free(event);
        }
        if (xcb_connection_has_error(connection) != 0) {
            break;
        }
        poll(&descriptor, 1, 20);
    }
    result.peak_rss_kib = end_child(child);
    if (result.painted_ns == 0) {
        std::fputs("halvora_measure: no frame from the program in time\n", stderr);
        return std::nullopt;
    }
    return result;
}

} // namespace halvora::bench
