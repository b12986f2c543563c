#include "ui/ControlArrays.h"
#include "ui/MainWindow.h"

#include <gtest/gtest.h>

#include <QMenu>
#include <QSignalSpy>
#include <QTest>

using namespace MainWindowControls;

namespace {

template <typename T>
QList<int> Indices(const MainWindow& w, const QString& name)
{
    QList<int> indices;
    for (const T* member : w.centralWidget()->findChildren<T*>(name))
        indices << member->Index();
    return indices;
}

} // namespace

TEST(ControlArrays, MembersAndTheirIndices)
{
    MainWindow w;
    EXPECT_EQ(Indices<ST>(w, "ST"), QList<int>({0, 1, 2, 3, 5, 6, 7}));
    EXPECT_EQ(Indices<MsST>(w, "MsST"), QList<int>({0, 1, 2, 3}));
    EXPECT_EQ(Indices<CorrespondanceLB>(w, "CorrespondanceLB"), QList<int>({0, 1, 2, 3}));
    EXPECT_EQ(Indices<PrevNextLaisse>(w, "PrevNextLaisse"), QList<int>({0, 1}));

    EXPECT_EQ(w.ST(4), nullptr);
    EXPECT_EQ(w.ST(8), nullptr);
    EXPECT_EQ(w.CorrespondanceLB(4), nullptr);
    EXPECT_EQ(w.MsST(-1), nullptr);
    EXPECT_EQ(w.PrevNextLaisse(2), nullptr);
    // The accessors give the member of that index, as the array's class.
    EXPECT_EQ(qobject_cast<ST*>(w.ST(7))->Index(), 7);
    EXPECT_EQ(qobject_cast<PrevNextLaisse*>(w.PrevNextLaisse(1))->Index(), 1);
}

TEST(ControlArrays, EachTableLabelStandsJustAboveItsList)
{
    MainWindow w;
    for (int i = 0; i < 4; ++i) {
        SCOPED_TRACE(i);
        const QRect label = w.MsST(i)->geometry();
        const QRect list = w.CorrespondanceLB(i)->geometry();
        EXPECT_LE(label.top(), list.top());
        EXPECT_GE(label.bottom() + 5, list.top());
        if (i > 0) {
            EXPECT_GT(label.top(), w.CorrespondanceLB(i - 1)->geometry().top());
        }
    }
}

TEST(ControlArrays, ASelectionInAnyListReachesTheOneHandlerWithThatList)
{
    MainWindow w;
    for (int i = 0; i < 4; ++i) {
        SCOPED_TRACE(i);
        auto* list = qobject_cast<CorrespondanceLB*>(w.CorrespondanceLB(i));
        QSignalSpy changes(list, &CorrespondanceLB::Change);
        list->setRowCount(2);
        list->selectRow(1);
        ASSERT_EQ(changes.count(), 1);
        EXPECT_EQ(changes.at(0).at(0).value<QTableWidget*>(), list);
        // The member's Change goes straight to the window's shared handler.
        EXPECT_TRUE(QObject::disconnect(list, &CorrespondanceLB::Change, &w,
                                        &MainWindow::CorrespondanceLB_Change));
    }
}

TEST(ControlArrays, BothStepButtonsReachTheOneHandlerWithThemselves)
{
    MainWindow w;
    for (int i = 0; i < 2; ++i) {
        SCOPED_TRACE(i);
        auto* button = qobject_cast<PrevNextLaisse*>(w.PrevNextLaisse(i));
        QSignalSpy presses(button, &BevelButton::Action);
        QTest::mouseClick(button, Qt::LeftButton);
        ASSERT_EQ(presses.count(), 1);
        EXPECT_EQ(presses.at(0).at(0).value<BevelButton*>(), button);
        EXPECT_TRUE(QObject::disconnect(button, &BevelButton::Action, &w,
                                        &MainWindow::PrevNextLaisse_Action));
    }
}

TEST(ControlArrays, ACopyStandsInForMemberZeroWithTheSharedHandler)
{
    MainWindow w;
    auto* list = new CorrespondanceLB(w.centralWidget());
    EXPECT_EQ(list->Index(), 0);
    EXPECT_EQ(list->objectName(), "CorrespondanceLB");
    EXPECT_EQ(list->geometry(), w.CorrespondanceLB(0)->geometry());
    EXPECT_EQ(list->columnCount(), 3);
    EXPECT_TRUE(QObject::disconnect(list, &CorrespondanceLB::Change, &w,
                                    &MainWindow::CorrespondanceLB_Change));

    auto* button = new PrevNextLaisse(w.centralWidget());
    EXPECT_EQ(button->Index(), 0);
    EXPECT_EQ(button->text(), "Prevous Laisse");
    EXPECT_TRUE(
        QObject::disconnect(button, &BevelButton::Action, &w, &MainWindow::PrevNextLaisse_Action));

    auto* label = new ST(w.centralWidget());
    EXPECT_EQ(label->text(), "Manuscript");
    EXPECT_EQ(label->geometry(), w.ST(0)->geometry());
    // The originals stay the members that the accessors give.
    EXPECT_NE(w.ST(0), label);
    EXPECT_NE(w.CorrespondanceLB(0), list);
}

TEST(ControlArrays, ACopyOutsideAWindowGetsMemberZerosLookWithoutAHandler)
{
    CorrespondanceLB list;
    EXPECT_EQ(list.Index(), 0);
    EXPECT_EQ(list.columnCount(), 3);
    QSignalSpy changes(&list, &CorrespondanceLB::Change);
    list.setRowCount(1);
    list.selectRow(0);
    EXPECT_EQ(changes.count(), 1);

    MsST label;
    EXPECT_EQ(label.text(), QString::fromUtf8("名称未設定"));
}
