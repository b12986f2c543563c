#include "ui/ControlArrays.h"

#include "ui/ControlTable.h"
#include "ui/DesignApplying.h"
#include "ui/MainWindow.h"

namespace MainWindowControls {

namespace {

void ApplyMemberZero(QWidget* copy, const QString& array)
{
    if (const ControlProperties* row = DesignOf(array, 0))
        ApplyDesign(copy, *row);
}

MainWindow* WindowOf(QWidget* control)
{
    return control->parentWidget() ? qobject_cast<MainWindow*>(control->window()) : nullptr;
}

}  // namespace

ST::ST(QWidget* parent) : QLabel(parent), m_index(0)
{
    ApplyMemberZero(this, "ST");
}

ST::ST(int index, QWidget* parent) : QLabel(parent), m_index(index) {}

MsST::MsST(QWidget* parent) : QLabel(parent), m_index(0)
{
    ApplyMemberZero(this, "MsST");
}

MsST::MsST(int index, QWidget* parent) : QLabel(parent), m_index(index) {}

CorrespondanceLB::CorrespondanceLB(QWidget* parent) : QTableWidget(parent), m_index(0)
{
    ApplyMemberZero(this, "CorrespondanceLB");
    forwardSelectionChanges();
    if (MainWindow* window = WindowOf(this))
        attachTo(window);
}

CorrespondanceLB::CorrespondanceLB(int index, QWidget* parent)
    : QTableWidget(parent), m_index(index)
{
    forwardSelectionChanges();
}

void CorrespondanceLB::attachTo(MainWindow* window)
{
    connect(this, &CorrespondanceLB::Change, window, &MainWindow::CorrespondanceLB_Change);
}

void CorrespondanceLB::forwardSelectionChanges()
{
    connect(this, &QTableWidget::itemSelectionChanged, this, [this] { emit Change(this); });
}

PrevNextLaisse::PrevNextLaisse(QWidget* parent) : BevelButton(parent), m_index(0)
{
    ApplyMemberZero(this, "PrevNextLaisse");
    if (MainWindow* window = WindowOf(this))
        attachTo(window);
}

PrevNextLaisse::PrevNextLaisse(int index, QWidget* parent) : BevelButton(parent), m_index(index) {}

void PrevNextLaisse::attachTo(MainWindow* window)
{
    connect(this, &BevelButton::Action, window, &MainWindow::PrevNextLaisse_Action);
}

}  // namespace MainWindowControls
