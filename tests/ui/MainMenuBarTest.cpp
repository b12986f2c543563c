#include "ui/MainMenuBar.h"
#include "ui/MainWindow.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QMenu>
#include <QTableWidget>
#include <QTest>

namespace {

struct Item
{
    const char* name;
    const char* text;
    const char* shortcut;
    bool separator;
};

void ExpectItems(const QMenu* menu, const std::vector<Item>& expected)
{
    const QList<QAction*> actions = menu->actions();
    ASSERT_EQ(actions.size(), static_cast<qsizetype>(expected.size()));
    for (size_t i = 0; i < expected.size(); ++i) {
        SCOPED_TRACE(expected[i].name);
        const QAction* action = actions[static_cast<qsizetype>(i)];
        EXPECT_EQ(action->objectName(), QString::fromLatin1(expected[i].name));
        EXPECT_EQ(action->isSeparator(), expected[i].separator);
        EXPECT_EQ(action->text(), QString::fromUtf8(expected[i].text));
        EXPECT_EQ(action->shortcut(), QKeySequence(QString::fromLatin1(expected[i].shortcut)));
    }
}

// What the Edit menu does as it opens, without showing it.
void OpenEditMenu(MainWindow& w)
{
    emit w.EditMenu()->menu()->aboutToShow();
}

// Opens the Edit menu and chooses the item, as a user would; a disabled item does nothing.
void Choose(MainWindow& w, QAction* item)
{
    OpenEditMenu(w);
    item->trigger();
}

} // namespace

TEST(MainMenuBar, FileAndEditMenusInOrderWithTheirItemsTextsAndShortcuts)
{
    MainWindow w;
    const QList<QAction*> menus = w.menuBar()->actions();
    ASSERT_EQ(menus.size(), 2);
    EXPECT_EQ(menus[0], w.FileMenu());
    EXPECT_EQ(menus[1], w.EditMenu());
    EXPECT_EQ(w.FileMenu()->text(), QString::fromUtf8("ファイル"));
    EXPECT_EQ(w.EditMenu()->text(), QString::fromUtf8("編集"));
    EXPECT_TRUE(w.FileMenu()->shortcut().isEmpty());
    EXPECT_TRUE(w.EditMenu()->shortcut().isEmpty());

    ExpectItems(w.FileMenu()->menu(), {{"FileQuit", "終了", "Ctrl+Q", false}});
    ExpectItems(w.EditMenu()->menu(), {{"EditUndo", "取り消す", "Ctrl+Z", false},
                                       {"EditSeparator1", "", "", true},
                                       {"EditCut", "カット", "Ctrl+X", false},
                                       {"EditCopy", "コピー", "Ctrl+C", false},
                                       {"EditPaste", "貼り付け", "Ctrl+V", false},
                                       {"EditClear", "削除", "", false},
                                       {"EditSeparator2", "", "", true},
                                       {"EditSelectAll", "すべてを選択", "Ctrl+A", false}});
    EXPECT_EQ(w.EditSelectAll(), w.EditMenu()->menu()->actions().last());
    EXPECT_EQ(w.FileQuit()->menuRole(), QAction::QuitRole);
}

TEST(MainMenuBar, TheSharedBarIsTheWindowsBarAndOutlivesNoWindow)
{
    MainMenuBar* bar = MainMenuBar::instance();
    EXPECT_EQ(MainMenuBar::instance(), bar);
    auto* w = new MainWindow;
    EXPECT_EQ(w->menuBar(), bar);
    EXPECT_FALSE(bar->isNativeMenuBar());
    delete w;
    // The window took the bar with it; the next request makes a complete new one.
    MainMenuBar* next = MainMenuBar::instance();
    ASSERT_NE(next, nullptr);
    EXPECT_EQ(next->actions().size(), 2);
    MainWindow again;
    EXPECT_EQ(again.menuBar(), next);
    EXPECT_NE(again.FileQuit(), nullptr);
}

TEST(MainMenuBar, EditItemsActOnTheFocusedTextField)
{
    MainWindow w;
    w.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&w));
    w.activateWindow();
    QLineEdit* field = w.SearchTF();
    field->setFocus();
    ASSERT_TRUE(field->hasFocus());
    field->setText("123");

    Choose(w, w.EditSelectAll());
    EXPECT_EQ(field->selectedText(), "123");
    Choose(w, w.EditCopy());
    EXPECT_EQ(QApplication::clipboard()->text(), "123");
    Choose(w, w.EditCut());
    EXPECT_EQ(field->text(), "");
    Choose(w, w.EditPaste());
    Choose(w, w.EditPaste());
    EXPECT_EQ(field->text(), "123123");
    Choose(w, w.EditUndo());
    EXPECT_EQ(field->text(), "123");
    field->setCursorPosition(0);
    Choose(w, w.EditClear());
    EXPECT_EQ(field->text(), "23");

    // Without a focused field the items do nothing.
    w.MainLB()->setFocus();
    Choose(w, w.EditSelectAll());
    Choose(w, w.EditClear());
    EXPECT_EQ(field->text(), "23");
}

TEST(MainMenuBar, ListKeysReachTheListAndItemsFollowTheFocus)
{
    MainWindow w;
    w.show();
    w.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&w));
    QTableWidget* list = w.MainLB();
    list->setRowCount(3);
    for (int row = 0; row < 3; ++row) {
        for (int column = 0; column < 4; ++column)
            list->setItem(row, column, new QTableWidgetItem(QString("%1,%2").arg(row).arg(column)));
    }

    w.SearchTF()->setFocus();
    EXPECT_FALSE(w.EditSelectAll()->isEnabled());
    EXPECT_FALSE(w.EditCopy()->isEnabled());
    list->setFocus();
    EXPECT_TRUE(w.EditSelectAll()->isEnabled());
    // The main list copies its selected rows, and none is selected yet.
    EXPECT_FALSE(w.EditCopy()->isEnabled());
    EXPECT_FALSE(w.EditPaste()->isEnabled());
    EXPECT_FALSE(w.EditUndo()->isEnabled());

    QTest::keyClick(list, Qt::Key_A, Qt::ControlModifier);
    EXPECT_EQ(list->selectionModel()->selectedRows().size(), 3);
    OpenEditMenu(w);
    EXPECT_TRUE(w.EditCopy()->isEnabled());

    // A list of one row at a time cannot select all; the key still reaches it and does nothing.
    QTableWidget* side = w.CorrespondanceLB(0);
    side->setFocus();
    EXPECT_FALSE(w.EditSelectAll()->isEnabled());
    QTest::keyClick(side, Qt::Key_A, Qt::ControlModifier);
    EXPECT_EQ(list->selectionModel()->selectedRows().size(), 3);

    // The menu shows what the field can do at the moment it opens.
    QLineEdit* field = w.SearchTF();
    field->setFocus();
    QTest::keyClicks(field, "12");
    OpenEditMenu(w);
    EXPECT_TRUE(w.EditSelectAll()->isEnabled());
    EXPECT_TRUE(w.EditUndo()->isEnabled());
    EXPECT_FALSE(w.EditCopy()->isEnabled());
    QTest::keyClick(field, Qt::Key_A, Qt::ControlModifier);
    OpenEditMenu(w);
    EXPECT_TRUE(w.EditCopy()->isEnabled());
    EXPECT_TRUE(w.EditCut()->isEnabled());
}

TEST(MainMenuBar, QuitClosesTheWindow)
{
    MainWindow w;
    w.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&w));
    w.FileQuit()->trigger();
    EXPECT_FALSE(w.isVisible());
}
