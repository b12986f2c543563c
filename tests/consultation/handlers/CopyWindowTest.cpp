#include "ConsultationFixture.h"
#include "QtPrinters.h"

#include "data/ThisApp.h"
#include "ui/BevelButton.h"
#include "ui/MainWindow.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QMenu>
#include <QTableWidget>
#include <QTest>

#include <gtest/gtest.h>

namespace {

// Manuscript P with editorial markings in the verses of laisse 12 (rows 0 to 2 once shown).
ConsultationFixture::DataFiles MarkedFiles()
{
    ConsultationFixture::DataFiles files = ConsultationFixture::StandardFiles();
    files["Manuscripts/P/Texte.txt"] = "1r\t1\t1\tP1 Seignurs baruns\n"
                                       "1r\t1\t2\tP1 oiez\n"
                                       "1v\t2\t3\tP2 Li reis\n"
                                       "1v\t2\t4\tP2 terre\n"
                                       "5r\t12\t120\tHALT sunt li =3=pui\n"
                                       "5r\t12\t121\t\xC2\xB7"
                                       "CARLES\xC2\xB7  e tene|brus\n"
                                       "5v\t12\t122\tles vals par7|funt\\\n"
                                       "5v\t13\t130\tP13 Li quens\n"
                                       "5v\t13\t131\tP13 desuz un pin\n"
                                       "6r\t14\t140\tP14 Sun olifant\n"
                                       "6r\t14\t141\tP14 met a sa buche\n";
    return files;
}

class CopyWindowTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        fixture.request("P", 0, 0, "12");
        ASSERT_EQ(window().MainLB()->rowCount(), 3);
        QApplication::clipboard()->setText("left from before");
    }

    MainWindow& window() { return fixture.window(); }

    void select(std::initializer_list<int> rows)
    {
        QTableWidget* list = window().MainLB();
        list->clearSelection();
        for (int row : rows)
            list->selectionModel()->select(list->model()->index(row, 0),
                                           QItemSelectionModel::Select | QItemSelectionModel::Rows);
    }

    // Chooses a row of the copy button's menu, as the user does, and gives the clipboard text.
    QString copyWith(int menuRow)
    {
        window().CopyBT()->menu()->actions().at(menuRow)->trigger();
        return QApplication::clipboard()->text();
    }

    ConsultationFixture fixture{MarkedFiles()};
};

TEST_F(CopyWindowTest, MenuOffersTheThreeForms)
{
    QStringList rows;
    for (const QAction* action : window().CopyBT()->menu()->actions())
        rows.append(action->text());
    EXPECT_EQ(rows,
              QStringList({"1: Row data.", "2: Remove markings.", "3: Arrange for citation."}));
}

TEST_F(CopyWindowTest, NothingSelectedLeavesTheClipboardAlone)
{
    select({});
    for (int form = 0; form < 3; ++form)
        EXPECT_EQ(copyWith(form), QString("left from before")) << "form " << form + 1;
}

TEST_F(CopyWindowTest, EachFormOfRowsThatAreNotAdjacent)
{
    select({0, 2});
    EXPECT_EQ(copyWith(0), QString("5r\t12\t120\tHALT sunt li =3=pui\n"
                                   "5v\t12\t122\tles vals par7|funt\\"));
    EXPECT_EQ(copyWith(1), QString("5r\t12\t120\tHalt sunt li pui\n"
                                   "5v\t12\t122\tles vals parfunt"));
    EXPECT_EQ(copyWith(2), QString("Halt sunt li pui\nles vals parfunt\nP 120-122"));
}

TEST_F(CopyWindowTest, OneRowGivesOneLineOrItsVerseAndClosingLine)
{
    select({1});
    EXPECT_EQ(copyWith(0), QString("5r\t12\t121\t·CARLES·  e tene|brus"));
    EXPECT_EQ(copyWith(2), QString("·carles· e tenebrus\nP 121-121"));
}

// Picking another manuscript, or clicking a side-list row that opens no laisse, makes another
// manuscript current while P's verses stay on show: the citation still names P.
TEST_F(CopyWindowTest, ClosingLineNamesTheManuscriptOfTheVersesOnShow)
{
    window().ManuscriptPU()->setCurrentIndex(window().ManuscriptPU()->findText("O"));
    select({0, 1});
    EXPECT_EQ(copyWith(2), QString("Halt sunt li pui\n·carles· e tenebrus\nP 120-121"));

    // Row 2 of the "Laisses" list is L, whose laisse is "-".
    QTableWidget* laisses = window().CorrespondanceLB(1);
    laisses->selectRow(2);
    ASSERT_EQ(ThisApp::CurrentSigla, QString("L"));
    select({0, 1});
    EXPECT_EQ(copyWith(2), QString("Halt sunt li pui\n·carles· e tenebrus\nP 120-121"));

    // Once L's own laisse is on show, the citation names L.
    fixture.request("L", 0, 0, "1");
    select({0});
    EXPECT_EQ(copyWith(2), QString("L un\nL 1-1"));
}

// Ctrl+C and Edit ▸ Copy in the main list copy the selected rows, not the current cell.
TEST_F(CopyWindowTest, CopyKeyAndEditCopyInTheMainListGiveTheSelectedRows)
{
    window().show();
    window().activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window()));
    QTableWidget* list = window().MainLB();
    list->setFocus();
    const QString rows = "5r\t12\t120\tHALT sunt li =3=pui\n"
                         "5r\t12\t121\t·CARLES·  e tene|brus";

    select({});
    QTest::keyClick(list, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QApplication::clipboard()->text(), QString("left from before"));

    select({1, 0});
    QTest::keyClick(list, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QApplication::clipboard()->text(), rows);

    QApplication::clipboard()->clear();
    emit window().EditMenu()->menu()->aboutToShow();
    window().EditCopy()->trigger();
    EXPECT_EQ(QApplication::clipboard()->text(), rows);
}

// A side list copies its selected row as the main list does, and the click that selects it still
// opens that manuscript's laisse.
TEST_F(CopyWindowTest, CopyKeyAndEditCopyInASideListGiveItsSelectedRow)
{
    window().show();
    window().activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window()));
    QTableWidget* laisses = window().CorrespondanceLB(1);
    laisses->setFocus();
    QTest::keyClick(laisses, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QApplication::clipboard()->text(), QString("left from before"));
    emit window().EditMenu()->menu()->aboutToShow();
    EXPECT_FALSE(window().EditCopy()->isEnabled());

    QTest::mouseClick(laisses->viewport(), Qt::LeftButton, {},
                      laisses->visualRect(laisses->model()->index(1, 0)).center());
    ASSERT_EQ(ThisApp::CurrentSigla, QString("T"));
    QTest::keyClick(laisses, Qt::Key_C, Qt::ControlModifier);
    const QString row = "T\t012, 013,020\t11,12,-";
    EXPECT_EQ(QApplication::clipboard()->text(), row);

    QApplication::clipboard()->clear();
    emit window().EditMenu()->menu()->aboutToShow();
    EXPECT_TRUE(window().EditCopy()->isEnabled());
    window().EditCopy()->trigger();
    EXPECT_EQ(QApplication::clipboard()->text(), row);
}

TEST_F(CopyWindowTest, AMenuValueBeyondTheFormsEmptiesTheClipboard)
{
    select({0});
    window().CopyBT()->setMenuValue(3);
    window().CopyBT_Action(window().CopyBT());
    EXPECT_EQ(QApplication::clipboard()->text(), QString());
}

} // namespace
