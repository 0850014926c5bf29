#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

namespace QMWidgets {

// Maps a selection given by two inclusive corners in widget pixels onto the still image, which
// holds device pixels. Each edge is mapped on its own so that neighbouring selections tile without
// gaps at fractional ratios; the result is clipped to the image and may be empty.
QRect cropRectangle(const QPoint &anchor, const QPoint &cursor, qreal scale,
                    const QSize &imageSize);

// The instruction box of the capture screen for a window of the given size.
QRect instructionBoxRect(const QSize &widgetSize);

} // namespace QMWidgets
