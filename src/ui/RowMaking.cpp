#include "ui/RowMaking.h"

namespace MainWindowControls {

ControlProperties Design(const QString& name, int index, QRect geometry, int locks,
                         const QString& text)
{
    ControlProperties design;
    design.name = name;
    design.index = index;
    design.geometry = geometry;
    design.locks = locks;
    design.text = text;
    return design;
}

ControlProperties Popup(const QString& name, QRect geometry, int locks, const QStringList& items)
{
    ControlProperties design = Design(name, NoIndex, geometry, locks);
    design.items = items;
    design.listIndex = items.isEmpty() ? -1 : 0;
    return design;
}

LabelStyle CentredCaption()
{
    LabelStyle style;
    style.align = TextAlign::Centre;
    return style;
}

LabelStyle RightAlignedCaption()
{
    LabelStyle style;
    style.align = TextAlign::Right;
    return style;
}

LabelStyle Note(QColor color)
{
    LabelStyle style;
    style.color = color;
    style.multiline = true;
    return style;
}

ControlProperties LabelDesign(const QString& name, int index, QRect geometry, int locks,
                              LabelStyle style, const QString& text)
{
    ControlProperties design = Design(name, index, geometry, locks, text);
    design.textAlign = style.align;
    design.textColor = style.color;
    design.multiline = style.multiline;
    return design;
}

} // namespace MainWindowControls
