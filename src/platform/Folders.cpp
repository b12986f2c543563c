#include "platform/Folders.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QStandardPaths>

#include <cerrno>
#include <sys/stat.h>
#include <unistd.h>

namespace {

QString applicationOverride;
QString temporaryOverride;
QString preferencesOverride;

// A trailing "/" would make lstat follow a symbolic link, so it goes.
QByteArray NativeName(const QString& path)
{
    return QFile::encodeName(QDir::cleanPath(path));
}

bool LstatPath(const QString& path, struct stat* info)
{
    return !path.isEmpty() && ::lstat(NativeName(path).constData(), info) == 0;
}

bool DescribesOwnRealFolder(const struct stat& info)
{
    return S_ISDIR(info.st_mode) && info.st_uid == ::geteuid();
}

bool OthersMayWrite(const struct stat& info)
{
    return (info.st_mode & (S_IWGRP | S_IWOTH)) != 0;
}

QString UsableRuntimeFolder()
{
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (runtime.isEmpty() || !QDir::isAbsolutePath(runtime))
        return QString();
    struct stat info;
    if (!LstatPath(runtime, &info) || !DescribesOwnRealFolder(info) || OthersMayWrite(info))
        return QString();
    return QDir::cleanPath(runtime);
}

} // namespace

namespace Folders {

QString ApplicationFolder()
{
    if (!applicationOverride.isEmpty())
        return applicationOverride;
    if (!QCoreApplication::instance())
        return QString();
    return QCoreApplication::applicationDirPath();
}

QString TemporaryFolder()
{
    if (!temporaryOverride.isEmpty())
        return temporaryOverride;
    const QString runtime = UsableRuntimeFolder();
    if (!runtime.isEmpty())
        return runtime;
    return PrivateFolderIn(QDir::tempPath());
}

QString PreferencesFolder()
{
    if (!preferencesOverride.isEmpty())
        return preferencesOverride;
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
}

void SetApplicationFolder(const QString& path)
{
    applicationOverride = path;
}

void SetTemporaryFolder(const QString& path)
{
    temporaryOverride = path;
}

void SetPreferencesFolder(const QString& path)
{
    preferencesOverride = path;
}

bool IsOwnRealFolder(const QString& path)
{
    struct stat info;
    return LstatPath(path, &info) && DescribesOwnRealFolder(info);
}

void RemoveOwnNonFolder(const QString& path)
{
    struct stat info;
    if (LstatPath(path, &info) && !S_ISDIR(info.st_mode) && info.st_uid == ::geteuid())
        ::unlink(NativeName(path).constData());
}

QString PrivateFolderIn(const QString& base)
{
    if (base.isEmpty())
        return QString();
    const QString path = QDir::cleanPath(base) + "/corvane-" + QString::number(::geteuid());
    const QByteArray native = NativeName(path);
    if (::mkdir(native.constData(), S_IRWXU) != 0 && errno != EEXIST)
        return QString();
    // Checked after mkdir, whoever made it: a link or someone else's folder planted in a shared
    // temporary folder must not be used.
    struct stat info;
    if (::lstat(native.constData(), &info) != 0 || !DescribesOwnRealFolder(info)
        || OthersMayWrite(info))
        return QString();
    // Only this user could have written into it, so taking away the others' reading is safe.
    if ((info.st_mode & 0777) != S_IRWXU && ::chmod(native.constData(), S_IRWXU) != 0)
        return QString();
    return path;
}

} // namespace Folders
