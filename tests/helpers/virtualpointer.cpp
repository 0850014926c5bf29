// virtualpointer <width> <height> x,y|down|up...: one pointer device of a wlroots compositor, kept
// for the whole gesture, moves in the <width> x <height> layout and the left button, 80 ms apart.
// The protocol's description ships with no Debian package, so its two interfaces are written here.
#include <wayland-client.h>

#include <cstdio>
#include <cstring>
#include <unistd.h>

// clang-format off
extern const wl_interface pointerInterface;
static const wl_interface *createTypes[] = {&wl_seat_interface, &pointerInterface}, *none[5] = {};
static const wl_message managerRequests[] = {{"create_virtual_pointer", "?on", createTypes}};
static const wl_interface managerInterface = {"zwlr_virtual_pointer_manager_v1", 1, 1, managerRequests, 0, nullptr};
enum { MotionAbsolute = 1, Button = 2, Frame = 4 }; // request numbers of the pointer
static const wl_message pointerRequests[] = {{"motion", "uff", none}, {"motion_absolute", "uuuuu", none},
                                             {"button", "uuu", none}, {"axis", "uuf", none}, {"frame", "", none}};
const wl_interface pointerInterface = {"zwlr_virtual_pointer_v1", 1, 5, pointerRequests, 0, nullptr};
// clang-format on

static void announced(void *manager, wl_registry *registry, uint32_t name, const char *interface,
                      uint32_t)
{
    if (std::strcmp(interface, managerInterface.name) == 0)
        *static_cast<void **>(manager) = wl_registry_bind(registry, name, &managerInterface, 1);
}
static void removed(void *, wl_registry *, uint32_t) {}

int main(int argc, char **argv)
{
    unsigned width = 0, height = 0, x = 0, y = 0;
    wl_display *display = wl_display_connect(nullptr);
    wl_registry *registry = display ? wl_display_get_registry(display) : nullptr;
    static const wl_registry_listener listener = {announced, removed};
    wl_proxy *manager = nullptr;
    if (registry && wl_registry_add_listener(registry, &listener, &manager) == 0)
        wl_display_roundtrip(display);
    if (argc < 3 || std::sscanf(argv[1], "%u", &width) != 1 ||
        std::sscanf(argv[2], "%u", &height) != 1 || !manager) {
        std::fprintf(stderr, "usage: virtualpointer <width> <height> x,y|down|up... on a "
                             "compositor with virtual pointers\n");
        return 2;
    }
    wl_proxy *pointer =
        wl_proxy_marshal_constructor(manager, 0, &pointerInterface, nullptr, nullptr);
    int status = 0;
    for (int i = 3; i < argc && status == 0; ++i) {
        const bool button = std::strcmp(argv[i], "down") == 0 || std::strcmp(argv[i], "up") == 0;
        if (button)
            wl_proxy_marshal(pointer, Button, 80u * i, 0x110u /* BTN_LEFT */,
                             argv[i][0] == 'd' ? 1u : 0u);
        else if (std::sscanf(argv[i], "%u,%u", &x, &y) == 2)
            wl_proxy_marshal(pointer, MotionAbsolute, 80u * i, x, y, width, height);
        else
            status = 2;
        wl_proxy_marshal(pointer, Frame);
        if (wl_display_roundtrip(display) < 0)
            status = 1;
        usleep(80000);
    }
    wl_proxy_destroy(pointer);
    wl_proxy_destroy(manager);
    wl_registry_destroy(registry);
    wl_display_disconnect(display);
    return status;
}
