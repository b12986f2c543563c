#include "platform/InstanceLock.h"

#include <QDir>
#include <QFile>

#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// Waits out interruptions by a signal, which the application turns into a quit of its own.
int LockFile(int fd, int operation)
{
    int result;
    do {
        result = ::flock(fd, operation);
    } while (result != 0 && errno == EINTR);
    return result;
}

} // namespace

InstanceLock::~InstanceLock()
{
    release();
}

bool InstanceLock::holdShared(const QString& path)
{
    release();
    if (path.isEmpty())
        return false;
    // Opened for writing too: on NFS an exclusive lock needs it.
    m_fd = ::open(QFile::encodeName(QDir::cleanPath(path)).constData(),
                  O_RDWR | O_CREAT | O_NOFOLLOW | O_CLOEXEC, S_IRUSR | S_IWUSR);
    struct stat info;
    if (m_fd < 0 || ::fstat(m_fd, &info) != 0 || !S_ISREG(info.st_mode)
        || info.st_uid != ::geteuid() || LockFile(m_fd, LOCK_SH) != 0) {
        release();
        return false;
    }
    return true;
}

bool InstanceLock::holdAlone()
{
    // A refused conversion drops the shared hold; the caller is quitting, so that is all right.
    if (m_fd >= 0 && LockFile(m_fd, LOCK_EX | LOCK_NB) == 0)
        return true;
    release();
    return false;
}

void InstanceLock::release()
{
    if (m_fd >= 0)
        ::close(m_fd);
    m_fd = -1;
}
