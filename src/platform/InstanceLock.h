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

    // Opens the lock file at path, creating it, and waits for a shared hold on it. A symbolic link
    // of this user's at path is removed first (the link, never its target) and the file made
    // anew. False when the lock cannot be held: path is empty, something else that is no regular
    // file of this user's stands there (a folder, another user's file), or the file system
    // refuses the lock. The instance then cannot know of others and counts as alone.
    bool holdShared(const QString& path);

    // Turns the shared hold into the only one, without waiting. True when no other instance holds
    // the lock, which then stays held alone until release(), and also when holdShared could not
    // hold it; false when another instance holds it, or holdShared was not called, and then
    // nothing is held any more.
    bool holdAlone();

    void release();

private:
    void closeFile();

    int m_fd = -1;
    // holdShared failed: there is no lock to share, so nothing tells of other instances.
    bool m_alone = false;
};
