// XPing.cpp: asks a window's client whether its event loop still answers, with a round trip the
// client must answer itself: the drag-and-drop protocol's XdndPosition, answered by XdndStatus
// sent straight back to us. (A _NET_WM_PING answer goes only to the window manager, so a second
// client cannot see it.) The pretend drag is entered and left at once; no drop ever happens.
// The end-to-end runs use it to tell a hung program from one that merely shows no change.
//
// Usage: quarry-xping WINDOW_ID [TIMEOUT_MS]
// Exit status: 0 answered, 1 no answer in time (default 5000 ms), 2 usage or no X connection,
// 3 the window does not take drag-and-drop messages (it has no XdndAware property).
#include <xcb/xcb.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <poll.h>

namespace {

constexpr uint32_t kXdndVersion = 5;

xcb_atom_t atom(xcb_connection_t* connection, const char* name)
{
    const auto cookie = xcb_intern_atom(connection, 0, static_cast<uint16_t>(std::strlen(name)), name);
    std::unique_ptr<xcb_intern_atom_reply_t, decltype(&std::free)> reply(
        xcb_intern_atom_reply(connection, cookie, nullptr), &std::free);
    return reply ? reply->atom : static_cast<xcb_atom_t>(XCB_ATOM_NONE);
}

bool hasProperty(xcb_connection_t* connection, xcb_window_t window, xcb_atom_t property)
{
    const auto cookie = xcb_get_property(connection, 0, window, property, XCB_ATOM_ANY, 0, 1);
    std::unique_ptr<xcb_get_property_reply_t, decltype(&std::free)> reply(
        xcb_get_property_reply(connection, cookie, nullptr), &std::free);
    return reply && reply->type != XCB_ATOM_NONE;
}

void send(xcb_connection_t* connection, xcb_window_t target, xcb_atom_t type, const uint32_t (&data)[5])
{
    xcb_client_message_event_t message {};
    message.response_type = XCB_CLIENT_MESSAGE;
    message.format = 32;
    message.window = target;
    message.type = type;
    std::memcpy(message.data.data32, data, sizeof data);
    xcb_send_event(connection, 0, target, XCB_EVENT_MASK_NO_EVENT, reinterpret_cast<const char*>(&message));
}

int usage()
{
    std::fprintf(stderr, "usage: quarry-xping WINDOW_ID [TIMEOUT_MS]\n");
    return 2;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc < 2 || argc > 3)
        return usage();
    char* end = nullptr;
    const unsigned long id = std::strtoul(argv[1], &end, 0);
    const long timeoutMs = argc == 3 ? std::strtol(argv[2], nullptr, 10) : 5000;
    if (*end != '\0' || id == 0 || timeoutMs <= 0)
        return usage();
    int screenNumber = 0;
    xcb_connection_t* connection = xcb_connect(nullptr, &screenNumber);
    if (xcb_connection_has_error(connection)) {
        std::fprintf(stderr, "quarry-xping: cannot open the display\n");
        return 2;
    }
    xcb_screen_iterator_t screens = xcb_setup_roots_iterator(xcb_get_setup(connection));
    for (int i = 0; i < screenNumber && screens.rem; ++i)
        xcb_screen_next(&screens);
    const xcb_screen_t* screen = screens.data;
    const auto target = static_cast<xcb_window_t>(id);
    if (!hasProperty(connection, target, atom(connection, "XdndAware"))) {
        std::fprintf(stderr, "quarry-xping: window 0x%lx takes no drag-and-drop messages\n", id);
        xcb_disconnect(connection);
        return 3;
    }
    const xcb_atom_t enter = atom(connection, "XdndEnter");
    const xcb_atom_t position = atom(connection, "XdndPosition");
    const xcb_atom_t status = atom(connection, "XdndStatus");
    const xcb_atom_t leave = atom(connection, "XdndLeave");
    const xcb_atom_t copy = atom(connection, "XdndActionCopy");
    const xcb_atom_t text = atom(connection, "text/plain");

    // The drag source: an unmapped window of ours, where the answer is sent.
    const xcb_window_t source = xcb_generate_id(connection);
    xcb_create_window(connection, XCB_COPY_FROM_PARENT, source, screen->root, 0, 0, 1, 1, 0,
        XCB_WINDOW_CLASS_INPUT_ONLY, XCB_COPY_FROM_PARENT, 0, nullptr);

    // A point inside the target, in root coordinates, for the position message.
    std::unique_ptr<xcb_get_geometry_reply_t, decltype(&std::free)> geometry(
        xcb_get_geometry_reply(connection, xcb_get_geometry(connection, target), nullptr), &std::free);
    std::unique_ptr<xcb_translate_coordinates_reply_t, decltype(&std::free)> origin(
        xcb_translate_coordinates_reply(connection,
            xcb_translate_coordinates(connection, target, screen->root, 0, 0), nullptr),
        &std::free);
    if (!geometry || !origin) {
        std::fprintf(stderr, "quarry-xping: window 0x%lx is gone\n", id);
        xcb_disconnect(connection);
        return 3;
    }
    const uint32_t x = static_cast<uint16_t>(origin->dst_x + geometry->width / 2);
    const uint32_t y = static_cast<uint16_t>(origin->dst_y + geometry->height / 2);

    send(connection, target, enter, { source, kXdndVersion << 24, text, XCB_ATOM_NONE, XCB_ATOM_NONE });
    send(connection, target, position, { source, 0, (x << 16) | y, XCB_CURRENT_TIME, copy });
    xcb_flush(connection);

    int result = 1;
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
    pollfd descriptor { xcb_get_file_descriptor(connection), POLLIN, 0 };
    while (result == 1) {
        while (xcb_generic_event_t* event = xcb_poll_for_event(connection)) {
            if ((event->response_type & 0x7f) == XCB_CLIENT_MESSAGE) {
                const auto* reply = reinterpret_cast<const xcb_client_message_event_t*>(event);
                if (reply->type == status && reply->data.data32[0] == target)
                    result = 0;
            }
            std::free(event);
        }
        if (result == 0 || xcb_connection_has_error(connection))
            break;
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
            deadline - std::chrono::steady_clock::now()).count();
        if (left <= 0)
            break;
        poll(&descriptor, 1, static_cast<int>(left));
    }
    send(connection, target, leave, { source, 0, 0, 0, 0 });
    xcb_destroy_window(connection, source);
    xcb_flush(connection);
    xcb_disconnect(connection);
    if (result != 0)
        std::fprintf(stderr, "quarry-xping: no answer from window 0x%lx within %ld ms\n", id, timeoutMs);
    return result;
}
