#include "ui/MainMenuBar.h"

#include <QAction>
#include <QApplication>
#include <QKeySequence>
#include <QMenu>
#include <QPointer>

namespace {

QMenu* AddMenu(QMenuBar* bar, const char* name, const char* text)
{
    QMenu* menu = bar->addMenu(QString::fromUtf8(text));
    menu->setObjectName(name);
    menu->menuAction()->setObjectName(name);
    return menu;
}

QAction* AddItem(QMenu* menu, const char* name, const char* text, const QKeySequence& shortcut)
{
    QAction* item = menu->addAction(QString::fromUtf8(text));
    item->setObjectName(name);
    item->setShortcut(shortcut);
    return item;
}

void AddSeparator(QMenu* menu, const char* name)
{
    menu->addSeparator()->setObjectName(name);
}

}  // namespace

MainMenuBar* MainMenuBar::instance()
{
    static QPointer<MainMenuBar> bar;
    if (!bar)
        bar = new MainMenuBar;
    return bar;
}

MainMenuBar::MainMenuBar()
{
    // The bar stands inside the window on every platform, like the rest of its layout.
    setNativeMenuBar(false);
    Untitled0();
    Untitled1();
}

void MainMenuBar::Untitled0()
{
    QMenu* file = AddMenu(this, "FileMenu", "ファイル");
    QAction* quit = AddItem(file, "FileQuit", "終了", QKeySequence("Ctrl+Q"));
    quit->setMenuRole(QAction::QuitRole);
    // Closing the windows first runs their Close handlers before the application's own.
    connect(quit, &QAction::triggered, this, [] {
        QApplication::closeAllWindows();
        QCoreApplication::quit();
    });
}

void MainMenuBar::Untitled1()
{
    QMenu* edit = AddMenu(this, "EditMenu", "編集");
    addEditItem(AddItem(edit, "EditUndo", "取り消す", QKeySequence("Ctrl+Z")), EditCommand::Undo);
    AddSeparator(edit, "EditSeparator1");
    addEditItem(AddItem(edit, "EditCut", "カット", QKeySequence("Ctrl+X")), EditCommand::Cut);
    addEditItem(AddItem(edit, "EditCopy", "コピー", QKeySequence("Ctrl+C")), EditCommand::Copy);
    addEditItem(AddItem(edit, "EditPaste", "貼り付け", QKeySequence("Ctrl+V")), EditCommand::Paste);
    addEditItem(AddItem(edit, "EditClear", "削除", QKeySequence()), EditCommand::Clear);
    AddSeparator(edit, "EditSeparator2");
    addEditItem(AddItem(edit, "EditSelectAll", "すべてを選択", QKeySequence("Ctrl+A")),
                EditCommand::SelectAll);

    // The items follow the focus and are set again as the menu opens, so what it shows is current.
    // A shortcut of an item left disabled lets its key through to the focused widget, which then
    // handles it itself.
    connect(edit, &QMenu::aboutToShow, this, &MainMenuBar::enableEditItems);
    connect(qApp, &QApplication::focusChanged, this, &MainMenuBar::enableEditItems);
    enableEditItems();
}

void MainMenuBar::addEditItem(QAction* item, EditCommand command)
{
    m_editItems.append({item, command});
    connect(item, &QAction::triggered, this,
            [this, command] { SendEditKey(focusedControl(), command); });
}

QWidget* MainMenuBar::focusedControl() const
{
    // The window's own focus, which stays on its control while the menu is open.
    return window()->focusWidget();
}

void MainMenuBar::enableEditItems()
{
    const QWidget* focused = focusedControl();
    for (const EditItem& item : m_editItems)
        item.action->setEnabled(CanEdit(focused, item.command));
}
