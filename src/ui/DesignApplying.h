#pragma once

#include "ui/ControlTable.h"

class QWidget;

namespace MainWindowControls {

// Gives a control the designer properties of its row: name, place, size, texts, items, colours
// and the behaviour of its kind. Attaches no handler.
void ApplyDesign(QWidget* control, const ControlProperties& row);

}  // namespace MainWindowControls
