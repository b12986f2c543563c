#pragma once

#include "ui/MainWindow.h"

#include <functional>

class CopyingList;

namespace MainWindowControls {

class CorrespondanceLB;

// Attaches one event of a control to a handler of window: afterwards the event calls that
// window's handler with the control as sender.
using EventAttachment = std::function<void(MainWindow& window, QWidget* control)>;

// The attachment of an event that controls of class Control raise. Each On... below takes the
// handler in the form its event calls, so the compiler rejects a handler that does not fit the
// event; a row of the control table rejects a binding that does not fit its control's class.
template <typename Control>
struct Binding
{
    EventAttachment attach;
};

// The binding that hands its control, as a Control, to connectEvent; a control of another class
// gets nothing attached.
template <typename Control, typename ConnectEvent>
Binding<Control> Bind(ConnectEvent connectEvent)
{
    return {[connectEvent](MainWindow& window, QWidget* control) {
        if (auto* typed = qobject_cast<Control*>(control))
            connectEvent(window, typed);
    }};
}

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
    return Bind<Control>([handler](MainWindow& window, Control* control) {
        QObject::connect(&window, &MainWindow::opening, control,
                         [&window, handler, control] { (window.*handler)(control); });
    });
}

} // namespace MainWindowControls
