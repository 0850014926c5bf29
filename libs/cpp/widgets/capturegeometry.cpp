#include "capturegeometry.h"

#include <QtMath>

namespace QMWidgets {

namespace {

int toDevice(int logical, qreal scale)
{
    // A device pixel belongs to the selection when its centre lies inside it.
    return qFloor(logical * scale + 0.5);
}

} // namespace

QRect cropRectangle(const QPoint &anchor, const QPoint &cursor, qreal scale, const QSize &imageSize)
{
    if (!(scale > 0))
        scale = 1.0;
    const int left = qMin(anchor.x(), cursor.x());
    const int right = qMax(anchor.x(), cursor.x());
    const int top = qMin(anchor.y(), cursor.y());
    const int bottom = qMax(anchor.y(), cursor.y());
    const QRect device(QPoint(toDevice(left, scale), toDevice(top, scale)),
                       QPoint(toDevice(right + 1, scale) - 1, toDevice(bottom + 1, scale) - 1));
    return device.intersected(QRect(QPoint(0, 0), imageSize));
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
