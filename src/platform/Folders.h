#pragma once

#include <QString>

// The three folders the application works with. Tests point all three at temporary folders
// with the setters; an empty path returns a folder to its normal place.
namespace Folders {

// The folder that holds the application executable (the data archive lies beside it).
QString ApplicationFolder();

// The per-user temporary folder: $XDG_RUNTIME_DIR when it is set and usable, otherwise a folder
// of this user's own (mode 0700, owner checked, never reached through a symbolic link) inside
// the system temporary folder. Empty when no safe folder can be had.
QString TemporaryFolder();

// The per-user preferences folder (Qt's generic configuration location).
QString PreferencesFolder();

void SetApplicationFolder(const QString& path);
void SetTemporaryFolder(const QString& path);
void SetPreferencesFolder(const QString& path);

// True when path is a real folder (not a symbolic link) owned by this user.
bool IsOwnRealFolder(const QString& path);

// Removes the item at path when it is this user's and no folder: a file, or a symbolic link
// itself, never what it points to.
void RemoveOwnNonFolder(const QString& path);

// The folder "corvane-<uid>" inside base, created with mode 0700 when missing. Empty when it
// is a symbolic link, not a folder, not this user's, or writable by others, or cannot be made.
QString PrivateFolderIn(const QString& base);

} // namespace Folders
