#include "ui/MainMenuBar.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QKeySequence>
#include <QLineEdit>
#include <QMenu>
#include <QPointer>

namespace {

// The text field that the Edit items act on: the focused field, or the text part of a focused
// editable combo box.
QLineEdit* FocusedTextField()
{
    QWidget* focused = QApplication::focusWidget();
    if (auto* field = qobject_cast<QLineEdit*>(focused))
        return field;
    if (auto* box = qobject_cast<QComboBox*>(focused))
        return box->lineEdit();
    return nullptr;
}

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

template <typename Edit>
void ActOnFocusedField(QAction* item, Edit edit)
{
    QObject::connect(item, &QAction::triggered, item, [edit] {
        if (QLineEdit* field = FocusedTextField())
            edit(field);
    });
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
    ActOnFocusedField(AddItem(edit, "EditUndo", "取り消す", QKeySequence("Ctrl+Z")),
                      [](QLineEdit* f) { f->undo(); });
    AddSeparator(edit, "EditSeparator1");
    ActOnFocusedField(AddItem(edit, "EditCut", "カット", QKeySequence("Ctrl+X")), [](QLineEdit* f) { f->cut(); });
    ActOnFocusedField(AddItem(edit, "EditCopy", "コピー", QKeySequence("Ctrl+C")),
                      [](QLineEdit* f) { f->copy(); });
    ActOnFocusedField(AddItem(edit, "EditPaste", "貼り付け", QKeySequence("Ctrl+V")),
                      [](QLineEdit* f) { f->paste(); });
    ActOnFocusedField(AddItem(edit, "EditClear", "削除", QKeySequence()), [](QLineEdit* f) { f->del(); });
    AddSeparator(edit, "EditSeparator2");
    ActOnFocusedField(AddItem(edit, "EditSelectAll", "すべてを選択", QKeySequence("Ctrl+A")),
                      [](QLineEdit* f) { f->selectAll(); });
}
