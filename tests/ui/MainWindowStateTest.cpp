#include "QtPrinters.h"
#include "ui/BevelButton.h"
#include "ui/Canvas.h"
#include "ui/MainWindow.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>

#include <iterator>

namespace {

QStringList Headings(const QTableWidget* list)
{
    QStringList headings;
    for (int column = 0; column < list->columnCount(); ++column)
        headings << list->horizontalHeaderItem(column)->text();
    return headings;
}

QStringList Items(const QComboBox* popup)
{
    QStringList items;
    for (int i = 0; i < popup->count(); ++i)
        items << popup->itemText(i);
    return items;
}

} // namespace

TEST(MainWindowState, ListsStartWithHeadingsAndNoRows)
{
    MainWindow w;
    EXPECT_EQ(Headings(w.MainLB()), QStringList({"Folio", "Laisse", "Verse", "Text"}));
    EXPECT_EQ(w.MainLB()->rowCount(), 0);
    EXPECT_EQ(w.MainLB()->selectionMode(), QAbstractItemView::ExtendedSelection);
    EXPECT_FALSE(w.MainLB()->isSortingEnabled());
    for (int i = 0; i < 4; ++i) {
        SCOPED_TRACE(i);
        QTableWidget* list = w.CorrespondanceLB(i);
        ASSERT_NE(list, nullptr);
        EXPECT_EQ(Headings(list), QStringList({"Ms.", "Brunquel", "Ed. Electronic"}));
        EXPECT_EQ(list->rowCount(), 0);
        EXPECT_EQ(list->selectionMode(), QAbstractItemView::SingleSelection);
        EXPECT_EQ(list->selectionBehavior(), QAbstractItemView::SelectRows);
        EXPECT_EQ(list->editTriggers(), QAbstractItemView::NoEditTriggers);
        EXPECT_EQ(w.MsST(i)->text(), QString::fromUtf8("名称未設定"));
    }
}

TEST(MainWindowState, PopupsFieldsAndButtonsHoldTheirFirstValues)
{
    MainWindow w;
    EXPECT_EQ(w.StatusST()->text(), "You can get the laisse text from laisse of verse number.");
    EXPECT_EQ(w.SearchTF()->text(), "");
    EXPECT_EQ(Items(w.ManuscriptPU()), QStringList({"P", "T", "L", "C", "V7", "V4", "O"}));
    EXPECT_EQ(w.ManuscriptPU()->currentText(), "P");
    EXPECT_EQ(w.EditionPU()->currentText(), "Electronic Edition");
    EXPECT_EQ(Items(w.LaisseVersePU()), QStringList({"Laisse", "Verse"}));
    EXPECT_EQ(w.LaisseVersePU()->currentIndex(), 0);
    EXPECT_TRUE(w.SizePU()->isEditable());
    EXPECT_EQ(w.SizePU()->currentText(), "12");
    EXPECT_EQ(w.SizePU()->count(), 12);
    EXPECT_EQ(w.FontPU()->count(), 0);
    EXPECT_EQ(w.SearchBT()->text(), "OK");
    EXPECT_TRUE(w.SearchBT()->isDefault());
    EXPECT_EQ(w.CopyBT()->text(), "Copy the selection");
    ASSERT_TRUE(w.CopyBT()->HasMenu());
    EXPECT_TRUE(w.CopyBT()->menu()->actions().isEmpty());
    EXPECT_EQ(w.PrevNextLaisse(0)->text(), "Prevous Laisse");
    EXPECT_EQ(w.PrevNextLaisse(1)->text(), "Next Laisse");
    EXPECT_FALSE(w.PrevNextLaisse(0)->HasMenu());
}

TEST(MainWindowState, ListsKeepTheApplicationFont)
{
    MainWindow w;
    EXPECT_FALSE(w.MainLB()->testAttribute(Qt::WA_SetFont));
    EXPECT_FALSE(w.CorrespondanceLB(0)->testAttribute(Qt::WA_SetFont));
}

TEST(MainWindowState, LabelsCarryTheirTextsColoursAndAlignment)
{
    MainWindow w;
    EXPECT_EQ(w.ST(0)->text(), "Manuscript");
    EXPECT_EQ(w.ST(1)->text(), "Edition");
    EXPECT_EQ(w.ST(2)->text(), "Laisse/Verse");
    EXPECT_TRUE(w.ST(0)->alignment() & Qt::AlignHCenter);
    EXPECT_EQ(w.ST(6)->text(), "Font: ");
    EXPECT_TRUE(w.ST(6)->alignment() & Qt::AlignRight);
    EXPECT_TRUE(w.ST(3)->text().contains("KRB Sotenka:  'Electronic"));
    EXPECT_TRUE(w.ST(3)->text().endsWith("Kasuren universtiy)"));
    EXPECT_TRUE(w.ST(5)->text().startsWith("You can get the laisse text of each manuscript"));
    EXPECT_TRUE(w.ST(7)->text().endsWith("laisse correspondances. "));
    EXPECT_TRUE(w.ST(3)->wordWrap());
    EXPECT_FALSE(w.ST(0)->wordWrap());
    EXPECT_EQ(w.ST(3)->palette().color(QPalette::WindowText), QColor(0x78, 0x3B, 0x06));
    EXPECT_EQ(w.ST(5)->palette().color(QPalette::WindowText), QColor(0x02, 0x00, 0x80));
    EXPECT_EQ(w.StatusST()->palette().color(QPalette::Text), QColor(0x02, 0x00, 0x80));
    EXPECT_EQ(w.StatusST()->palette().color(QPalette::Base), QColor(0xE6, 0xE6, 0xE6));
}

