#pragma once

#include <QColor>
#include <QList>
#include <QRect>
#include <QSize>
#include <QString>
#include <QStringList>

#include <climits>

// What the window's design gives each control at creation: its name and index, its place and the
// window edges it keeps to, what it shows and how it behaves; and where those edges put it once
// the window is resized.
namespace MainWindowControls {

// The window edges a control keeps its distance to when the window is resized.
enum Lock { LockLeft = 1, LockTop = 2, LockRight = 4, LockBottom = 8 };

// The index of a control that belongs to no array.
constexpr int NoIndex = INT_MIN;

// The content area that the geometry of the controls is measured in.
constexpr QSize DesignArea(1404, 1021);

// Where a label's text stands across its width.
enum class TextAlign { Left, Centre, Right };

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
    QList<int> columnPercents;
    bool multipleSelection = false;
    TextAlign textAlign = TextAlign::Left;
    QColor textColor = Qt::black;
    QColor backColor;
    bool multiline = false;
    bool hasMenu = false;
    bool isDefault = false;
};

// Where a control designed at `design` in the design area stands in a content area of `area`:
// it keeps its distance to each locked edge and stretches between two opposite locked edges.
// A control locked to neither of two opposite edges keeps its distance to the left (or top) one.
QRect AnchoredGeometry(const QRect& design, int locks, const QSize& area);

} // namespace MainWindowControls
