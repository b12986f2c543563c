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

QAction* AddSeparator(QMenu* menu, const char* name)
{
    QAction* separator = menu->addSeparator();
    separator->setObjectName(name);
    return separator;
}

} // namespace

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
    m_items.FileMenu = file->menuAction();
    m_items.FileQuit = AddItem(file, "FileQuit", "終了", QKeySequence("Ctrl+Q"));
    m_items.FileQuit->setMenuRole(QAction::QuitRole);
    // Closing the windows first runs their Close handlers before the application's own.
    connect(m_items.FileQuit, &QAction::triggered, this, [] {
        QApplication::closeAllWindows();
        QCoreApplication::quit();
    });
}

void MainMenuBar::Untitled1()
{
    QMenu* edit = AddMenu(this, "EditMenu", "編集");
    m_items.EditMenu = edit->menuAction();
    m_items.EditUndo = AddItem(edit, "EditUndo", "取り消す", QKeySequence("Ctrl+Z"));
    m_items.EditSeparator1 = AddSeparator(edit, "EditSeparator1");
    m_items.EditCut = AddItem(edit, "EditCut", "カット", QKeySequence("Ctrl+X"));
    m_items.EditCopy = AddItem(edit, "EditCopy", "コピー", QKeySequence("Ctrl+C"));
    m_items.EditPaste = AddItem(edit, "EditPaste", "貼り付け", QKeySequence("Ctrl+V"));
    m_items.EditClear = AddItem(edit, "EditClear", "削除", QKeySequence());
    m_items.EditSeparator2 = AddSeparator(edit, "EditSeparator2");
    m_items.EditSelectAll = AddItem(edit, "EditSelectAll", "すべてを選択", QKeySequence("Ctrl+A"));
    addEditItem(m_items.EditUndo, EditCommand::Undo);
    addEditItem(m_items.EditCut, EditCommand::Cut);
    addEditItem(m_items.EditCopy, EditCommand::Copy);
    addEditItem(m_items.EditPaste, EditCommand::Paste);
    addEditItem(m_items.EditClear, EditCommand::Clear);
    addEditItem(m_items.EditSelectAll, EditCommand::SelectAll);

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
