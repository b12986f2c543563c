#pragma once

#include "ui/BevelButton.h"

#include <QLabel>
#include <QTableWidget>

class MainWindow;

// The window's control arrays: members share a name, differ by Index, and the members of an array
// with events all reach one handler of the window, which receives the member itself.
//
// Each class has two ways in: the constructor with an index makes that member (the window uses it
// while it creates its controls); the one without makes a copy of member 0, with member 0's designer
// properties, index 0 and, when its parent lies in a MainWindow, that window's shared handler.
namespace MainWindowControls {

class ST : public QLabel
{
    Q_OBJECT

public:
    explicit ST(QWidget* parent = nullptr);
    ST(int index, QWidget* parent = nullptr);
    int Index() const { return m_index; }

private:
    int m_index;
};

class MsST : public QLabel
{
    Q_OBJECT

public:
    explicit MsST(QWidget* parent = nullptr);
    MsST(int index, QWidget* parent = nullptr);
    int Index() const { return m_index; }

private:
    int m_index;
};

class CorrespondanceLB : public QTableWidget
{
    Q_OBJECT

public:
    explicit CorrespondanceLB(QWidget* parent = nullptr);
    CorrespondanceLB(int index, QWidget* parent = nullptr);
    int Index() const { return m_index; }

    // Attaches the window's one handler of the array to this member's Change.
    void attachTo(MainWindow* window);

signals:
    // The selection of this member changed.
    void Change(QTableWidget* sender);

private:
    void forwardSelectionChanges();

    int m_index;
};

class PrevNextLaisse : public BevelButton
{
    Q_OBJECT

public:
    explicit PrevNextLaisse(QWidget* parent = nullptr);
    PrevNextLaisse(int index, QWidget* parent = nullptr);
    int Index() const { return m_index; }

    // Attaches the window's one handler of the array to this member's Action.
    void attachTo(MainWindow* window);

private:
    int m_index;
};

}  // namespace MainWindowControls
