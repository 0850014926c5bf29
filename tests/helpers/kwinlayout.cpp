// kwinlayout <output> <x>,<y> <scale>...: lays KWin's outputs out through its output management:
// each named output at its place in the logical layout and at its scale, the first named the
// primary (KWin 5.27's priorities). Ends once KWin has applied the layout (0) or refused it (1).
#include "kde-output-device-v2.h"
#include "kde-output-management-v2.h"

#include <cstdio>
#include <cstring>
#include <map>
#include <string>

using Devices = std::map<std::string, kde_output_device_v2 *>;
enum { NameEvent = 14 }; // kde_output_device_v2.name: the only event wanted of a device

static void announced(void *data, wl_registry *registry, uint32_t name, const char *interface,
                      uint32_t version)
{
    auto **globals = static_cast<void **>(data); // the management, then the devices by name
    if (std::strcmp(interface, kde_output_management_v2_interface.name) == 0 && version >= 3)
        globals[0] = wl_registry_bind(registry, name, &kde_output_management_v2_interface, 3);
    else if (std::strcmp(interface, kde_output_device_v2_interface.name) == 0 && version >= 2)
        wl_proxy_add_dispatcher(
            static_cast<wl_proxy *>(
                wl_registry_bind(registry, name, &kde_output_device_v2_interface, 2)),
            [](const void *devices, void *device, uint32_t event, const wl_message *,
               wl_argument *args) {
                if (event == NameEvent)
                    (*static_cast<Devices *>(const_cast<void *>(devices)))[args[0].s] =
                        static_cast<kde_output_device_v2 *>(device);
                return 0;
            },
            globals[1], nullptr);
}
static void removed(void *, wl_registry *, uint32_t) {}

int main(int argc, char **argv)
{
    Devices devices;
    void *globals[2] = {nullptr, &devices};
    wl_display *display = wl_display_connect(nullptr);
    static const wl_registry_listener listener = {announced, removed};
    if (display)
        wl_registry_add_listener(wl_display_get_registry(display), &listener, globals),
            wl_display_roundtrip(display), wl_display_roundtrip(display);
    auto *management = static_cast<kde_output_management_v2 *>(globals[0]);
    kde_output_configuration_v2 *config =
        management ? kde_output_management_v2_create_configuration(management) : nullptr;
    int applied = -1;
    static const kde_output_configuration_v2_listener answers = {
        [](void *result, kde_output_configuration_v2 *) { *static_cast<int *>(result) = 1; },
        [](void *result, kde_output_configuration_v2 *) { *static_cast<int *>(result) = 0; }};
    for (int i = 1, x = 0, y = 0; config && i < argc; i += 3) {
        double scale = 0;
        kde_output_device_v2 *device = devices.count(argv[i]) ? devices[argv[i]] : nullptr;
        if (!device || i + 2 >= argc || std::sscanf(argv[i + 1], "%d,%d", &x, &y) != 2 ||
            std::sscanf(argv[i + 2], "%lf", &scale) != 1)
            config = nullptr;
        else
            kde_output_configuration_v2_position(config, device, x, y),
                kde_output_configuration_v2_scale(config, device, wl_fixed_from_double(scale)),
                kde_output_configuration_v2_set_priority(config, device, uint32_t(i / 3 + 1));
    }
    if (!config || argc < 4) {
        std::fprintf(stderr, "usage: kwinlayout <output> <x>,<y> <scale>... on KWin 5.27\n");
        return 2;
    }
    kde_output_configuration_v2_add_listener(config, &answers, &applied);
    kde_output_configuration_v2_apply(config);
    while (applied < 0 && wl_display_dispatch(display) >= 0) {
    }
    return applied == 1 ? 0 : 1;
}
