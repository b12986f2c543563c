#pragma once

#include "ZipLocalHeaders.h"

#include <QByteArray>
#include <QString>

#include <cerrno>

struct archive;
struct archive_entry;

// Walks a zip archive whose entries share one password, one entry at a time. Entries may be
// stored or deflated, and encrypted with WinZip AES (AE-1 or AE-2, 128, 192 or 256 bits),
// with traditional PKWARE encryption, or not at all.
//
// Lasterror() is 0 after a call that succeeded and non-zero after one that failed. Each entry's
// integrity is checked as it is read: the authentication code of a WinZip AES entry, the
// checksum of any other that has one. A read that fails part-way (an integrity check, a wrong
// password that passed the password check, a truncated archive, more or less data than the
// entry declares) returns an empty chunk and leaves Lasterror() non-zero, so a caller can tell
// it from the end of the entry (empty chunk, Lasterror() 0). No read ever yields more bytes
// than the entry declares. Only regular files open: a folder or link entry does not.
//
// An entry compressed in a way this reader cannot decode (encrypted and neither stored nor
// deflated, or with a method it lacks, such as Deflate64) fails to open or to read with
// UnsupportedCompression, unless its password was refused first; CompressionMethod() names it.
class UnZipReader
{
public:
    static constexpr int UnsupportedCompression = ENOTSUP;

    explicit UnZipReader(const QString& archivePath);
    // Opened ready for entries that password opens: OpenCurrentFile with it then does not have
    // to read the archive again from its start.
    UnZipReader(const QString& archivePath, const QString& password);
    ~UnZipReader();
    UnZipReader(const UnZipReader&) = delete;
    UnZipReader& operator=(const UnZipReader&) = delete;

    void GoToFirstFile();
    void GoToNextFile();
    QString FileName() const;
    // The current entry's size as the archive declares it, which no read passes; -1 when the
    // archive declares none or there is no current entry.
    qint64 FileSize() const;
    // The current entry's compression method as its local header names it ("Deflate", "bzip2",
    // "method 17"); empty when there is no current entry or its header cannot be read.
    QString CompressionMethod() const;
    void OpenCurrentFile(const QString& password);
    QByteArray ReadCurrentFile(qint64 count);
    void CloseCurrentFile();
    int Lasterror() const;

private:
    // By value: a reopening passes m_password, which opening clears.
    int openArchive(QByteArray password);
    void closeArchive();
    int readHeader();
    int reopenAt(qint64 index, QByteArray password);
    void closeOpenEntry();
    int nextBlock();
    QByteArray failRead(int error);
    int decodingFailure(int error);

    QByteArray m_path;
    // Asked only about an entry that failed, or by CompressionMethod().
    mutable ZipLocalHeaders m_localHeaders;
    archive* m_archive = nullptr;
    // The current entry, owned by m_archive; null before the first entry and after the last.
    archive_entry* m_entry = nullptr;
    qint64 m_index = -1;
    // Where the current entry's data begins in the archive, which tells its local header.
    qint64 m_dataOffset = -1;
    bool m_entryUnreadable = false;
    // The password that m_archive was opened with; empty for none.
    QByteArray m_password;
    bool m_dataTouched = false;

    bool m_open = false;
    const char* m_block = nullptr;
    size_t m_blockLeft = 0;
    qint64 m_fetched = 0;
    bool m_blocksDone = false;
    qint64 m_declaredSize = -1;
    qint64 m_delivered = 0;
    // Set once the entry has been read to its end or a read failed; later reads repeat the outcome.
    bool m_entryDone = false;
    int m_entryError = 0;
    int m_lastError = 0;
};
