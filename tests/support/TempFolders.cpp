#include "TempFolders.h"

#include "platform/Folders.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

TempFolders::TempFolders()
{
    QDir root(m_dir.path());
    root.mkpath("app");
    root.mkpath("tmp");
    QFile::setPermissions(temporary(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    root.mkpath("prefs");
    Folders::SetApplicationFolder(application());
    Folders::SetTemporaryFolder(temporary());
    Folders::SetPreferencesFolder(preferences());
}

TempFolders::~TempFolders()
{
    Folders::SetApplicationFolder(QString());
    Folders::SetTemporaryFolder(QString());
    Folders::SetPreferencesFolder(QString());
}

QString TempFolders::writeFile(const QString& relativePath, const QByteArray& content) const
{
    const QString path = m_dir.path() + "/" + relativePath;
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return QString();
    file.write(content);
    return path;
}
