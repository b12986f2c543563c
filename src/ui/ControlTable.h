#pragma once

#include <QColor>
#include <QRect>
#include <QSize>
#include <QString>
#include <QStringList>
#include <QVector>

#include <climits>

// The designer properties of the window's controls, as data: one row per control, in creation
// (and tab) order. The window builds its controls from these rows; an array member made later as a
// copy of member 0 reads member 0's row.
namespace MainWindowControls {

enum class Kind { Listbox, PopupMenu, ComboBox, TextField, PushButton, Label, BevelButton, Canvas };

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
    Kind kind = Kind::Label;
    QRect geometry;
    int locks = LockLeft | LockTop;
    // Label, field and button text.
    QString text;
    // Popup items, or a list's column headings.
    QStringList items;
    // Selected popup item; -1 for none.
    int listIndex = -1;
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

// Every control of the window, in creation order.
const QVector<ControlProperties>& DesignedControls();

// The row of the control of that name and index; nullptr when the window has no such control.
const ControlProperties* DesignOf(const QString& name, int index = NoIndex);

// Where a control designed at `design` in the design area stands in a content area of `area`:
// it keeps its distance to each locked edge and stretches between two opposite locked edges.
// A control locked to neither of two opposite edges keeps its distance to the left (or top) one.
QRect AnchoredGeometry(const QRect& design, int locks, const QSize& area);

}  // namespace MainWindowControls
