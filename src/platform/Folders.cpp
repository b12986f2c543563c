#include "Folders.h"

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
QByteArray nativeName(const QString& path)
{
    return QFile::encodeName(QDir::cleanPath(path));
}

bool lstatPath(const QString& path, struct stat* info)
{
    return !path.isEmpty() && ::lstat(nativeName(path).constData(), info) == 0;
}

bool isOwnRealFolder(const struct stat& info)
{
    return S_ISDIR(info.st_mode) && info.st_uid == ::geteuid();
}

bool othersMayWrite(const struct stat& info)
{
    return (info.st_mode & (S_IWGRP | S_IWOTH)) != 0;
}

QString usableRuntimeFolder()
{
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (runtime.isEmpty() || !QDir::isAbsolutePath(runtime))
        return QString();
    struct stat info;
    if (!lstatPath(runtime, &info) || !isOwnRealFolder(info) || othersMayWrite(info))
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
    const QString runtime = usableRuntimeFolder();
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

void setApplicationFolder(const QString& path)
{
    applicationOverride = path;
}

void setTemporaryFolder(const QString& path)
{
    temporaryOverride = path;
}

void setPreferencesFolder(const QString& path)
{
    preferencesOverride = path;
}

bool IsOwnRealFolder(const QString& path)
{
    struct stat info;
    return lstatPath(path, &info) && isOwnRealFolder(info);
}

void RemoveOwnNonFolder(const QString& path)
{
    struct stat info;
    if (lstatPath(path, &info) && !S_ISDIR(info.st_mode) && info.st_uid == ::geteuid())
        ::unlink(nativeName(path).constData());
}

QString PrivateFolderIn(const QString& base)
{
    if (base.isEmpty())
        return QString();
    const QString path = QDir::cleanPath(base) + "/corvane-" + QString::number(::geteuid());
    const QByteArray native = nativeName(path);
    if (::mkdir(native.constData(), S_IRWXU) != 0 && errno != EEXIST)
        return QString();
    // Checked after mkdir, whoever made it: a link or someone else's folder planted in a shared
    // temporary folder must not be used.
    struct stat info;
    if (::lstat(native.constData(), &info) != 0 || !isOwnRealFolder(info) || othersMayWrite(info))
        return QString();
    // Only this user could have written into it, so taking away the others' reading is safe.
    if ((info.st_mode & 0777) != S_IRWXU && ::chmod(native.constData(), S_IRWXU) != 0)
        return QString();
    return path;
}

} // namespace Folders
