#pragma once

#include "ui/ControlDesign.h"
#include "ui/ControlEvents.h"
#include "ui/ControlTable.h"
#include "ui/DesignApplying.h"
#include "ui/WindowControls.h"

#include <QColor>
#include <QMap>
#include <QRect>
#include <QString>
#include <QStringList>

#include <type_traits>
#include <utility>

// The ways to make a row of the control table: a control on its own or a member of an array,
// its designer properties, and the events it attaches.
namespace MainWindowControls {

// The edges most controls keep to.
constexpr int TopLeft = LockLeft | LockTop;
constexpr int TopRight = LockTop | LockRight;
constexpr int BottomRight = LockRight | LockBottom;

// The attachments of the events of a control of class Control. A binding for a class that
// Control is not does not build.
template <typename Control, typename... Handled>
QList<EventAttachment> Attachments(Binding<Handled>... events)
{
    static_assert((std::is_base_of_v<Handled, Control> && ...),
                  "a binding for an event that the control's class does not raise");
    return {events.attach...};
}

// The row of a control of class Control that create makes and keeps.
template <typename Control, typename Create, typename... Handled>
ControlRow Row(ControlProperties design, Create create, Binding<Handled>... events)
{
    ControlRow row{std::move(design), {}, Attachments<Control>(events...)};
    row.make = [create](const ControlProperties& properties, QWidget* parent,
                        WindowControls& controls) -> QWidget* {
        Control* control = create(properties, parent, controls);
        ApplyDesign(control, properties);
        return control;
    };
    return row;
}

// A control on its own, kept in member.
template <typename Control, typename... Handled>
ControlRow Single(Control* WindowControls::*member, ControlProperties design,
                  Binding<Handled>... events)
{
    return Row<Control>(
        std::move(design),
        [member](const ControlProperties&, QWidget* parent, WindowControls& controls) {
            return controls.*member = new Control(parent);
        },
        events...);
}

// A member of a control array, kept in array under its index.
template <typename Control, typename... Handled>
ControlRow Member(QMap<int, Control*> WindowControls::*array, ControlProperties design,
                  Binding<Handled>... events)
{
    return Row<Control>(
        std::move(design),
        [array](const ControlProperties& properties, QWidget* parent, WindowControls& controls) {
            const int index = properties.index;
            return *(controls.*array).insert(index, new Control(index, parent));
        },
        events...);
}

// The designer properties every control has; NoIndex for a control outside the arrays.
ControlProperties Design(const QString& name, int index, QRect geometry, int locks,
                         const QString& text = QString());

// A popup (or combo box) showing items, the first of them chosen.
ControlProperties Popup(const QString& name, QRect geometry, int locks, const QStringList& items);

// How a label shows its text; by default one line in black from the left.
struct LabelStyle
{
    TextAlign align = TextAlign::Left;
    QColor color = Qt::black;
    bool multiline = false;
};

// One line in black, centred over the control of the same width below it.
LabelStyle CentredCaption();
// One line in black that ends at the right edge, beside the control it names.
LabelStyle RightAlignedCaption();
// Wrapped over as many lines as it needs from the top left, in color.
LabelStyle Note(QColor color);

// A label showing text in style.
ControlProperties LabelDesign(const QString& name, int index, QRect geometry, int locks,
                              LabelStyle style, const QString& text);

} // namespace MainWindowControls
