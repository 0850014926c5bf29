#include "selectionrepaint.h"

#include <QtGlobal>

namespace QMWidgets {

namespace {

// The outline is a one-pixel pen on the rectangle's edges; a rectangle built from two corners
// reaches one pixel past the lower-right corner, and one that is not normalised may sit one
// pixel further out. Two pixels cover both.
constexpr int Margin = 2;

// Widgets are at most QWIDGETSIZE_MAX pixels wide, so coordinates beyond this bound paint nothing
// that a nearer one would not; bounding them keeps every edge and size inside int.
constexpr qint64 Bound = 1 << 25;

int bounded(qint64 v)
{
    return int(qBound(-Bound, v, Bound));
}

QRect spanned(const QPoint &a, const QPoint &b, int grow)
{
    return QRect(QPoint(bounded(qint64(qMin(a.x(), b.x())) - grow),
                        bounded(qint64(qMin(a.y(), b.y())) - grow)),
                 QPoint(bounded(qint64(qMax(a.x(), b.x())) + grow),
                        bounded(qint64(qMax(a.y(), b.y())) + grow)));
}

} // namespace

QRect selectionPaintBounds(const QPoint &anchor, const QPoint &cursor)
{
    return spanned(anchor, cursor, Margin);
}

QRegion selectionChangeRegion(const QPoint &anchor, const QPoint &from, const QPoint &to)
{
    if (from == to)
        return QRegion();
    const QRect before = spanned(anchor, from, Margin);
    const QRect after = spanned(anchor, to, Margin);
    // Inside both fills, away from both outlines, nothing changes.
    const QRect keptBefore = spanned(anchor, from, -Margin);
    const QRect keptAfter = spanned(anchor, to, -Margin);
    QRegion changed = QRegion(before).united(after);
    if (keptBefore.isValid() && keptAfter.isValid())
        changed -= keptBefore.intersected(keptAfter);
    return changed;
}

} // namespace QMWidgets
