#pragma once

#include <QString>
#include <QStringList>

// A folder opened without following a symbolic link, through which the items in it are listed
// and opened the same way. A link planted among the unpacked data then counts as a missing item,
// so no table or text is read from wherever it points; and once a folder is open, swapping a
// folder above it for a link cannot redirect what is read through it.
class LinkFreeFolder
{
public:
    // The folder at path; not open when path is empty, missing, no folder, or a symbolic link in
    // its last part (the parts above it are the caller's to trust).
    explicit LinkFreeFolder(const QString& path);
    // The folder name inside parent, on the same terms.
    LinkFreeFolder(const LinkFreeFolder& parent, const QString& name);
    ~LinkFreeFolder();
    LinkFreeFolder(const LinkFreeFolder&) = delete;
    LinkFreeFolder& operator=(const LinkFreeFolder&) = delete;

    bool isOpen() const;
    // The names of the items in the folder, in the order the file system lists them.
    QStringList names() const;
    // The regular file name in this folder opened for reading, as a descriptor that the caller
    // closes (a LineReader takes it over); -1 when it is missing, a link or no regular file.
    int openFile(const QString& name) const;

private:
    int m_fd = -1;
};

enum class LastPart { LinkRefused, LinkFollowed };

// The regular file at path opened for reading, as a descriptor that the caller closes; -1 when it
// is missing, no regular file, or a symbolic link in its last part that is refused.
int OpenRegularFile(const QString& path, LastPart lastPart);
