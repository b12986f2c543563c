#pragma once

#include "ui/BevelButton.h"
#include "ui/CopyingList.h"

#include <QLabel>
#include <QTableWidget>

// The window's control arrays: members share a name, differ by Index, and the members of an array
// with events all reach one handler of the window, which receives the member itself.
//
// Each class has two ways in: the constructor with an index makes that member (the window uses it
// while it creates its controls); the one without makes a copy of member 0, with member 0's designer
// properties, index 0 and, when its parent lies in a MainWindow, the handlers of member 0's row.
namespace MainWindowControls {

// A control of class Base that carries its index in its array.
template <typename Base>
class ArrayMember : public Base
{
public:
    ArrayMember(int index, QWidget* parent) : Base(parent), m_index(index) {}
    int Index() const { return m_index; }

private:
    int m_index;
};

class ST : public ArrayMember<QLabel>
{
    Q_OBJECT

public:
    explicit ST(QWidget* parent = nullptr);
    ST(int index, QWidget* parent = nullptr);
};

class MsST : public ArrayMember<QLabel>
{
    Q_OBJECT

public:
    explicit MsST(QWidget* parent = nullptr);
    MsST(int index, QWidget* parent = nullptr);
};

class CorrespondanceLB : public ArrayMember<CopyingList>
{
    Q_OBJECT

public:
    explicit CorrespondanceLB(QWidget* parent = nullptr);
    CorrespondanceLB(int index, QWidget* parent = nullptr);

signals:
    // The selection of this member changed.
    void Change(QTableWidget* sender);

private:
    void forwardSelectionChanges();
};

class PrevNextLaisse : public ArrayMember<BevelButton>
{
    Q_OBJECT

public:
    explicit PrevNextLaisse(QWidget* parent = nullptr);
    PrevNextLaisse(int index, QWidget* parent = nullptr);
};

} // namespace MainWindowControls
