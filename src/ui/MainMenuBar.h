#pragma once

#include "ui/EditCommands.h"

#include <QMenuBar>
#include <QVector>

class QAction;

// The File and Edit menus. One shared bar serves the application and the window.
class MainMenuBar : public QMenuBar
{
    Q_OBJECT

public:
    // The shared bar, made on the first call (and again if its window has deleted it).
    static MainMenuBar* instance();

private:
    MainMenuBar();
    void Untitled0();
    void Untitled1();
    void addEditItem(QAction* item, EditCommand command);
    QWidget* focusedControl() const;
    // Enables each Edit item when the focused control can do its command.
    void enableEditItems();

    struct EditItem
    {
        QAction* action;
        EditCommand command;
    };
    QVector<EditItem> m_editItems;
};
