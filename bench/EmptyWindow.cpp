#include <QApplication>
#include <QMainWindow>

// An empty main window of the application's size: what any Qt program pays to show a window.
int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Empty window"));
    window.resize(1404, 1021);
    window.show();
    return app.exec();
}