TEST(MainWindowState, EveryControlStandsAtItsDesignedPlace)
{
    struct Placed
    {
        const char* name;
        QRect place;
    };
    // In creation order, which is tab order; array members share their array's name.
    const Placed expected[] = {
        {"MainLB", QRect(28, 107, 1037, 869)},
        {"ManuscriptPU", QRect(28, 26, 140, 20)},
        {"EditionPU", QRect(169, 26, 140, 20)},
        {"LaisseVersePU", QRect(310, 26, 140, 20)},
        {"SearchTF", QRect(453, 26, 80, 22)},
        {"SearchBT", QRect(538, 27, 40, 20)},
        {"ST", QRect(30, 5, 140, 20)},
        {"ST", QRect(172, 5, 140, 20)},
        {"ST", QRect(310, 5, 140, 20)},
        {"ST", QRect(169, 981, 749, 40)},
        {"StatusST", QRect(28, 82, 1037, 22)},
        {"CorrespondanceLB", QRect(1080, 107, 300, 200)},
        {"CorrespondanceLB", QRect(1080, 327, 300, 200)},
        {"CorrespondanceLB", QRect(1080, 550, 300, 200)},
        {"CorrespondanceLB", QRect(1080, 779, 300, 200)},
        {"MsST", QRect(1076, 83, 100, 20)},
        {"MsST", QRect(1076, 305, 100, 20)},
        {"MsST", QRect(1076, 528, 100, 20)},
        {"MsST", QRect(1076, 756, 100, 20)},
        {"Canvas1", QRect(29, 981, 100, 33)},
        {"ST", QRect(1076, 5, 302, 71)},
        {"FontPU", QRect(1188, 990, 118, 20)},
        {"SizePU", QRect(1321, 989, 58, 20)},
        {"ST", QRect(1077, 991, 89, 20)},
        {"CopyBT", QRect(310, 57, 140, 22)},
        {"PrevNextLaisse", QRect(28, 58, 120, 20)},
        {"PrevNextLaisse", QRect(150, 58, 120, 20)},
        {"ST", QRect(590, 5, 447, 70)},
        {"Canvas2", QRect(965, 981, 100, 33)},
    };
    MainWindow w;
    const QList<QWidget*> controls =
        w.centralWidget()->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly);
    ASSERT_EQ(controls.size(), std::size(expected));
    for (qsizetype i = 0; i < controls.size(); ++i) {
        SCOPED_TRACE("control " + std::to_string(i) + ", " + expected[i].name);
        EXPECT_EQ(controls[i]->objectName(), QString::fromLatin1(expected[i].name));
        EXPECT_EQ(controls[i]->geometry(), expected[i].place);
    }
    EXPECT_EQ(w.ST(6)->geometry().right() + 1 + 22, w.FontPU()->geometry().left());
}

TEST(MainWindowState, ContentAreaBelowTheMenuBarHasTheDesignedSize)
{
    MainWindow w;
    w.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&w));
    EXPECT_EQ(w.centralWidget()->size(), QSize(1404, 1021));
    EXPECT_GE(w.centralWidget()->y(), w.menuWidget()->geometry().bottom());
    EXPECT_EQ(w.windowTitle(), QString::fromUtf8("CORVANE: base de donnée du Vestrel en hommage à "
                                                 "Odrin Brunquel (1863-1937) by Tennmoora"));
    EXPECT_EQ(w.minimumSize(), QSize(64, 64));
    EXPECT_EQ(w.maximumSize(), QSize(32000, 32000));
}

TEST(MainWindowState, ListColumnsTakeTheirShareOfTheWidth)
{
    MainWindow w;
    w.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&w));
    QTableWidget* list = w.CorrespondanceLB(0);
    const int width = list->maximumViewportSize().width();
    EXPECT_EQ(list->columnWidth(0), width * 20 / 100);
    EXPECT_EQ(list->columnWidth(1), width * 40 / 100);
    EXPECT_EQ(w.MainLB()->columnWidth(2), w.MainLB()->maximumViewportSize().width() / 10);
    EXPECT_GT(w.MainLB()->columnWidth(3), w.MainLB()->columnWidth(0) * 5);
}

TEST(MainWindowState, TabVisitsTheControlsInCreationOrder)
{
    MainWindow w;
    w.show();
    w.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&w));
    w.MainLB()->setFocus();
    const QList<QWidget*> expected = {w.ManuscriptPU(),
                                      w.EditionPU(),
                                      w.LaisseVersePU(),
                                      w.SearchTF(),
                                      w.SearchBT(),
                                      w.StatusST(),
                                      w.CorrespondanceLB(0),
                                      w.CorrespondanceLB(1),
                                      w.CorrespondanceLB(2),
                                      w.CorrespondanceLB(3),
                                      w.FontPU(),
                                      w.SizePU(),
                                      w.CopyBT(),
                                      w.PrevNextLaisse(0),
                                      w.PrevNextLaisse(1),
                                      w.MainLB()};
    for (QWidget* next : expected) {
        SCOPED_TRACE(next->objectName().toStdString());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QWidget* focused = QApplication::focusWidget();
        EXPECT_TRUE(focused == next || focused->parentWidget() == next);
    }
}

TEST(MainWindowInstance, IsOneWindowUntilDeleted)
{
    MainWindow& first = MainWindow::instance();
    EXPECT_EQ(&MainWindow::instance(), &first);
    EXPECT_FALSE(first.isVisible());
    delete &first;
    MainWindow& second = MainWindow::instance();
    EXPECT_EQ(second.MainLB()->rowCount(), 0);
    delete &second;
}
