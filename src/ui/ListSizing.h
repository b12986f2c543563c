#pragma once

#include <QVector>

class QTableWidget;

namespace MainWindowControls {

// Keeps a list's columns at their share of the width its rows can use, which leaves out the
// vertical scroll bar while it shows; the last column takes the rest.
void KeepColumnShares(QTableWidget* list, const QVector<int>& percents);

// Keeps a list's rows as high as a line of its font plus a small margin, whatever font or size
// the list is given later.
void KeepRowsFittingTheFont(QTableWidget* list);

}  // namespace MainWindowControls
