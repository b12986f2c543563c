#pragma once

#include "ui/EditCommands.h"

#include <QList>
#include <QMenuBar>

class QAction;

// The File and Edit menus. One shared bar serves the application and the window.
class MainMenuBar : public QMenuBar
{
    Q_OBJECT

public:
    // The shared bar, made on the first call (and again if its window has deleted it).
    static MainMenuBar* instance();

    // The menus and their items, each kept as it is made: a menu by its own action, followed by
    // its items in menu order.
    struct Items
    {
        QAction *FileMenu = nullptr, *FileQuit = nullptr;
        QAction *EditMenu = nullptr, *EditUndo = nullptr, *EditSeparator1 = nullptr,
                *EditCut = nullptr, *EditCopy = nullptr, *EditPaste = nullptr, *EditClear = nullptr,
                *EditSeparator2 = nullptr, *EditSelectAll = nullptr;
    };
    const Items& items() const { return m_items; }

private:
    MainMenuBar();
    void Untitled0();
    void Untitled1();
    // Makes item do command on the focused control.
    void addEditItem(QAction* item, EditCommand command);
    QWidget* focusedControl() const;
    // Enables each Edit item when the focused control can do its command.
    void enableEditItems();

    struct EditItem
    {
        QAction* action;
        EditCommand command;
    };
    QList<EditItem> m_editItems;
    Items m_items;
};
