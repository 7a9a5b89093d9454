// StartWatch.cpp: starts a program and waits, on X events, for its window titled TITLE to be exposed.
//
// Usage: quarry-startwatch TITLE PROGRAM [ARGUMENT...]
// Prints "<milliseconds from start to the window's first Expose> <VmRSS in KiB a quarter second
// later, once it has painted>" and ends the program again. Every window created on the root gets an Expose/structure selection as
// soon as its CreateNotify arrives, before a window manager has mapped it; a window that happens to
// be viewable already when the selection is made counts as exposed at that moment.
#include <xcb/xcb.h>

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <fstream>
#include <memory>
#include <set>
#include <string>

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
    double exposedAt = -1;
    const double deadline = start + 30000;
    while (exposedAt < 0) {
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
            watched.insert(window);
            std::unique_ptr<xcb_get_window_attributes_reply_t, decltype(&std::free)> attributes(
                xcb_get_window_attributes_reply(connection, xcb_get_window_attributes(connection, window), nullptr),
                &std::free);
            if (attributes && attributes->map_state == XCB_MAP_STATE_VIEWABLE && titled(window))
                exposedAt = nowMs();
        } else if (type == XCB_EXPOSE) {
            const auto* expose = reinterpret_cast<xcb_expose_event_t*>(event);
            if (watched.count(expose->window) && titled(expose->window))
                exposedAt = nowMs();
        }
        std::free(event);
    }
    if (exposedAt < 0) {
        std::fprintf(stderr, "quarry-startwatch: no window titled \"%s\" was exposed\n", title.c_str());
        stop(pid);
        xcb_disconnect(connection);
        return 1;
    }
    // The program paints in answer to the Expose; its resident size is read once that is surely done.
    usleep(250000);
    const long rss = residentKiB(pid);
    std::printf("%.1f %ld\n", exposedAt - start, rss);
    std::fflush(stdout);
    stop(pid);
    xcb_disconnect(connection);
    return 0;
}
