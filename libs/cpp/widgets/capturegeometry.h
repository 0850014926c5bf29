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

// Whether a full-screen window (its place and size in the toolkit's coordinates) covers the screen
// whose still holds stillPixels. Wayland tells a client neither its position nor, under mutter's
// physical layout, the size it gives a full-screen window: that compositor describes an output at
// scale 2 by its pixels and sizes the window at half of them, in step with the output's scale.
bool windowCoversScreen(const QRect &window, const QRect &screen, const QSize &stillPixels,
                        qreal screenScale, bool wayland);

// The instruction box of the capture screen for a window of the given size.
QRect instructionBoxRect(const QSize &widgetSize);

} // namespace QMWidgets
