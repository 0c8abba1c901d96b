// Watches an X display for top-level windows being mapped, without polling:
//
//   ovcl_map_watch SECONDS NAME...
//
// prints "ready" once it listens, then, for each NAME, the first moment a
// window of exactly that name is mapped, as "INDEX SECONDS-SINCE-THE-EPOCH"
// (INDEX counts the names from 1). Ends once every name has been seen, or
// after SECONDS.
#include <xcb/xcb.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <poll.h>
#include <string>
#include <vector>

namespace {

double now()
{
    timespec t{};
    clock_gettime(CLOCK_REALTIME, &t);
    return t.tv_sec + t.tv_nsec / 1e9;
}

std::string windowName(xcb_connection_t *c, xcb_window_t window)
{
    xcb_get_property_reply_t *reply = xcb_get_property_reply(
        c, xcb_get_property(c, 0, window, XCB_ATOM_WM_NAME, XCB_GET_PROPERTY_TYPE_ANY, 0, 1024), nullptr);
    if (!reply)
        return {};
    std::string name(static_cast<const char *>(xcb_get_property_value(reply)),
                     static_cast<size_t>(xcb_get_property_value_length(reply)));
    std::free(reply);
    return name;
}

} // namespace

int main(int argc, char **argv)
{
    if (argc < 3) {
        std::fprintf(stderr, "usage: %s SECONDS NAME...\n", argv[0]);
        return 2;
    }
    const double end = now() + std::atof(argv[1]);
    const std::vector<std::string> names(argv + 2, argv + argc);
    std::vector<bool> seen(names.size(), false);
    size_t left = names.size();

    xcb_connection_t *c = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(c))
        return 1;
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(c)).data->root;
    const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    if (xcb_generic_error_t *error =
            xcb_request_check(c, xcb_change_window_attributes_checked(c, root, XCB_CW_EVENT_MASK, &mask))) {
        std::free(error);
        return 1;
    }
    std::printf("ready\n");
    std::fflush(stdout);

    pollfd fd{xcb_get_file_descriptor(c), POLLIN, 0};
    while (left > 0 && now() < end) {
        xcb_generic_event_t *event = xcb_poll_for_event(c);
        if (!event) {
            if (xcb_connection_has_error(c))
                return 1;
            poll(&fd, 1, 100);
            continue;
        }
        if ((event->response_type & 0x7f) == XCB_MAP_NOTIFY) {
            const double at = now();
            const std::string name = windowName(c, reinterpret_cast<xcb_map_notify_event_t *>(event)->window);
            for (size_t i = 0; i < names.size(); ++i) {
                if (!seen[i] && names[i] == name) {
                    seen[i] = true;
                    --left;
                    std::printf("%zu %.6f\n", i + 1, at);
                    std::fflush(stdout);
                }
            }
        }
        std::free(event);
    }
    xcb_disconnect(c);
    return left == 0 ? 0 : 1;
}
