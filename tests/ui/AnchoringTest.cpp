#include "QtPrinters.h"
#include "ui/BevelButton.h"
#include "ui/Canvas.h"
#include "ui/ControlTable.h"
#include "ui/MainWindow.h"

#include <gtest/gtest.h>

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QTableWidget>
#include <QTest>

using namespace MainWindowControls;

TEST(AnchoredGeometry, KeepsDistancesToLockedEdges)
{
    const QRect design(100, 200, 50, 40);
    const QSize grown(1504, 1121); // 100 wider and taller than designed
    struct Case
    {
        const char* what;
        int locks;
        QRect expected;
    };
    const Case cases[] = {
        {"left top stays", LockLeft | LockTop, design},
        {"no lock behaves like left top", 0, design},
        {"right follows the right edge", LockTop | LockRight, QRect(200, 200, 50, 40)},
        {"bottom follows the bottom edge", LockLeft | LockBottom, QRect(100, 300, 50, 40)},
        {"left and right stretch", LockLeft | LockTop | LockRight, QRect(100, 200, 150, 40)},
        {"all four stretch both ways", LockLeft | LockTop | LockRight | LockBottom,
         QRect(100, 200, 150, 140)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(AnchoredGeometry(design, c.locks, grown), c.expected);
        EXPECT_EQ(AnchoredGeometry(design, c.locks, DesignArea), design);
    }
}

TEST(AnchoredGeometry, TinyAreaNeverGivesANegativeSize)
{
    const QRect stretched =
        AnchoredGeometry(QRect(28, 107, 1037, 869), LockLeft | LockTop | LockRight | LockBottom,
                         QSize(64, 40));
    EXPECT_EQ(stretched.topLeft(), QPoint(28, 107));
    EXPECT_EQ(stretched.size(), QSize(0, 0));
    // A right-locked control moves past the left edge rather than shrink.
    EXPECT_EQ(AnchoredGeometry(QRect(1080, 107, 300, 200), LockTop | LockRight, QSize(64, 64)),
              QRect(1080 - 1340, 107, 300, 200));
}

namespace {

// The place of every control of the window, in creation order.
QList<QRect> Places(const MainWindow& w)
{
    QList<QRect> places;
    for (const QWidget* control :
         w.centralWidget()->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly))
        places.append(control->geometry());
    return places;
}

// Resizes the window to windowSize; true once its content area has taken contentSize, which
// places the controls at once.
bool ResizedTo(MainWindow& w, const QSize& windowSize, const QSize& contentSize)
{
    w.resize(windowSize);
    return QTest::qWaitFor([&] { return w.centralWidget()->size() == contentSize; });
}

} // namespace

TEST(WindowAnchoring, ResizingMovesAndStretchesTheLockedControls)
{
    MainWindow w;
    w.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&w));
    const QSize before = w.size();
    const QList<QRect> designed = Places(w);
    ASSERT_TRUE(ResizedTo(w, before + QSize(200, 100), QSize(1604, 1121)));

    EXPECT_EQ(w.MainLB()->geometry(), QRect(28, 107, 1237, 969));
    EXPECT_EQ(w.StatusST()->geometry(), QRect(28, 82, 1237, 22));
    EXPECT_EQ(w.ST(3)->geometry(), QRect(169, 1081, 949, 40));
    EXPECT_EQ(w.ST(5)->geometry(), QRect(1276, 5, 302, 71));
    EXPECT_EQ(w.ST(7)->geometry(), QRect(790, 5, 447, 70));
    const int labelTops[] = {83, 305, 528, 756};
    for (int i = 0; i < 4; ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(w.CorrespondanceLB(i)->x(), 1280);
        EXPECT_EQ(w.CorrespondanceLB(i)->size(), QSize(300, 200));
        EXPECT_EQ(w.MsST(i)->x(), 1276);
        EXPECT_EQ(w.MsST(i)->y(), labelTops[i]);
    }
    EXPECT_EQ(w.FontPU()->pos(), QPoint(1388, 1090));
    EXPECT_EQ(w.SizePU()->pos(), QPoint(1521, 1089));
    EXPECT_EQ(w.ST(6)->pos(), QPoint(1277, 1091));
    EXPECT_EQ(w.Canvas2()->pos(), QPoint(1165, 1081));
    EXPECT_EQ(w.Canvas1()->pos(), QPoint(29, 1081));
    EXPECT_EQ(w.ManuscriptPU()->pos(), QPoint(28, 26));
    EXPECT_EQ(w.SearchTF()->pos(), QPoint(453, 26));
    EXPECT_EQ(w.PrevNextLaisse(1)->pos(), QPoint(150, 58));

    // Back to the designed size, everything is where it started.
    ASSERT_TRUE(ResizedTo(w, before, DesignArea));
    EXPECT_EQ(Places(w), designed);
}

TEST(WindowAnchoring, WindowShrinksToItsMinimumWithoutRearranging)
{
    MainWindow w;
    w.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&w));
    w.resize(10, 10);
    ASSERT_TRUE(QTest::qWaitFor([&] { return w.size() == QSize(64, 64); }))
        << w.width() << "x" << w.height();
    EXPECT_EQ(w.ManuscriptPU()->pos(), QPoint(28, 26));
    EXPECT_EQ(w.MainLB()->pos(), QPoint(28, 107));
    EXPECT_GE(w.MainLB()->width(), 0);
}
