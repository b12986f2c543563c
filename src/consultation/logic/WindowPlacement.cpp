#include "consultation/logic/WindowPlacement.h"

namespace {

// Keeps the arithmetic of a rectangle inside int whatever a settings file holds; a place this
// far out lies on no screen anyway.
constexpr int FarthestPlace = 1 << 24;

} // namespace

QRect RestoredFrame(int left, int top, int width, int height, const QSize& minimum,
                    const QSize& maximum, const QList<QRect>& screens, const QRect& primary)
{
    const QSize size(qBound(minimum.width(), width, maximum.width()),
                     qBound(minimum.height(), height, maximum.height()));
    const QRect stored(QPoint(qBound(-FarthestPlace, left, FarthestPlace),
                              qBound(-FarthestPlace, top, FarthestPlace)),
                       size);
    for (const QRect& screen : screens) {
        if (screen.intersects(stored))
            return stored;
    }
    return QRect(primary.topLeft(), size);
}
