// Times how long a program takes from its start until its window with a given
// title is mapped on the X display, then ends it. Prints milliseconds.
//
//   startup-clock TITLE TIMEOUT_MS PROGRAM [ARGS...]   (PROGRAM looked up in PATH)
//
// Exit status 0 when the window appeared, 1 on a timeout or error. The X
// server reports every window mapped on the root (no window manager runs),
// so nothing is polled and the clock stops at the map itself.
#include <xcb/xcb.h>

#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>

extern char **environ;

namespace {

double nowMs()
{
    timespec t{};
    clock_gettime(CLOCK_MONOTONIC, &t);
    return double(t.tv_sec) * 1000.0 + double(t.tv_nsec) / 1e6;
}

xcb_atom_t atom(xcb_connection_t *c, const char *name)
{
    const xcb_intern_atom_cookie_t cookie =
        xcb_intern_atom(c, 0, uint16_t(std::strlen(name)), name);
    std::unique_ptr<xcb_intern_atom_reply_t, decltype(&std::free)> r(
        xcb_intern_atom_reply(c, cookie, nullptr), &std::free);
    return r ? r->atom : xcb_atom_t(XCB_ATOM_NONE);
}

std::string property(xcb_connection_t *c, xcb_window_t w, xcb_atom_t name)
{
    const xcb_get_property_cookie_t cookie =
        xcb_get_property(c, 0, w, name, XCB_GET_PROPERTY_TYPE_ANY, 0, 256);
    std::unique_ptr<xcb_get_property_reply_t, decltype(&std::free)> r(
        xcb_get_property_reply(c, cookie, nullptr), &std::free);
    if (!r)
        return {};
    return std::string(static_cast<const char *>(xcb_get_property_value(r.get())),
                       std::size_t(xcb_get_property_value_length(r.get())));
}

} // namespace

int main(int argc, char **argv)
{
    if (argc < 4) {
        std::fprintf(stderr, "usage: %s TITLE TIMEOUT_MS PROGRAM [ARGS...]\n", argv[0]);
        return 1;
    }
    const std::string title = argv[1];
    const double timeoutMs = std::atof(argv[2]);
    xcb_connection_t *c = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(c)) {
        std::fprintf(stderr, "no X display\n");
        return 1;
    }
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(c)).data->root;
    const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_change_window_attributes(c, root, XCB_CW_EVENT_MASK, &mask);
    xcb_flush(c);
    const xcb_atom_t netName = atom(c, "_NET_WM_NAME");

    const double start = nowMs();
    pid_t child = 0;
    if (posix_spawnp(&child, argv[3], nullptr, nullptr, argv + 3, environ) != 0) {
        std::fprintf(stderr, "cannot start %s\n", argv[3]);
        return 1;
    }
    double appeared = -1;
    pollfd p{xcb_get_file_descriptor(c), POLLIN, 0};
    while (appeared < 0) {
        const double left = timeoutMs - (nowMs() - start);
        if (left <= 0 || poll(&p, 1, int(left) + 1) < 0)
            break;
        while (xcb_generic_event_t *e = xcb_poll_for_event(c)) {
            if ((e->response_type & 0x7f) == XCB_MAP_NOTIFY && appeared < 0) {
                const auto *map = reinterpret_cast<xcb_map_notify_event_t *>(e);
                const double at = nowMs();
                if (property(c, map->window, netName) == title ||
                    property(c, map->window, XCB_ATOM_WM_NAME) == title)
                    appeared = at;
            }
            std::free(e);
        }
        if (xcb_connection_has_error(c))
            break;
    }
    kill(child, SIGTERM);
    int status = 0;
    waitpid(child, &status, 0);
    xcb_disconnect(c);
    if (appeared < 0) {
        std::fprintf(stderr, "no window \"%s\" within %.0f ms\n", title.c_str(), timeoutMs);
        return 1;
    }
    std::printf("%.1f\n", appeared - start);
    return 0;
}
