#include "ui/Canvas.h"
#include "ui/MainWindow.h"
#include "ui/Pictures.h"

#include <QDesktopServices>
#include <QPainter>
#include <QUrl>

namespace {

// The author's web page, opened by a click on either logo.
const QString AuthorWebPage = QStringLiteral("https://tamrel-software.example/corvane/");

// The whole picture stretched over the whole canvas, each axis on its own; a picture that
// cannot be loaded leaves the canvas empty.
void DrawStretched(Canvas* canvas, QPainter& g, const QImage& picture)
{
    if (picture.isNull())
        return;
    g.drawImage(QRect(0, 0, canvas->width(), canvas->height()), picture);
}

void OpenAuthorWebPage()
{
    QDesktopServices::openUrl(QUrl(AuthorWebPage));
}

} // namespace

void MainWindow::Canvas1_Paint(Canvas* sender, QPainter& g)
{
    DrawStretched(sender, g, Tamrel_Logo());
}

void MainWindow::Canvas2_Paint(Canvas* sender, QPainter& g)
{
    DrawStretched(sender, g, ProjVestrand2());
}

bool MainWindow::Canvas1_MouseDown(Canvas*, int, int)
{
    return true;
}

bool MainWindow::Canvas2_MouseDown(Canvas*, int, int)
{
    return true;
}

void MainWindow::Canvas1_MouseUp(Canvas*, int, int)
{
    OpenAuthorWebPage();
}

void MainWindow::Canvas2_MouseUp(Canvas*, int, int)
{
    OpenAuthorWebPage();
}

void MainWindow::Canvas1_MouseEnter(Canvas* sender)
{
    sender->setCursor(Qt::PointingHandCursor);
}

void MainWindow::Canvas2_MouseEnter(Canvas* sender)
{
    sender->setCursor(Qt::PointingHandCursor);
}
