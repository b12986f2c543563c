#include "ConsultationFixture.h"
#include "QtPrinters.h"

#include "ui/Canvas.h"
#include "ui/MainWindow.h"
#include "ui/Pictures.h"

#include <QApplication>
#include <QDesktopServices>
#include <QEnterEvent>
#include <QImage>
#include <QPainter>
#include <QTableWidget>
#include <QTest>
#include <QUrl>

#include <gtest/gtest.h>

namespace {

// Stands in for the browser: records each address it is asked to open.
class OpenedAddresses : public QObject
{
    Q_OBJECT

public:
    OpenedAddresses()
    {
        QDesktopServices::setUrlHandler("https", this, "open");
        QDesktopServices::setUrlHandler("http", this, "open");
    }
    ~OpenedAddresses() override
    {
        QDesktopServices::unsetUrlHandler("https");
        QDesktopServices::unsetUrlHandler("http");
    }

    QList<QUrl> urls;

public slots:
    void open(const QUrl& url) { urls.append(url); }
};

// The smallest rectangle that holds every pixel of image that is not fully transparent.
QRectF OpaqueBounds(const QImage& image)
{
    QRect bounds;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (qAlpha(image.pixel(x, y)) != 0)
                bounds |= QRect(x, y, 1, 1);
    return QRectF(bounds);
}

class LogoCanvasTest : public ::testing::Test
{
protected:
    QList<Canvas*> canvases() { return {fixture.window().Canvas1(), fixture.window().Canvas2()}; }

    ConsultationFixture fixture;
    OpenedAddresses opened;
};

TEST_F(LogoCanvasTest, EachClickOpensTheAuthorsPageOnce)
{
    for (Canvas* canvas : canvases()) {
        opened.urls.clear();
        QTest::mouseClick(canvas, Qt::LeftButton);
        ASSERT_EQ(opened.urls.size(), 1);
        EXPECT_TRUE(opened.urls.first().isValid());
        QTest::mouseClick(canvas, Qt::LeftButton);
        EXPECT_EQ(opened.urls.size(), 2);
        EXPECT_EQ(opened.urls.last(), opened.urls.first());
        // A release away from the canvas still counts.
        QTest::mousePress(canvas, Qt::LeftButton, {}, QPoint(10, 10));
        QTest::mouseRelease(canvas, Qt::LeftButton, {}, QPoint(-200, 500));
        EXPECT_EQ(opened.urls.size(), 3);
    }
}

TEST_F(LogoCanvasTest, ThePointerTurnsToAHandOverACanvasOnceEntered)
{
    for (Canvas* canvas : canvases()) {
        const QPointF inside(5, 5);
        QEnterEvent enter(inside, inside, canvas->mapToGlobal(inside));
        QApplication::sendEvent(canvas, &enter);
        EXPECT_EQ(canvas->cursor().shape(), Qt::PointingHandCursor);
    }
    EXPECT_EQ(fixture.window().MainLB()->cursor().shape(), Qt::ArrowCursor);
}

TEST_F(LogoCanvasTest, ThePictureIsStretchedOverTheWholeCanvas)
{
    const QImage picture = Tamrel_Logo().convertToFormat(QImage::Format_ARGB32);
    ASSERT_FALSE(picture.isNull());
    // Another shape than the picture's, so the picture must be distorted to fill it.
    Canvas canvas;
    canvas.resize(310, 20);
    QImage drawn(canvas.size(), QImage::Format_ARGB32);
    drawn.fill(Qt::transparent);
    {
        QPainter g(&drawn);
        fixture.window().Canvas1_Paint(&canvas, g);
    }

    const QRectF inPicture = OpaqueBounds(picture);
    const double sx = 310.0 / picture.width();
    const double sy = 20.0 / picture.height();
    const QRectF expected(inPicture.left() * sx, inPicture.top() * sy, inPicture.width() * sx,
                          inPicture.height() * sy);
    const QRectF inCanvas = OpaqueBounds(drawn);
    EXPECT_NEAR(inCanvas.left(), expected.left(), 2.0);
    EXPECT_NEAR(inCanvas.top(), expected.top(), 2.0);
    EXPECT_NEAR(inCanvas.right(), expected.right(), 2.0);
    EXPECT_NEAR(inCanvas.bottom(), expected.bottom(), 2.0);
}

} // namespace

#include "LogoCanvasTest.moc"
