#pragma once

#include "ui/MainWindow.h"

#include <functional>

class CopyingList;

namespace MainWindowControls {

class CorrespondanceLB;

// An event of a control of class Control, bound to the window handler it reaches. Called with a
// window and one of its controls, it makes that control's event call the handler of that window
// with the control as sender. Each On... below takes the handler in the form its event calls, so
// the compiler rejects a handler that does not fit the event and a binding that does not fit the
// control's class.
template <typename Control>
using Binding = std::function<void(MainWindow& window, Control* control)>;

// A click on a list's column heading.
Binding<QTableWidget> OnSortColumn(bool (MainWindow::*handler)(QTableWidget*, int));
// Another item chosen in a popup, by the user or by the program.
Binding<QComboBox> OnChange(void (MainWindow::*handler)(QComboBox*));
// Another row selected in a correspondence list, by the user or by the program.
Binding<CorrespondanceLB> OnChange(void (MainWindow::*handler)(QTableWidget*));
// The text of a combo box changed, typed or chosen.
Binding<QComboBox> OnTextChanged(void (MainWindow::*handler)(QComboBox*));
// The Copy command of a list: Ctrl+C, or Edit ▸ Copy, with the list focused.
Binding<CopyingList> OnCopy(void (MainWindow::*handler)(QTableWidget*));
// A key pressed in a text field, given as its text ("\r" for Return and Enter). A handler that
// returns true takes the key; otherwise the field handles it as usual.
Binding<QLineEdit> OnKeyDown(bool (MainWindow::*handler)(QLineEdit*, const QString&));
// A click on a button, or a row chosen in a bevel button's menu.
Binding<QPushButton> OnAction(void (MainWindow::*handler)(QPushButton*));
Binding<BevelButton> OnAction(void (MainWindow::*handler)(BevelButton*));
// A canvas's drawing and mouse events (see Canvas).
Binding<Canvas> OnPaint(void (MainWindow::*handler)(Canvas*, QPainter&));
Binding<Canvas> OnMouseDown(bool (MainWindow::*handler)(Canvas*, int, int));
Binding<Canvas> OnMouseUp(void (MainWindow::*handler)(Canvas*, int, int));
Binding<Canvas> OnMouseEnter(void (MainWindow::*handler)(Canvas*));

// The window opening (MainWindow::Open), before its own Event_Open.
template <typename Control>
Binding<Control> OnOpen(void (MainWindow::*handler)(Control*))
{
    return [handler](MainWindow& window, Control* control) {
        QObject::connect(&window, &MainWindow::opening, control,
                         [&window, handler, control] { (window.*handler)(control); });
    };
}

} // namespace MainWindowControls
