#include "capturegeometry.h"

#include <QtMath>

#include <cmath>

namespace QMWidgets {

namespace {

// A device pixel belongs to the selection when its centre lies inside it. The edge is bounded to
// [0, limit] before it becomes an int: past the image nothing is kept, and no coordinate or ratio,
// however large, can overflow.
int toDevice(qint64 logical, qreal scale, int limit)
{
    const qreal device = std::floor(qreal(logical) * scale + 0.5);
    return device <= 0 ? 0 : device >= limit ? limit : int(device);
}

} // namespace

QRect cropRectangle(const QPoint &anchor, const QPoint &cursor, qreal scale, const QSize &imageSize)
{
    if (!(scale > 0) || !qIsFinite(scale))
        scale = 1.0;
    const int w = qMax(imageSize.width(), 0);
    const int h = qMax(imageSize.height(), 0);
    // Corners are inclusive: the far edge is one past the larger coordinate.
    const int left = toDevice(qMin(anchor.x(), cursor.x()), scale, w);
    const int right = toDevice(qint64(qMax(anchor.x(), cursor.x())) + 1, scale, w);
    const int top = toDevice(qMin(anchor.y(), cursor.y()), scale, h);
    const int bottom = toDevice(qint64(qMax(anchor.y(), cursor.y())) + 1, scale, h);
    if (right <= left || bottom <= top)
        return QRect();
    return QRect(left, top, right - left, bottom - top);
}

bool windowCoversScreen(const QRect &window, const QRect &screen, const QSize &stillPixels,
                        qreal screenScale, bool wayland)
{
    if (!wayland)
        return window == screen;
    // Only where the output's description is its pixels: elsewhere a window of this size on an
    // output at 1.5, which the toolkit rounds to 2, would be a window smaller than the output.
    return window.size() == screen.size() || (screenScale > 1 && screen.size() == stillPixels &&
                                              window.size() * screenScale == stillPixels);
}

QRect instructionBoxRect(const QSize &widgetSize)
{
    const int w = widgetSize.width();
    const int h = widgetSize.height();
    const int dx = int(w / 3.7);
    const int dy = int(h / 2.5);
    return QRect(QPoint(dx, dy), QPoint(w - 1 - dx, h - 1 - dy));
}

} // namespace QMWidgets
