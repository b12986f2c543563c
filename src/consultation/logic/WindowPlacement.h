#pragma once

#include <QList>
#include <QRect>
#include <QSize>

// The place and size of a window restored from stored values. The size is brought within the
// window's limits. The place is kept when any part of the window then lies on one of the
// screens; otherwise the window goes to the top-left corner of the primary screen, so a window
// left on a screen that is no longer attached does not open out of reach.
QRect RestoredFrame(int left, int top, int width, int height, const QSize& minimum,
                    const QSize& maximum, const QList<QRect>& screens, const QRect& primary);
