#include "platform/LinkFreeFolder.h"

#include <QDir>
#include <QFile>

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr int FolderFlags = O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC;

// A folder opened for reading would read as an error, not as an unopenable file.
int KeepRegularFile(int fd)
{
    struct stat info;
    if (fd >= 0 && (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode))) {
        ::close(fd);
        return -1;
    }
    return fd;
}

} // namespace

LinkFreeFolder::LinkFreeFolder(const QString& path)
{
    // A trailing "/" would make open follow a link in the last part.
    if (!path.isEmpty())
        m_fd = ::open(QFile::encodeName(QDir::cleanPath(path)).constData(), FolderFlags);
}

LinkFreeFolder::LinkFreeFolder(const LinkFreeFolder& parent, const QString& name)
{
    if (parent.isOpen() && !name.isEmpty())
        m_fd = ::openat(parent.m_fd, QFile::encodeName(name).constData(), FolderFlags);
}

LinkFreeFolder::~LinkFreeFolder()
{
    if (m_fd >= 0)
        ::close(m_fd);
}

bool LinkFreeFolder::isOpen() const
{
    return m_fd >= 0;
}

QStringList LinkFreeFolder::names() const
{
    QStringList names;
    // A descriptor of its own, so the listing starts at the beginning every time.
    const int fd = isOpen() ? ::openat(m_fd, ".", FolderFlags) : -1;
    DIR* folder = fd >= 0 ? ::fdopendir(fd) : nullptr;
    if (!folder) {
        if (fd >= 0)
            ::close(fd);
        return names;
    }
    while (const dirent* item = ::readdir(folder)) {
        const QByteArray name(item->d_name);
        if (name != "." && name != "..")
            names.append(QFile::decodeName(name));
    }
    ::closedir(folder);
    return names;
}

int LinkFreeFolder::openFile(const QString& name) const
{
    if (!isOpen() || name.isEmpty())
        return -1;
    return KeepRegularFile(
        ::openat(m_fd, QFile::encodeName(name).constData(), O_RDONLY | O_NOFOLLOW | O_CLOEXEC));
}

int OpenRegularFile(const QString& path, LastPart lastPart)
{
    if (path.isEmpty())
        return -1;
    const int flags = O_RDONLY | O_CLOEXEC | (lastPart == LastPart::LinkRefused ? O_NOFOLLOW : 0);
    return KeepRegularFile(::open(QFile::encodeName(QDir::cleanPath(path)).constData(), flags));
}
