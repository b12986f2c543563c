#include "platform/InstanceLock.h"

#include "platform/FolderLock.h"
#include "platform/Folders.h"

#include <QDir>
#include <QFile>

#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// Opened for writing too: on NFS an exclusive lock needs it.
int OpenLockFile(const QByteArray& path)
{
    return ::open(path.constData(), O_RDWR | O_CREAT | O_NOFOLLOW | O_CLOEXEC, S_IRUSR | S_IWUSR);
}

} // namespace

InstanceLock::~InstanceLock()
{
    release();
}

bool InstanceLock::holdShared(const QString& path)
{
    release();
    m_alone = true;
    if (path.isEmpty())
        return false;
    const QByteArray file = QFile::encodeName(QDir::cleanPath(path));
    m_fd = OpenLockFile(file);
    // A link where the lock file belongs would leave this instance uncoordinated at every start;
    // the link goes, never what it points to.
    if (m_fd < 0 && errno == ELOOP) {
        Folders::RemoveOwnNonFolder(path);
        m_fd = OpenLockFile(file);
    }
    struct stat info;
    if (m_fd < 0 || ::fstat(m_fd, &info) != 0 || !S_ISREG(info.st_mode)
        || info.st_uid != ::geteuid() || FlockWaitingOutSignals(m_fd, LOCK_SH) != 0) {
        closeFile();
        return false;
    }
    m_alone = false;
    return true;
}

bool InstanceLock::holdAlone()
{
    if (m_alone)
        return true;
    // A refused conversion drops the shared hold; the caller is quitting, so that is all right.
    if (m_fd >= 0 && FlockWaitingOutSignals(m_fd, LOCK_EX | LOCK_NB) == 0)
        return true;
    release();
    return false;
}

void InstanceLock::release()
{
    closeFile();
    m_alone = false;
}

void InstanceLock::closeFile()
{
    if (m_fd >= 0)
        ::close(m_fd);
    m_fd = -1;
}
