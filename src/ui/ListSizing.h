#pragma once

#include <QList>

class QTableWidget;

namespace MainWindowControls {

// Keeps a list sized to what it shows, whatever font, size or rows it is given later:
// - each row as high as a line of the list's font plus a small margin;
// - the columns at their share in percent of the width the rows can use, which leaves out the
//   vertical scroll bar while it shows; the last column takes the rest;
// - each heading whole, at the rows' size or the largest below it that its column holds; cut
//   with "…" only where its column is too narrow at the window's own size.
void KeepListSized(QTableWidget* list, const QList<int>& columnPercents);

} // namespace MainWindowControls
