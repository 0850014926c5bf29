#include "selectionrepaint.h"

#include <QtGlobal>

namespace QMWidgets {

namespace {

// The outline is a one-pixel pen on the rectangle's edges; a rectangle built from two corners
// reaches one pixel past the lower-right corner, and one that is not normalised may sit one
// pixel further out. Two pixels cover both.
constexpr int Margin = 2;

QRect spanned(const QPoint &a, const QPoint &b, int grow)
{
    return QRect(QPoint(qMin(a.x(), b.x()) - grow, qMin(a.y(), b.y()) - grow),
                 QPoint(qMax(a.x(), b.x()) + grow, qMax(a.y(), b.y()) + grow));
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
