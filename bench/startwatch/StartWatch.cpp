// StartWatch.cpp: starts a program and waits, on X events, for its window titled TITLE to be
// mapped and painted.
//
// Usage: quarry-startwatch TITLE PROGRAM [ARGUMENT...]
// Prints "<ms from start to the window painted> <VmRSS in KiB a quarter second later> <ms from
// start to its first Expose>" and ends the program again. Every window created on the root gets an
// Expose/structure selection and a damage monitor as soon as its CreateNotify arrives, before a
// window manager has mapped it. The window counts as painted at its first DamageNotify once it has
// been exposed: the program draws nothing into a window it has not been shown, and Qt's windows
// have no background for the server to fill, so the first damage is the program's own drawing.
// Without the DAMAGE extension the time runs to the first Expose (with a note on stderr).
#include <xcb/xcb.h>
#include <xcb/xcbext.h>

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <fstream>
#include <memory>
#include <set>
#include <string>

#include <sys/uio.h>

#include <poll.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

double nowMs()
{
    timespec ts {};
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return double(ts.tv_sec) * 1e3 + double(ts.tv_nsec) / 1e6;
}

xcb_atom_t atom(xcb_connection_t* connection, const char* name)
{
    std::unique_ptr<xcb_intern_atom_reply_t, decltype(&std::free)> reply(
        xcb_intern_atom_reply(connection, xcb_intern_atom(connection, 0, std::uint16_t(std::strlen(name)), name), nullptr),
        &std::free);
    return reply ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
}

std::string property(xcb_connection_t* connection, xcb_window_t window, xcb_atom_t name)
{
    std::unique_ptr<xcb_get_property_reply_t, decltype(&std::free)> reply(
        xcb_get_property_reply(connection,
            xcb_get_property(connection, 0, window, name, XCB_GET_PROPERTY_TYPE_ANY, 0, 1024), nullptr),
        &std::free);
    if (!reply || reply->format != 8)
        return {};
    return std::string(static_cast<const char*>(xcb_get_property_value(reply.get())),
                       std::size_t(xcb_get_property_value_length(reply.get())));
}

long residentKiB(pid_t pid)
{
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind("VmRSS:", 0) == 0)
            return std::strtol(line.c_str() + 6, nullptr, 10);
    }
    return -1;
}

// The DAMAGE extension, spoken directly (its client library is not needed for two requests).
xcb_extension_t g_damageExtension = { "DAMAGE", 0 };
constexpr std::uint8_t DamageQueryVersion = 0;
constexpr std::uint8_t DamageCreate = 1;
constexpr std::uint8_t DamageReportNonEmpty = 3;

// The first event code of DAMAGE (its DamageNotify), or -1 when the server lacks it.
int damageEvent(xcb_connection_t* connection)
{
    const xcb_query_extension_reply_t* extension = xcb_get_extension_data(connection, &g_damageExtension);
    if (!extension || !extension->present)
        return -1;
    struct {
        std::uint8_t major;
        std::uint8_t minor;
        std::uint16_t length;
        std::uint32_t clientMajor;
        std::uint32_t clientMinor;
    } request { 0, 0, 0, 1, 1 };
    const xcb_protocol_request_t protocol { 2, &g_damageExtension, DamageQueryVersion, 0 };
    iovec parts[4] {};
    parts[2].iov_base = &request;
    parts[2].iov_len = sizeof request;
    const unsigned int sequence = xcb_send_request(connection, XCB_REQUEST_CHECKED, parts + 2, &protocol);
    xcb_generic_error_t* error = nullptr;
    void* reply = xcb_wait_for_reply(connection, sequence, &error);
    std::free(error);
    if (!reply)
        return -1;
    std::free(reply);
    return extension->first_event;
}

// A damage monitor on the window, reporting once when it first gets drawn into.
void watchDamage(xcb_connection_t* connection, xcb_window_t window)
{
    struct {
        std::uint8_t major;
        std::uint8_t minor;
        std::uint16_t length;
        std::uint32_t damage;
        std::uint32_t drawable;
        std::uint8_t level;
        std::uint8_t pad[3];
    } request { 0, 0, 0, xcb_generate_id(connection), window, DamageReportNonEmpty, { 0, 0, 0 } };
    const xcb_protocol_request_t protocol { 2, &g_damageExtension, DamageCreate, 1 };
    iovec parts[4] {};
    parts[2].iov_base = &request;
    parts[2].iov_len = sizeof request;
    // Unchecked: a window gone before the request arrives only gives an error event, ignored.
    xcb_send_request(connection, 0, parts + 2, &protocol);
}

// The window a DamageNotify is about: its drawable, after type, level and sequence.
xcb_window_t damagedWindow(const xcb_generic_event_t* event)
{
    std::uint32_t drawable = 0;
    std::memcpy(&drawable, reinterpret_cast<const std::uint8_t*>(event) + 4, sizeof drawable);
    return drawable;
}

