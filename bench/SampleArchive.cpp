#include "SampleArchive.h"

#include "data/ThisApp.h"
#include "platform/Folders.h"
#include "platform/Quitting.h"

#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>

namespace {

QTemporaryDir& scratch()
{
    static QTemporaryDir dir;
    return dir;
}

} // namespace

QString SampleArchivePath()
{
    return QStringLiteral(CORVANE_SAMPLE_ARCHIVE);
}

QString SampleArchivePassword()
{
    return ThisApp::DataPW;
}

QString SevenZipAesArchivePath()
{
    static const QString archive = [] {
        const QString path = FreshFolder() + "/Data.zip";
        QProcess sevenZip;
        sevenZip.setWorkingDirectory(QStringLiteral(CORVANE_SAMPLE_TREE));
        sevenZip.start("7z", {"a", "-tzip", "-bso0", "-bsp0", "-mem=AES256", "-p" + SampleArchivePassword(),
                              path, "Data"});
        sevenZip.waitForFinished(-1);
        return path;
    }();
    return archive;
}

QString FreshFolder()
{
    static int counter = 0;
    const QString path = scratch().path() + "/run" + QString::number(++counter);
    QDir().mkpath(path);
    QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    return path;
}

void RunDataSetup()
{
    Folders::setApplicationFolder(QFileInfo(SampleArchivePath()).absolutePath());
    Folders::setTemporaryFolder(FreshFolder());
    Folders::setPreferencesFolder(FreshFolder());
    ThisApp::Reset();
    ClearQuitRequest();
    ThisApp::OpenThis();
}
