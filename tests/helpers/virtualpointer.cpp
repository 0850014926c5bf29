// virtualpointer <width> <height> x,y|down|up|key:<code>...: one pointer device of a Wayland
// compositor, kept for the whole gesture, moves in the <width> x <height> layout, presses the left
// button or a key (evdev code), 80 ms apart. wlroots compositors lend a virtual pointer, KWin its
// fake input (to a program that a desktop file names with X-KDE-Wayland-Interfaces). Neither
// protocol's description ships with a Debian package, so their interfaces are written here.
#include <wayland-client.h>

#include <cstdio>
#include <cstring>
#include <initializer_list>
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
enum { Authenticate = 0, FakeButton = 2, FakeMotionAbsolute = 9, FakeKey = 10 };
static const wl_message fakeRequests[] = {{"authenticate", "ss", none}, {"pointer_motion", "ff", none},
    {"button", "uu", none}, {"axis", "uf", none}, {"touch_down", "2uff", none}, {"touch_motion", "2uff", none},
    {"touch_up", "2u", none}, {"touch_cancel", "2", none}, {"touch_frame", "2", none},
    {"pointer_motion_absolute", "3ff", none}, {"keyboard_key", "4uu", none}};
static const wl_interface fakeInterface = {"org_kde_kwin_fake_input", 4, 11, fakeRequests, 0, nullptr};
// clang-format on

struct Globals
{
    wl_proxy *manager = nullptr, *fake = nullptr;
};

static void announced(void *data, wl_registry *registry, uint32_t name, const char *interface,
                      uint32_t version)
{
    auto *globals = static_cast<Globals *>(data);
    if (std::strcmp(interface, managerInterface.name) == 0)
        globals->manager =
            static_cast<wl_proxy *>(wl_registry_bind(registry, name, &managerInterface, 1));
    else if (std::strcmp(interface, fakeInterface.name) == 0 && version >= 4)
        globals->fake =
            static_cast<wl_proxy *>(wl_registry_bind(registry, name, &fakeInterface, 4));
}
static void removed(void *, wl_registry *, uint32_t) {}

int main(int argc, char **argv)
{
    unsigned width = 0, height = 0, x = 0, y = 0, code = 0;
    wl_display *display = wl_display_connect(nullptr);
    wl_registry *registry = display ? wl_display_get_registry(display) : nullptr;
    static const wl_registry_listener listener = {announced, removed};
    Globals globals;
    if (registry && wl_registry_add_listener(registry, &listener, &globals) == 0)
        wl_display_roundtrip(display);
    if (argc < 3 || std::sscanf(argv[1], "%u", &width) != 1 ||
        std::sscanf(argv[2], "%u", &height) != 1 || !(globals.manager || globals.fake)) {
        std::fprintf(stderr, "usage: virtualpointer <width> <height> x,y|down|up|key:<code>... "
                             "on a compositor with virtual pointers or fake input\n");
        return 2;
    }
    wl_proxy *pointer = nullptr;
    if (globals.manager)
        pointer =
            wl_proxy_marshal_constructor(globals.manager, 0, &pointerInterface, nullptr, nullptr);
    else
        wl_proxy_marshal(globals.fake, Authenticate, "virtualpointer", "tests");
    int status = 0;
    for (int i = 3; i < argc && status == 0; ++i) {
        const bool button = std::strcmp(argv[i], "down") == 0 || std::strcmp(argv[i], "up") == 0;
        const unsigned pressed = argv[i][0] == 'd' ? 1u : 0u;
        if (button && pointer)
            wl_proxy_marshal(pointer, Button, 80u * i, 0x110u /* BTN_LEFT */, pressed);
        else if (button)
            wl_proxy_marshal(globals.fake, FakeButton, 0x110u, pressed);
        else if (std::sscanf(argv[i], "%u,%u", &x, &y) == 2 && pointer)
            wl_proxy_marshal(pointer, MotionAbsolute, 80u * i, x, y, width, height);
        else if (std::sscanf(argv[i], "%u,%u", &x, &y) == 2)
            wl_proxy_marshal(globals.fake, FakeMotionAbsolute, wl_fixed_from_int(int(x)),
                             wl_fixed_from_int(int(y)));
        else if (std::sscanf(argv[i], "key:%u", &code) == 1 && globals.fake) {
            wl_proxy_marshal(globals.fake, FakeKey, code, 1u);
            wl_proxy_marshal(globals.fake, FakeKey, code, 0u);
        } else
            status = 2;
        if (pointer)
            wl_proxy_marshal(pointer, Frame);
        if (wl_display_roundtrip(display) < 0)
            status = 1;
        usleep(80000);
    }
    for (wl_proxy *proxy : {pointer, globals.manager, globals.fake})
        if (proxy)
            wl_proxy_destroy(proxy);
    wl_registry_destroy(registry);
    wl_display_disconnect(display);
    return status;
}
