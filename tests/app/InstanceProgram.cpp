#include "App.h"
#include "MainRoutine.h"
#include "platform/Folders.h"

#include <QApplication>
#include <QTimer>

#include <cstdio>

// The application as it runs, started by the tests as a process of its own, with its archive in
// the folder given as the one argument. Once its event loop runs it says so on standard output,
// or that a message box holds the start-up.
int main(int argc, char** argv)
{
    App app(argc, argv);
    if (argc != 2)
        return 2;
    Folders::SetApplicationFolder(QString::fromLocal8Bit(argv[1]));
    QTimer::singleShot(0, [] {
        std::puts(QApplication::activeModalWidget() ? "message" : "running");
        std::fflush(stdout);
    });
    return MainRoutine();
}
