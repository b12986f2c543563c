#include "ui/ControlArrays.h"

#include "ui/ControlTable.h"
#include "ui/DesignApplying.h"
#include "ui/MainWindow.h"

namespace MainWindowControls {

namespace {

// Gives copy the designer properties of member 0 of array and, inside a MainWindow, the
// handlers of member 0.
template <typename Member>
void TakeMemberZerosRow(Member* copy, const QString& array)
{
    const ControlRow* row = RowOf(array, 0);
    if (!row)
        return;
    ApplyDesign(copy, row->design);
    MainWindow* window = copy->parentWidget() ? qobject_cast<MainWindow*>(copy->window()) : nullptr;
    if (window)
        row->attachEvents(*window, copy);
}

} // namespace

ST::ST(QWidget* parent) : ArrayMember(0, parent)
{
    TakeMemberZerosRow(this, "ST");
}

ST::ST(int index, QWidget* parent) : ArrayMember(index, parent) {}

MsST::MsST(QWidget* parent) : ArrayMember(0, parent)
{
    TakeMemberZerosRow(this, "MsST");
}

MsST::MsST(int index, QWidget* parent) : ArrayMember(index, parent) {}

CorrespondanceLB::CorrespondanceLB(QWidget* parent) : ArrayMember(0, parent)
{
    forwardSelectionChanges();
    TakeMemberZerosRow(this, "CorrespondanceLB");
}

CorrespondanceLB::CorrespondanceLB(int index, QWidget* parent) : ArrayMember(index, parent)
{
    forwardSelectionChanges();
}

void CorrespondanceLB::forwardSelectionChanges()
{
    connect(this, &QTableWidget::itemSelectionChanged, this, [this] { emit Change(this); });
}

PrevNextLaisse::PrevNextLaisse(QWidget* parent) : ArrayMember(0, parent)
{
    TakeMemberZerosRow(this, "PrevNextLaisse");
}

PrevNextLaisse::PrevNextLaisse(int index, QWidget* parent) : ArrayMember(index, parent) {}

} // namespace MainWindowControls
