#include "App.h"

#include "data/ThisApp.h"
#include "platform/Folders.h"

#include <QDir>
#include <QFileInfo>

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
    const QString data = ThisApp::DataFolder;
    if (data.isEmpty())
        return;
    // Deleting through a symbolic link or in another user's folder could remove what is not ours.
    const QString unpackFolder = QFileInfo(data).path();
    if (!Folders::IsOwnRealFolder(unpackFolder) || !Folders::IsOwnRealFolder(data))
        return;
    QDir(data).removeRecursively();
}
