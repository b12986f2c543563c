#pragma once

#include <QByteArray>
#include <QString>

struct zip;
struct zip_file;

// Walks a zip archive whose entries share one password, one entry at a time. Entries may be
// encrypted with WinZip AES or traditional PKWARE encryption, or not at all.
//
// Lasterror() is 0 after a call that succeeded and non-zero after one that failed. A read that
// fails part-way (bad CRC, a wrong traditional password that passed the header check, a
// truncated archive, more data than the entry declares) returns an empty chunk and leaves
// Lasterror() non-zero, so a caller can tell it from the end of the entry (empty chunk,
// Lasterror() 0). No read ever yields more bytes than the entry declares.
class UnZipReader
{
public:
    explicit UnZipReader(const QString& archivePath);
    ~UnZipReader();
    UnZipReader(const UnZipReader&) = delete;
    UnZipReader& operator=(const UnZipReader&) = delete;

    void GoToFirstFile();
    void GoToNextFile();
    QString FileName() const;
    void OpenCurrentFile(const QString& password);
    QByteArray ReadCurrentFile(qint64 count);
    void CloseCurrentFile();
    int Lasterror() const;

private:
    void closeOpenEntry();
    QByteArray failRead(int error);
    QByteArray finishEntry();

    zip* m_archive = nullptr;
    zip_file* m_file = nullptr;
    qint64 m_index = -1;
    qint64 m_entryCount = 0;
    qint64 m_declaredSize = 0;
    qint64 m_delivered = 0;
    // Set once the entry has been read to its end or a read failed; later reads repeat the outcome.
    bool m_entryDone = false;
    int m_entryError = 0;
    int m_lastError = 0;
};
