#include "ui/ControlDesign.h"

#include <QtGlobal>

namespace MainWindowControls {

QRect AnchoredGeometry(const QRect& design, int locks, const QSize& area)
{
    auto place = [](int start, int length, int designSpan, int span, bool lockStart, bool lockEnd) {
        const int endMargin = designSpan - start - length;
        if (lockStart && lockEnd)
            return qMakePair(start, qMax(0, span - start - endMargin));
        if (lockEnd)
            return qMakePair(span - endMargin - length, length);
        return qMakePair(start, length);
    };
    const auto [x, width] = place(design.x(), design.width(), DesignArea.width(), area.width(),
                                  locks & LockLeft, locks & LockRight);
    const auto [y, height] = place(design.y(), design.height(), DesignArea.height(), area.height(),
                                   locks & LockTop, locks & LockBottom);
    return QRect(x, y, width, height);
}

} // namespace MainWindowControls