void stop(pid_t pid)
{
    kill(pid, SIGTERM);
    for (int i = 0; i < 200; ++i) {
        if (waitpid(pid, nullptr, WNOHANG) == pid)
            return;
        usleep(10000);
    }
    kill(pid, SIGKILL);
    waitpid(pid, nullptr, 0);
}

} // namespace

int main(int argc, char** argv)
{
    if (argc < 3) {
        std::fprintf(stderr, "usage: quarry-startwatch TITLE PROGRAM [ARGUMENT...]\n");
        return 2;
    }
    const std::string title = argv[1];
    xcb_connection_t* connection = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(connection)) {
        std::fprintf(stderr, "quarry-startwatch: cannot open the display\n");
        return 1;
    }
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(connection)).data->root;
    const xcb_atom_t netWmName = atom(connection, "_NET_WM_NAME");
    const int damageNotify = damageEvent(connection);
    if (damageNotify < 0)
        std::fprintf(stderr, "quarry-startwatch: no DAMAGE extension: timed to the first Expose\n");
    const std::uint32_t rootMask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    // Checked: the selection is in force before the program starts.
    if (xcb_generic_error_t* error
        = xcb_request_check(connection, xcb_change_window_attributes_checked(connection, root, XCB_CW_EVENT_MASK, &rootMask))) {
        std::free(error);
        std::fprintf(stderr, "quarry-startwatch: cannot watch the root window\n");
        return 1;
    }

    const double start = nowMs();
    const pid_t pid = fork();
    if (pid < 0)
        return 1;
    if (pid == 0) {
        execvp(argv[2], argv + 2);
        std::perror("quarry-startwatch: exec");
        _exit(127);
    }

    const auto titled = [&](xcb_window_t window) {
        const std::string name = property(connection, window, netWmName);
        return (name.empty() ? property(connection, window, XCB_ATOM_WM_NAME) : name) == title;
    };
    std::set<xcb_window_t> watched;
    std::set<xcb_window_t> damaged;
    double exposedAt = -1;
    double paintedAt = -1;
    xcb_window_t shown = XCB_NONE;
    const double deadline = start + 30000;
    while (paintedAt < 0) {
        xcb_generic_event_t* event = xcb_poll_for_event(connection);
        if (!event) {
            if (xcb_connection_has_error(connection) || nowMs() > deadline || waitpid(pid, nullptr, WNOHANG) == pid)
                break;
            pollfd fd { xcb_get_file_descriptor(connection), POLLIN, 0 };
            poll(&fd, 1, 100);
            continue;
        }
        const int type = event->response_type & 0x7f;
        if (type == XCB_CREATE_NOTIFY) {
            const auto* created = reinterpret_cast<xcb_create_notify_event_t*>(event);
            const xcb_window_t window = created->window;
            const std::uint32_t mask = XCB_EVENT_MASK_EXPOSURE | XCB_EVENT_MASK_STRUCTURE_NOTIFY;
            xcb_change_window_attributes(connection, window, XCB_CW_EVENT_MASK, &mask);
            if (damageNotify >= 0)
                watchDamage(connection, window);
            watched.insert(window);
            std::unique_ptr<xcb_get_window_attributes_reply_t, decltype(&std::free)> attributes(
                xcb_get_window_attributes_reply(connection, xcb_get_window_attributes(connection, window), nullptr),
                &std::free);
            if (attributes && attributes->map_state == XCB_MAP_STATE_VIEWABLE && titled(window)) {
                exposedAt = nowMs();
                shown = window;
            }
        } else if (type == XCB_EXPOSE) {
            const auto* expose = reinterpret_cast<xcb_expose_event_t*>(event);
            if (exposedAt < 0 && watched.count(expose->window) && titled(expose->window)) {
                exposedAt = nowMs();
                shown = expose->window;
            }
        } else if (damageNotify >= 0 && type == damageNotify) {
            damaged.insert(damagedWindow(event));
        }
        std::free(event);
        // Drawing reported before the Expose was handled here still counts once it is exposed.
        if (exposedAt >= 0 && (damageNotify < 0 || damaged.count(shown)))
            paintedAt = damageNotify < 0 ? exposedAt : nowMs();
    }
    if (paintedAt < 0) {
        std::fprintf(stderr, "quarry-startwatch: no window titled \"%s\" was painted\n", title.c_str());
        stop(pid);
        xcb_disconnect(connection);
        return 1;
    }
    // The resident size a quarter second after the first paint, once the work that follows it is done.
    usleep(250000);
    const long rss = residentKiB(pid);
    std::printf("%.1f %ld %.1f\n", paintedAt - start, rss, exposedAt - start);
    std::fflush(stdout);
    stop(pid);
    xcb_disconnect(connection);
    return 0;
}
