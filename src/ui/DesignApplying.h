#pragma once

#include "ui/BevelButton.h"
#include "ui/Canvas.h"
#include "ui/ControlDesign.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>

namespace MainWindowControls {

// Gives a control the designer properties of its row: name, place, size, and what a control of
// its class shows (texts, items, colours) and how it behaves. Attaches no handler.
void ApplyDesign(QTableWidget* list, const ControlProperties& design);
void ApplyDesign(QComboBox* popup, const ControlProperties& design);
void ApplyDesign(QLineEdit* field, const ControlProperties& design);
void ApplyDesign(QPushButton* button, const ControlProperties& design);
void ApplyDesign(QLabel* label, const ControlProperties& design);
void ApplyDesign(BevelButton* button, const ControlProperties& design);
void ApplyDesign(Canvas* canvas, const ControlProperties& design);

} // namespace MainWindowControls
