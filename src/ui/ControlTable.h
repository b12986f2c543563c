#pragma once

#include "ui/ControlEvents.h"

#include <QColor>
#include <QRect>
#include <QSize>
#include <QString>
#include <QStringList>
#include <QVector>

#include <climits>
#include <functional>

class QWidget;
struct WindowControls;

// The window's controls as one table: a row per control, in creation (and tab) order, with its
// designer properties, the class it is made of, the member of WindowControls that keeps it and
// the handlers its events reach. An array member made later as a copy of member 0 takes member
// 0's row.
namespace MainWindowControls {

// The window edges a control keeps its distance to when the window is resized.
enum Lock { LockLeft = 1, LockTop = 2, LockRight = 4, LockBottom = 8 };

// The index of a control that belongs to no array.
constexpr int NoIndex = INT_MIN;

// The content area that the geometry of the rows is measured in.
constexpr QSize DesignArea(1404, 1021);

struct ControlProperties
{
    QString name;
    int index = NoIndex;
    QRect geometry;
    int locks = LockLeft | LockTop;
    // Label, field and button text.
    QString text;
    // Popup items, or a list's column headings.
    QStringList items;
    // Selected popup item; -1 for none.
    int listIndex = -1;
    // A popup the user can also type into (a combo box).
    bool editable = false;
    // A list's column widths in percent of its width; the last column takes the rest.
    QVector<int> columnPercents;
    bool multipleSelection = false;
    // 0 left, 1 centred, 2 right.
    int textAlign = 0;
    QColor textColor = Qt::black;
    QColor backColor;
    bool multiline = false;
    bool hasMenu = false;
    bool isDefault = false;
};

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
const QVector<ControlRow>& ControlTable();

// The row of the control of that name and index; nullptr when the window has no such control.
const ControlRow* RowOf(const QString& name, int index = NoIndex);

// Where a control designed at `design` in the design area stands in a content area of `area`:
// it keeps its distance to each locked edge and stretches between two opposite locked edges.
// A control locked to neither of two opposite edges keeps its distance to the left (or top) one.
QRect AnchoredGeometry(const QRect& design, int locks, const QSize& area);

} // namespace MainWindowControls
