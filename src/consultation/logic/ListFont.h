#pragma once

#include <QString>

#include <functional>

// The text size of the lists for the size box's text, in single precision as the lists keep it:
// "14" -> 14, "12.5" -> 12.5. Zero, meaning the lists take the default size, for a text that is
// not a number or gives a size of 0 or less.
float ListTextSize(const QString& text);

// The size a column heading is drawn at, for lists whose rows are drawn at chosen and a window
// whose own text size is smallest: chosen itself when fits(chosen); else the largest whole size
// below it at which the heading fits, going no lower than smallest; else the smaller of the
// two, at which the heading is cut short. fits must hold at every size below one where it holds;
// it is asked at about log2(chosen) sizes, 11 at most up to 1000 points.
// With fits(size) true up to 17:
//   chosen 24, smallest 9 -> 17;  chosen 12.5 -> 12.5;  chosen 24, smallest 18 -> 18.
qreal HeadingTextSize(qreal chosen, qreal smallest, const std::function<bool(qreal)>& fits);
