#pragma once

#include "platform/ZipLocalHeaders.h"

#include <QByteArray>
#include <QString>

#include <cerrno>
#include <optional>

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
// UnsupportedCompression, unless its password was refused first; compressionMethod() names it.
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
    qint64 fileSize() const;
    // The current entry's compression method as its local header names it ("Deflate", "bzip2",
    // "method 17"); empty when there is no current entry or its header cannot be read.
    QString compressionMethod() const;
    void OpenCurrentFile(const QString& password);
    QByteArray ReadCurrentFile(qint64 count);
    void CloseCurrentFile();
    int Lasterror() const;

private:
    // The entry open for reading, from an OpenCurrentFile that succeeded to CloseCurrentFile or
    // the next move. Until the entry is done, libarchive has given fetched bytes of it, of which
    // delivered went to the caller and the blockLeft at block wait; blocksDone says it gave all
    // there are, and then blockLeft is 0 too. done: the entry was read to its end (error 0) or a
    // read failed (error), no block waits, and every later read repeats that outcome.
    struct EntryReading
    {
        const char* block = nullptr;
        size_t blockLeft = 0;
        qint64 fetched = 0;
        bool blocksDone = false;
        // What the archive declares, which no read passes; -1 when it declares none.
        qint64 declaredSize = -1;
        qint64 delivered = 0;
        bool done = false;
        int error = 0;
    };

    // The current entry, replaced whole by each move and by closing the archive. header null:
    // there is none (before the first entry, past the last, the archive closed), and every other
    // field keeps its initial value. reading is present only while the entry is open.
    struct Entry
    {
        // Owned by m_archive.
        archive_entry* header = nullptr;
        // Where the entry's data begins in the archive, which tells its local header.
        qint64 dataOffset = -1;
        // libarchive read the header with a failure: the entry does not open.
        bool unreadable = false;
        // libarchive went into the entry's data, which it reads forwards only: opening the entry
        // again reads the archive anew.
        bool dataTouched = false;
        std::optional<EntryReading> reading;
    };

    // By value: a reopening passes m_password, which opening clears.
    int openArchive(QByteArray password);
    void closeArchive();
    int readHeader();
    int reopenAt(qint64 index, QByteArray password);
    int nextBlock(EntryReading& reading);
    QByteArray failRead(EntryReading& reading, int error);
    int decodingFailure(int error);

    QByteArray m_path;
    // Asked only about an entry that failed, or by compressionMethod().
    mutable ZipLocalHeaders m_localHeaders;
    archive* m_archive = nullptr;
    // The password that m_archive was opened with; empty for none.
    QByteArray m_password;
    // The index of the last header m_archive read: -1 before the first, and past the last entry
    // still the last one's.
    qint64 m_index = -1;
    Entry m_entry;
    int m_lastError = 0;
};
