#include "ui/BevelButton.h"
#include "ui/Canvas.h"
#include "ui/MainWindow.h"
#include "ui/Pictures.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QLineEdit>
#include <QMenu>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

TEST(BevelButton, AChosenMenuRowIsRecordedBeforeActionIsRaised)
{
    BevelButton button;
    button.setHasMenu(true);
    button.AddRow("1: Row data.");
    button.AddRow("2: Remove markings.");
    button.AddRow("3: Arrange for citation.");
    QList<int> seen;
    QObject::connect(&button, &BevelButton::Action, &button,
                     [&seen](BevelButton* sender) { seen << sender->MenuValue(); });

    button.menu()->actions().at(2)->trigger();
    button.menu()->actions().at(0)->trigger();
    EXPECT_EQ(seen, QList<int>({2, 0}));
    EXPECT_EQ(button.MenuValue(), 0);
}

TEST(BevelButton, WithoutAMenuAClickRaisesActionAndRowsAreIgnored)
{
    BevelButton button;
    button.AddRow("ignored");
    EXPECT_EQ(button.menu(), nullptr);
    QSignalSpy actions(&button, &BevelButton::Action);
    QTest::mouseClick(&button, Qt::LeftButton);
    EXPECT_EQ(actions.count(), 1);
    EXPECT_EQ(button.MenuValue(), 0);
}

TEST(CanvasWidget, TheReleaseIsReportedOnlyAfterATakenPress)
{
    Canvas canvas;
    canvas.resize(100, 33);
    bool take = false;
    QList<QPoint> downs;
    QList<QPoint> ups;
    canvas.setMouseDownHandler([&](Canvas*, int x, int y) {
        downs << QPoint(x, y);
        return take;
    });
    canvas.setMouseUpHandler([&](Canvas*, int x, int y) { ups << QPoint(x, y); });

    QTest::mouseClick(&canvas, Qt::LeftButton, {}, QPoint(5, 6));
    EXPECT_EQ(downs.size(), 1);
    EXPECT_TRUE(ups.isEmpty());

    take = true;
    QTest::mouseClick(&canvas, Qt::LeftButton, {}, QPoint(7, 8));
    EXPECT_EQ(downs.size(), 2);
    EXPECT_EQ(ups, QList<QPoint>({QPoint(7, 8)}));
}

TEST(LogoPictures, EachLogoLoadsOnceAndIsHeld)
{
    const QImage logo = Tamrel_Logo();
    ASSERT_FALSE(logo.isNull());
    EXPECT_EQ(Tamrel_Logo().cacheKey(), logo.cacheKey());
    const QImage second = ProjVestrand2();
    ASSERT_FALSE(second.isNull());
    EXPECT_EQ(ProjVestrand2().cacheKey(), second.cacheKey());
    EXPECT_NE(second.cacheKey(), logo.cacheKey());
}

TEST(LogoPictures, AMissingPictureIsTriedAgainUntilItLoads)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("logo.png");
    PictureStore store(path);
    EXPECT_TRUE(store.picture().isNull());
    EXPECT_TRUE(store.picture().isNull());

    ASSERT_TRUE(Tamrel_Logo().save(path));
    const QImage loaded = store.picture();
    ASSERT_FALSE(loaded.isNull());
    QFile::remove(path);
    EXPECT_EQ(store.picture().cacheKey(), loaded.cacheKey());
}

TEST(SearchFieldKeys, KeysTheHandlerLeavesAreTypedAsUsual)
{
    MainWindow w;
    QTest::keyClicks(w.SearchTF(), "42");
    QTest::keyClick(w.SearchTF(), Qt::Key_Return);
    EXPECT_EQ(w.SearchTF()->text(), "42");
}
