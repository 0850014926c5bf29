#include "screensource.h"

#include "swayoutputs.h"
#include "waylandoutputs.h"

#include <QElapsedTimer>
#include <QGuiApplication>
#include <QScreen>

namespace QMWidgets {

bool isWaylandSession(const QByteArray &waylandDisplay, const QByteArray &sessionType)
{
    return !waylandDisplay.isEmpty() || sessionType.trimmed().toLower() == "wayland";
}

bool isWaylandSession()
{
    return isWaylandSession(qgetenv("WAYLAND_DISPLAY"), qgetenv("XDG_SESSION_TYPE"));
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

QList<OutputGeometry> desktopOutputs()
{
    // Outputs come and go rarely; a still of the wrong size is refused in any case.
    if (remembered().taken.isValid() && !remembered().outputs.isEmpty() &&
        !remembered().taken.hasExpired(2000))
        return remembered().outputs;
    if (isWaylandSession()) {
        // Asked after the still arrived, while the user waits: a second at most.
        const QDeadlineTimer deadline(1000);
        const WaylandOutputs compositor(deadline);
        const QList<OutputGeometry> outputs = compositor.geometries();
        if (compositor.isValid() && !outputs.isEmpty())
            return outputs;
        // Without that connection (WAYLAND_DISPLAY unset, on XWayland) the toolkit knows the
        // logical layout only, not how many pixels an output has: a picture drawn at the largest
        // output's scale would be kept at that scale on every output. sway tells on its socket.
        const QList<OutputGeometry> sway = swayOutputs(qgetenv("SWAYSOCK"), deadline);
        if (!sway.isEmpty())
            return sway;
    }
    QList<OutputGeometry> outputs;
    for (const QScreen *screen : QGuiApplication::screens())
        outputs << OutputGeometry{screen->name(), screen->geometry(), QSize()};
    return outputs;
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
