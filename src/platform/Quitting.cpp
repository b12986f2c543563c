#include "platform/Quitting.h"

#include <QCoreApplication>
#include <QMetaObject>

namespace {

bool quitRequested = false;
int quitExitCode = 0;

} // namespace

void Quit(int exitCode)
{
    quitRequested = true;
    quitExitCode = exitCode;
    // Queued, so the caller's handler finishes first; quit() (not exit()) lets a GUI
    // application close its windows, running their Close events before the application's.
    if (QCoreApplication* app = QCoreApplication::instance())
        QMetaObject::invokeMethod(app, &QCoreApplication::quit, Qt::QueuedConnection);
}

bool QuitRequested()
{
    return quitRequested;
}

int QuitExitCode()
{
    return quitExitCode;
}

void ClearQuitRequest()
{
    quitRequested = false;
    quitExitCode = 0;
}
