#pragma once

#include "ui/ControlDesign.h"
#include "ui/ControlEvents.h"

#include <QList>
#include <QString>

#include <functional>

class QWidget;
struct WindowControls;

// The window's controls as one table: a row per control, in creation (and tab) order, with its
// designer properties, the class it is made of, the member of WindowControls that keeps it and
// the handlers its events reach. An array member made later as a copy of member 0 takes member
// 0's row. The rows are made by the helpers of ui/RowMaking.h.
namespace MainWindowControls {

struct ControlRow
{
    ControlProperties design;
    // Makes the control, of its class, inside parent with the designer properties applied, and
    // keeps it in its member of controls.
    std::function<QWidget*(const ControlProperties& design, QWidget* parent,
                           WindowControls& controls)>
        make;
    // One attachment per event of the control that reaches a handler; none for most labels.
    QList<EventAttachment> events;

    // Attaches the control's events to their handlers of window.
    void attachEvents(MainWindow& window, QWidget* control) const
    {
        for (const EventAttachment& attach : events)
            attach(window, control);
    }
};

// Every control of the window, in creation order.
const QList<ControlRow>& ControlTable();

// The row of the control of that name and index; nullptr when the window has no such control.
const ControlRow* RowOf(const QString& name, int index = NoIndex);

} // namespace MainWindowControls
