#pragma once

class QAbstractItemView;

namespace MainWindowControls {

// Shows the whole text of a cell that list cuts short ("…") as a tooltip, in the cell's font and
// size, while the pointer rests on it, since its columns can be neither widened nor scrolled; a
// cell shown whole gets no tooltip.
void ShowCutCellsOnHover(QAbstractItemView* list);

} // namespace MainWindowControls
