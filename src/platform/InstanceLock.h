#pragma once

#include <QString>

// A lock that every running instance of the application holds shared on one lock file, so that
// the one quitting last can tell that it is the last. The kernel lets go of a lock when its
// process ends, killed or crashed, so a dead instance never counts as running; and the lock file
// is opened close-on-exec, so a program started from the application (a browser) holds nothing.
// The lock file itself is never deleted: one deleted and made again would give two locks.
class InstanceLock
{
public:
    InstanceLock() = default;
    ~InstanceLock();
    InstanceLock(const InstanceLock&) = delete;
    InstanceLock& operator=(const InstanceLock&) = delete;

    // Opens the lock file at path, creating it, and waits for a shared hold on it. False, holding
    // nothing, when it is no regular file of this user's or the file system refuses the lock.
    bool holdShared(const QString& path);

    // Turns the shared hold into the only one, without waiting. True when no other instance holds
    // the lock, which then stays held alone until release(); false when another does, or nothing
    // was held, and then nothing is held any more.
    bool holdAlone();

    void release();

private:
    int m_fd = -1;
};
