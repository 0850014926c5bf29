#include "waylandoutputs.h"

#include <wayland-client.h>

#include <QStringList>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <poll.h>

namespace QMWidgets {

namespace {

// xdg-output (unstable v1), written out as wayland-scanner would generate it: its description
// ships in wayland-protocols, which the build does not need for the other protocols either.
// clang-format off
extern const wl_interface xdgOutputInterface;
const wl_interface *noTypes[4] = {};
const wl_interface *getXdgOutputTypes[] = {&xdgOutputInterface, &wl_output_interface};
const wl_message xdgManagerRequests[] = {{"destroy", "", noTypes}, {"get_xdg_output", "no", getXdgOutputTypes}};
const wl_interface xdgManagerInterface = {"zxdg_output_manager_v1", 3, 2, xdgManagerRequests, 0, nullptr};
const wl_message xdgOutputRequests[] = {{"destroy", "", noTypes}};
const wl_message xdgOutputEvents[] = {{"logical_position", "ii", noTypes}, {"logical_size", "ii", noTypes},
                                      {"done", "", noTypes}, {"name", "2s", noTypes},
                                      {"description", "2s", noTypes}};
const wl_interface xdgOutputInterface = {"zxdg_output_v1", 3, 1, xdgOutputRequests, 5, xdgOutputEvents};
// KWin's output order (kde_output_order_v1): the outputs' names, its primary first.
const wl_message orderRequests[] = {{"destroy", "", noTypes}};
const wl_message orderEvents[] = {{"output", "s", noTypes}, {"done", "", noTypes}};
const wl_interface orderInterface = {"kde_output_order_v1", 1, 1, orderRequests, 2, orderEvents};
// clang-format on
enum { XdgManagerDestroy = 0, GetXdgOutput = 1, XdgOutputDestroy = 0, OrderDestroy = 0 };

struct OrderListener
{
    void (*output)(void *, wl_proxy *, const char *);
    void (*done)(void *, wl_proxy *);
};
const OrderListener orderListener = {
    [](void *data, wl_proxy *, const char *name) {
        *static_cast<QStringList *>(data) << QString::fromUtf8(name);
    },
    [](void *, wl_proxy *) {},
};

struct XdgOutputListener
{
    void (*logicalPosition)(void *, wl_proxy *, int32_t, int32_t);
    void (*logicalSize)(void *, wl_proxy *, int32_t, int32_t);
    void (*done)(void *, wl_proxy *);
    void (*name)(void *, wl_proxy *, const char *);
    void (*description)(void *, wl_proxy *, const char *);
};

WaylandOutput *outputOf(void *data)
{
    return static_cast<WaylandOutput *>(data);
}

const XdgOutputListener xdgOutputListener = {
    [](void *data, wl_proxy *, int32_t x, int32_t y) {
        outputOf(data)->logicalPosition = {x, y};
    },
    [](void *data, wl_proxy *, int32_t w, int32_t h) {
        outputOf(data)->logicalSize = {w, h};
    },
    [](void *, wl_proxy *) {},
    [](void *data, wl_proxy *, const char *name) {
        outputOf(data)->name = QString::fromUtf8(name);
    },
    [](void *, wl_proxy *, const char *) {},
};

const wl_output_listener outputListener = {
    [](void *data, wl_output *, int32_t x, int32_t y, int32_t, int32_t, int32_t, const char *,
       const char *, int32_t transform) {
        outputOf(data)->position = {x, y};
        outputOf(data)->transform = transform;
    },
    [](void *data, wl_output *, uint32_t flags, int32_t width, int32_t height, int32_t) {
        if (flags & WL_OUTPUT_MODE_CURRENT)
            outputOf(data)->mode = {width, height};
    },
    [](void *, wl_output *) {},
    [](void *data, wl_output *, int32_t factor) { outputOf(data)->scale = factor; },
    [](void *data, wl_output *, const char *name) {
        // xdg-output's name, where it has one, is the same.
        if (outputOf(data)->name.isEmpty())
            outputOf(data)->name = QString::fromUtf8(name);
    },
    [](void *, wl_output *, const char *) {},
};

} // namespace

QSize transformedSize(const QSize &mode, int transform)
{
    // WL_OUTPUT_TRANSFORM_90 and _270, and their flipped forms, are the odd values.
    return transform & 1 ? mode.transposed() : mode;
}

QSize WaylandOutput::pixels() const
{
    return transformedSize(mode, transform);
}

QRect WaylandOutput::logical() const
{
    if (!logicalSize.isEmpty())
        return QRect(logicalPosition, logicalSize);
    // Without xdg-output: what the core protocol tells, right for whole-number scales.
    return QRect(position, pixels() / qMax(scale, 1));
}

WaylandOutputs::WaylandOutputs(QDeadlineTimer deadline)
{
    display = wl_display_connect(nullptr);
    if (!display)
        return;
    registry = wl_display_get_registry(display);
    static const wl_registry_listener listener = {&WaylandOutputs::announced,
                                                  &WaylandOutputs::removed};
    if (!registry || wl_registry_add_listener(registry, &listener, this) != 0 ||
        !roundtrip(deadline))
        return;
    for (const Global &global : qAsConst(globals)) {
        if (global.interface != wl_output_interface.name)
            continue;
        auto output = std::make_unique<WaylandOutput>();
        output->global = global.name;
        // Version 4 adds the name, for compositors without xdg-output.
        output->output = static_cast<wl_proxy *>(wl_registry_bind(
            registry, global.name, &wl_output_interface, qMin<quint32>(global.version, 4)));
        wl_proxy_add_listener(
            output->output,
            reinterpret_cast<void (**)(void)>(const_cast<wl_output_listener *>(&outputListener)),
            output.get());
        known.push_back(std::move(output));
    }
    xdgManager = bind(&xdgManagerInterface, 3);
    if (xdgManager) {
        for (const auto &output : known) {
            output->xdgOutput = wl_proxy_marshal_constructor(
                xdgManager, GetXdgOutput, &xdgOutputInterface, nullptr, output->output);
            wl_proxy_add_listener(output->xdgOutput,
                                  reinterpret_cast<void (**)(void)>(
                                      const_cast<XdgOutputListener *>(&xdgOutputListener)),
                                  output.get());
        }
    }
    // Qt takes the first output it is told of for the primary; KWin's primary may be another.
    QStringList order;
    wl_proxy *orderObject = bind(&orderInterface, 1);
    if (orderObject)
        wl_proxy_add_listener(
            orderObject,
            reinterpret_cast<void (**)(void)>(const_cast<OrderListener *>(&orderListener)), &order);
    valid = roundtrip(deadline);
    if (orderObject) {
        wl_proxy_marshal(orderObject, OrderDestroy);
        wl_proxy_destroy(orderObject);
    }
    const auto rank = [&order](const std::unique_ptr<WaylandOutput> &output) {
        return uint(order.indexOf(output->name)); // unnamed ones (-1) last
    };
    std::stable_sort(known.begin(), known.end(),
                     [&rank](const auto &a, const auto &b) { return rank(a) < rank(b); });
}

WaylandOutputs::~WaylandOutputs()
{
    if (!display)
        return;
    for (const auto &output : known) {
        if (output->xdgOutput) {
            wl_proxy_marshal(output->xdgOutput, XdgOutputDestroy);
            wl_proxy_destroy(output->xdgOutput);
        }
        if (wl_proxy_get_version(output->output) >= WL_OUTPUT_RELEASE_SINCE_VERSION)
            wl_output_release(reinterpret_cast<wl_output *>(output->output));
        else
            wl_proxy_destroy(output->output);
    }
    if (xdgManager) {
        wl_proxy_marshal(xdgManager, XdgManagerDestroy);
        wl_proxy_destroy(xdgManager);
    }
    if (registry)
        wl_registry_destroy(registry);
    // Disconnecting sends nothing more; the compositor drops what was bound with the connection.
    wl_display_flush(display);
    wl_display_disconnect(display);
}

void WaylandOutputs::announced(void *data, wl_registry *, uint32_t name, const char *interface,
                               uint32_t version)
{
    static_cast<WaylandOutputs *>(data)->globals << Global{name, interface, version};
}

void WaylandOutputs::removed(void *data, wl_registry *, uint32_t name)
{
    auto *self = static_cast<WaylandOutputs *>(data);
    for (int i = self->globals.size() - 1; i >= 0; --i) {
        if (self->globals.at(i).name == name)
            self->globals.removeAt(i);
    }
}

QList<OutputGeometry> WaylandOutputs::geometries() const
{
    QList<OutputGeometry> result;
    for (const auto &output : known) {
        if (!output->mode.isEmpty())
            result << OutputGeometry{output->name, output->logical(), output->pixels()};
    }
    return result;
}

bool WaylandOutputs::offers(const wl_interface *interface) const
{
    return std::any_of(globals.begin(), globals.end(), [interface](const Global &global) {
        return global.interface == interface->name;
    });
}

wl_proxy *WaylandOutputs::bind(const wl_interface *interface, quint32 highestVersion)
{
    for (const Global &global : qAsConst(globals)) {
        if (global.interface == interface->name)
            return static_cast<wl_proxy *>(wl_registry_bind(registry, global.name, interface,
                                                            qMin(global.version, highestVersion)));
    }
    return nullptr;
}

bool WaylandOutputs::roundtrip(QDeadlineTimer deadline)
{
    if (!display)
        return false;
    bool answered = false;
    wl_callback *callback = wl_display_sync(display);
    static const wl_callback_listener listener = {
        [](void *data, wl_callback *, uint32_t) { *static_cast<bool *>(data) = true; }};
    wl_callback_add_listener(callback, &listener, &answered);
    const bool ok = dispatchUntil([&answered] { return answered; }, deadline);
    wl_callback_destroy(callback);
    return ok;
}

bool WaylandOutputs::dispatchUntil(const std::function<bool()> &done, QDeadlineTimer deadline)
{
    if (!display)
        return false;
    // wl_display_roundtrip() and wl_display_dispatch() would wait without end; this is their
    // loop with a poll() that gives up at the deadline.
    const int fd = wl_display_get_fd(display);
    while (!done()) {
        if (wl_display_prepare_read(display) != 0) {
            if (wl_display_dispatch_pending(display) < 0)
                return false;
            continue;
        }
        short waitFor = POLLIN;
        // A full socket takes the rest of the requests once the compositor has read some.
        if (wl_display_flush(display) < 0) {
            if (errno != EAGAIN) {
                wl_display_cancel_read(display);
                return false;
            }
            waitFor |= POLLOUT;
        }
        const qint64 left = deadline.remainingTime();
        pollfd wait = {fd, waitFor, 0};
        const int ready = left == 0 ? 0 : poll(&wait, 1, int(qMin<qint64>(left, 60000)));
        if (ready <= 0 || !(wait.revents & (POLLIN | POLLERR | POLLHUP))) {
            wl_display_cancel_read(display);
            if (ready < 0 && errno != EINTR)
                return false;
            if (ready == 0 && deadline.hasExpired())
                return false;
            continue;
        }
        if (wl_display_read_events(display) < 0 || wl_display_dispatch_pending(display) < 0)
            return false;
    }
    return wl_display_get_error(display) == 0;
}

} // namespace QMWidgets
