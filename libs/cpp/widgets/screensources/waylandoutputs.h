#pragma once

#include "screensource.h"

#include <QDeadlineTimer>
#include <QList>
#include <QPoint>
#include <QSize>
#include <QString>

#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

struct wl_display;
struct wl_interface;
struct wl_proxy;
struct wl_registry;

namespace QMWidgets {

// One output as the compositor describes it on this program's own connection.
struct WaylandOutput
{
    wl_proxy *output = nullptr;    // wl_output
    wl_proxy *xdgOutput = nullptr; // zxdg_output_v1, where the compositor offers it
    quint32 global = 0;
    QString name;
    // From xdg-output: where the output lies in the compositor's logical coordinates.
    QPoint logicalPosition;
    QSize logicalSize;
    // From wl_output: its place as the core protocol gives it, its current mode (in the
    // device's own orientation), its integer scale and its transform (wl_output_transform).
    QPoint position;
    QSize mode;
    int scale = 1;
    int transform = 0;

    // The output's pixels as its user sees them.
    QSize pixels() const;
    // Where it lies and how large it is in logical pixels.
    QRect logical() const;
};

// The size of a picture of an output in mode after its transform: 90 and 270 degrees, flipped
// or not, swap width and height.
QSize transformedSize(const QSize &mode, int transform);

// This program's own connection to the Wayland compositor (WAYLAND_DISPLAY, the same as the
// toolkit's on the wayland platform; on XWayland the toolkit has none), apart from the toolkit's
// so that nothing here disturbs its event queue. It learns the outputs (wl_output and
// xdg-output) at once, the compositor's primary first where it tells (KWin's output order). Every
// wait on the compositor ends at the deadline: a compositor that stops answering must not hang the
// program.
class WaylandOutputs final
{
public:
    explicit WaylandOutputs(QDeadlineTimer deadline);
    ~WaylandOutputs();
    WaylandOutputs(const WaylandOutputs &) = delete;
    WaylandOutputs &operator=(const WaylandOutputs &) = delete;

    // Connected, and the outputs described before the deadline.
    bool isValid() const { return valid; }
    const std::vector<std::unique_ptr<WaylandOutput>> &outputs() const { return known; }
    QList<OutputGeometry> geometries() const;

    // Whether the compositor announced a global of that interface.
    bool offers(const wl_interface *interface) const;
    // Binds a global the compositor announced by that interface's name, at its version or
    // below; null when it offers none.
    wl_proxy *bind(const wl_interface *interface, quint32 highestVersion);
    // Sends what is queued and dispatches the compositor's events until done() holds; false
    // when the deadline passes first or the connection breaks.
    bool dispatchUntil(const std::function<bool()> &done, QDeadlineTimer deadline);
    // Waits until the compositor has answered every request sent so far.
    bool roundtrip(QDeadlineTimer deadline);

private:
    static void announced(void *data, wl_registry *registry, uint32_t name, const char *interface,
                          uint32_t version);
    static void removed(void *data, wl_registry *registry, uint32_t name);

    struct Global
    {
        quint32 name;
        QByteArray interface;
        quint32 version;
    };

    wl_display *display = nullptr;
    wl_registry *registry = nullptr;
    wl_proxy *xdgManager = nullptr;
    QList<Global> globals;
    std::vector<std::unique_ptr<WaylandOutput>> known;
    bool valid = false;
};

} // namespace QMWidgets
