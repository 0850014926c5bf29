#include "screensource.h"

#include "swayoutputs.h"
#include "waylandoutputs.h"

#include <QElapsedTimer>
#include <QGuiApplication>
#include <QScreen>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>
#include <utility>

#ifdef CLIPWISE_XCB_SHM
#include <QX11Info>

#include <cstdlib>
#include <xcb/xcb.h>
#endif

namespace QMWidgets {

bool isWaylandSession(const QString &platform, bool onXWayland, const QByteArray &sessionType,
                      bool waylandDisplaySet, bool waylandSocketAnswers)
{
    if (platform.startsWith(QLatin1String("wayland")))
        return true;
    if (platform == QLatin1String("xcb"))
        return onXWayland;
    const QByteArray type = sessionType.trimmed().toLower();
    if (type == "wayland" || type == "x11")
        return type == "wayland";
    return waylandDisplaySet && waylandSocketAnswers;
}

bool isWaylandSession()
{
    const QString platform = QGuiApplication::platformName();
    const QByteArray display = qgetenv("WAYLAND_DISPLAY");
    // Each probe only where its answer counts: the X server's on X11, the socket elsewhere.
    const bool x11 = platform == QLatin1String("xcb");
    const bool byEnvironment = !x11 && !platform.startsWith(QLatin1String("wayland"));
    return isWaylandSession(platform, x11 && xServerIsXWayland(), qgetenv("XDG_SESSION_TYPE"),
                            !display.isEmpty(), byEnvironment && waylandSocketAnswers(display));
}

bool xServerIsXWayland()
{
    // XWayland names its RandR outputs XWAYLAND0, XWAYLAND1, ... (Debian 12's 22.1 does, and
    // offers nothing else that tells it apart), and the toolkit names its screens after them.
    for (const QScreen *screen : QGuiApplication::screens()) {
        if (screen->name().startsWith(QLatin1String("XWAYLAND")))
            return true;
    }
#ifdef CLIPWISE_XCB_SHM
    // Later versions offer an extension of that name, whatever the outputs are called. One
    // round trip, once: the server stays the same.
    static const bool extension = [] {
        xcb_connection_t *c = QX11Info::isPlatformX11() ? QX11Info::connection() : nullptr;
        if (!c)
            return false;
        static const char name[] = "XWAYLAND";
        xcb_query_extension_reply_t *reply =
            xcb_query_extension_reply(c, xcb_query_extension(c, sizeof name - 1, name), nullptr);
        const bool present = reply && reply->present;
        std::free(reply);
        return present;
    }();
    return extension;
#else
    return false;
#endif
}

bool waylandSocketAnswers(const QByteArray &waylandDisplay)
{
    QByteArray path = waylandDisplay;
    if (!path.startsWith('/')) {
        const QByteArray runtime = qgetenv("XDG_RUNTIME_DIR");
        if (path.isEmpty() || runtime.isEmpty())
            return false;
        path = runtime + '/' + path;
    }
    sockaddr_un address = {};
    if (size_t(path.size()) >= sizeof address.sun_path)
        return false;
    address.sun_family = AF_UNIX;
    std::memcpy(address.sun_path, path.constData(), size_t(path.size()));
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
    if (fd < 0)
        return false;
    // A compositor too busy to take the connection at once (EAGAIN) is still there.
    const bool answers =
        ::connect(fd, reinterpret_cast<const sockaddr *>(&address), sizeof address) == 0 ||
        errno == EAGAIN;
    ::close(fd);
    return answers;
}

namespace {
struct RememberedOutputs
{
    QList<OutputGeometry> outputs;
    QElapsedTimer taken;
};
RememberedOutputs &remembered()
{
    static RememberedOutputs outputs;
    return outputs;
}
} // namespace

void rememberDesktopOutputs(const QList<OutputGeometry> &outputs)
{
    remembered().outputs = outputs;
    remembered().taken.start();
}

namespace {
QList<OutputGeometry> toolkitOutputs()
{
    QList<OutputGeometry> outputs;
    for (const QScreen *screen : QGuiApplication::screens())
        outputs << OutputGeometry{screen->name(), screen->geometry(), QSize()};
    return outputs;
}

QList<QRect> sorted(QList<QRect> areas)
{
    std::sort(areas.begin(), areas.end(), [](const QRect &a, const QRect &b) {
        return std::make_pair(a.x(), a.y()) < std::make_pair(b.x(), b.y());
    });
    return areas;
}
QList<QRect> logicalAreas(const QList<OutputGeometry> &outputs)
{
    QList<QRect> areas;
    for (const OutputGeometry &output : outputs)
        areas << output.logical;
    return sorted(areas);
}
} // namespace

QList<OutputGeometry> inToolkitLayout(QList<OutputGeometry> outputs, const QList<QRect> &screens)
{
    QRect all, toolkit;
    for (const OutputGeometry &output : qAsConst(outputs))
        all |= output.logical;
    for (const QRect &screen : screens)
        toolkit |= screen;
    if (all.isEmpty() || toolkit.isEmpty() || all.size() == toolkit.size())
        return outputs;
    const qreal factor = toolkit.width() / qreal(all.width());
    const QList<OutputGeometry> original = outputs;
    for (OutputGeometry &output : outputs) {
        const QRect &r = output.logical;
        output.logical = QRect(qRound(r.x() * factor), qRound(r.y() * factor),
                               qRound(r.width() * factor), qRound(r.height() * factor));
    }
    return logicalAreas(outputs) == sorted(screens) ? outputs : original;
}

QList<OutputGeometry> desktopOutputs()
{
    // Outputs come and go rarely; a still of the wrong size is refused in any case.
    if (remembered().taken.isValid() && !remembered().outputs.isEmpty() &&
        !remembered().taken.hasExpired(2000))
        return inToolkitLayout(remembered().outputs, logicalAreas(toolkitOutputs()));
    if (isWaylandSession()) {
        // Asked after the still arrived, while the user waits: a second at most.
        const QDeadlineTimer deadline(1000);
        const WaylandOutputs compositor(deadline);
        const QList<OutputGeometry> outputs = compositor.geometries();
        if (compositor.isValid() && !outputs.isEmpty())
            return inToolkitLayout(outputs, logicalAreas(toolkitOutputs()));
        // Without that connection (WAYLAND_DISPLAY unset, on XWayland) the toolkit knows the
        // logical layout only, not how many pixels an output has: a picture drawn at the largest
        // output's scale would be kept at that scale on every output. sway tells on its socket.
        // A SWAYSOCK left over from another session describes other screens: taken only when
        // its outputs lie exactly where the toolkit's screens do.
        const QList<OutputGeometry> sway = swayOutputs(qgetenv("SWAYSOCK"), deadline);
        if (!sway.isEmpty() && logicalAreas(sway) == logicalAreas(toolkitOutputs()))
            return sway;
    }
    return toolkitOutputs();
}

DesktopStill cutDesktopPicture(const QImage &picture, const QList<OutputGeometry> &outputs)
{
    QRect all;
    for (const OutputGeometry &output : outputs)
        all |= output.logical;
    DesktopStill still;
    if (all.isEmpty() || picture.isNull())
        return still;
    const qreal ratio = picture.width() / qreal(all.width());
    // A picture of another shape is not of these outputs: better no still than a distorted one.
    if (qAbs(picture.height() - all.height() * ratio) > 1)
        return still;
    // Each edge on its own, so neighbouring outputs meet without a gap or an overlap.
    const auto edge = [ratio](int logical) { return qRound(logical * ratio); };
    for (const OutputGeometry &output : outputs) {
        const QRect r = output.logical.translated(-all.topLeft());
        const QRect area =
            QRect(QPoint(edge(r.left()), edge(r.top())),
                  QPoint(edge(r.left() + r.width()) - 1, edge(r.top() + r.height()) - 1))
                .intersected(picture.rect());
        // QImage::copy() of an empty rectangle would return the whole picture.
        if (area.isEmpty())
            continue;
        QImage image = picture.copy(area);
        if (!output.pixels.isEmpty() && output.pixels != image.size())
            image = image.scaled(output.pixels, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        still << ScreenStill{output.name, output.logical, QPixmap::fromImage(std::move(image)), 0};
    }
    return still;
}

const ScreenStill *stillAt(const DesktopStill &still, const QPoint &origin)
{
    for (const ScreenStill &screen : still) {
        if (screen.logical.topLeft() == origin)
            return &screen;
    }
    return nullptr;
}

void ScreenSource::finish(const DesktopStill &still, const QString &reason)
{
    result = still;
    failure = reason;
    emit finished();
}

} // namespace QMWidgets
