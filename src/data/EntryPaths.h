#pragma once

#include <QSet>
#include <QString>
#include <QStringList>

// Where the unpacking puts an entry: which names it takes, the walk that makes their folders, and
// which names would write to the same place.
namespace ThisApp {

// Names that could reach outside the destination are refused whole rather than cleaned up:
// "../x", "a/../../x", "/etc/x", "\\x", "C:x", "a\\..\\x".
bool IsSafeEntryName(const QString& name);

// Folder entries and everything under "__MACOSX" are passed over; the folders on their paths are
// made all the same.
bool IsFileEntry(const QString& name);

// Whether the safe names write where no other does: no two the same file, no file where another
// needs a folder, even on a file system that folds case and Unicode normalization.
bool PathsAreDistinct(const QStringList& names);

// Walks entry paths below one base folder, creating the folders on the way. A folder is checked
// (really a folder, no symbolic link, this user's) the first time a walk meets it; later entries
// of the same walk trust it, which keeps the unpacking of many entries from asking the file system
// again. Each worker walks on its own; two that make one folder at once both find it made.
class FolderWalk
{
public:
    explicit FolderWalk(const QString& base);

    // The item that path names below the base, as GetPath gives it.
    QString pathFor(const QString& path);

private:
    static bool checkOrMake(const QString& folder);

    QString m_base;
    QSet<QString> m_checked;
};

} // namespace ThisApp
