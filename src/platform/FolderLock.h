#pragma once

#include <QString>

// An exclusive lock on a folder, waited for when made and held for as long as the object lives:
// for work on what the folder holds that one process at a time must do. It holds nothing, and
// the work goes on unguarded, when path is empty, no folder (a symbolic link included), or the
// file system refuses the lock. Opened close-on-exec, so a program started meanwhile holds
// nothing.
class FolderLock
{
public:
    explicit FolderLock(const QString& path);
    ~FolderLock();
    FolderLock(const FolderLock&) = delete;
    FolderLock& operator=(const FolderLock&) = delete;

private:
    int m_fd = -1;
};

// flock(2) on fd, begun again whenever a signal interrupts it, which the application turns into
// a quit of its own: 0, or -1 with errno set.
int FlockWaitingOutSignals(int fd, int operation);
