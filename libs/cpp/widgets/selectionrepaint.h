#pragma once

#include <QPoint>
#include <QRect>
#include <QRegion>

namespace QMWidgets {

// Every pixel the selection rectangle spanned by anchor and cursor can touch, its outline
// included, whichever way round the corners lie.
QRect selectionPaintBounds(const QPoint &anchor, const QPoint &cursor);

// The part of the capture screen whose pixels differ when the selection's moving corner goes
// from `from` to `to`: the band around both outlines and the area only one of the two covers.
// Pixels deep inside both rectangles keep their fill and are left out.
QRegion selectionChangeRegion(const QPoint &anchor, const QPoint &from, const QPoint &to);

} // namespace QMWidgets
