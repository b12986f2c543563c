#include "app/App.h"

#include "data/ThisApp.h"
#include "platform/Folders.h"

#include <QDir>
#include <QFileInfo>

namespace {

void RemoveData(const QString& data)
{
    // Deleting through a symbolic link or in another user's folder could remove what is not ours:
    // a link goes itself, another user's item stays.
    if (data.isEmpty() || !Folders::IsOwnRealFolder(QFileInfo(data).path()))
        return;
    if (Folders::IsOwnRealFolder(data))
        QDir(data).removeRecursively();
    else
        Folders::RemoveOwnNonFolder(data);
}

} // namespace

App::App(int& argc, char** argv) : QApplication(argc, argv)
{
    setApplicationVersion(QStringLiteral("1.0.0"));
    // Qt closes the windows before the loop ends, so the window's Close event has run by now.
    connect(this, &QCoreApplication::aboutToQuit, &App::Event_Close);
}

void App::Event_Open()
{
    ThisApp::OpenThis();
}

void App::Event_Close()
{
    // Only the last instance to quit removes the data, or one that could not take the lock and
    // so cannot tell; the others still read it. The lock stays held alone while the data goes, so
    // an instance starting meanwhile waits to unpack anew.
    if (ThisApp::DataLock.holdAlone())
        RemoveData(ThisApp::DataFolder);
    ThisApp::DataLock.release();
}
