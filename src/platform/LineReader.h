#pragma once

#include <QFile>
#include <QString>
#include <QStringList>

// Reads a data file line by line. UTF-8 with a leading byte-order mark dropped; a line that is
// not valid UTF-8 is decoded as Windows-1252 so no character is lost. A line ends at LF, CRLF
// or a lone CR; a final line ending does not make an extra empty line.
class LineReader
{
public:
    // A symbolic link in the last part of path is not followed: the reader is then not open, as
    // for a missing file, so a link planted among the data files is never read through.
    explicit LineReader(const QString& path);
    // Reads the file open at fd, which the reader takes over; -1 gives a reader that is not open.
    explicit LineReader(int fd);

    // False when the file could not be opened for reading.
    bool isOpen() const;
    bool atEnd();
    QString readLine();
    // The next line's bytes, as readLine would decode them; valid until the next read.
    QByteArrayView readLineBytes();
    // Passes over the next count lines, ended by the same rules as readLine, without decoding
    // them; returns how many it passed over, fewer than count only at the end of the file.
    qint64 skipLines(qint64 count);
    // True once a read failed after opening (the file vanished or the device reported an error).
    bool hasError() const;

private:
    // Whether a line's bytes must stay readable once passed, or may go as soon as a long line
    // fills the buffer.
    enum class LineBytes { Kept, LetGo };

    // Reads the next block after the unread bytes; false at the end of the file or on an error.
    bool fillBuffer();
    // The offset of the first CR, or of the first LF or CR, at or after from in the buffer; the
    // buffer's size when there is none.
    qsizetype nextCrFrom(qsizetype from);
    qsizetype lineEndFrom(qsizetype from);
    // The one place where a line ends, for reading and skipping alike: at the first LF or CR, a
    // CR directly followed by an LF taking both, or at the end of the file. Passes over the line
    // at m_pos (not at the end), whose first LF or CR, or the buffer's end, is stop as
    // lineEndFrom finds it. Returns the line's bytes, valid until the next read; with LetGo only
    // the last part of a line longer than the buffer.
    inline QByteArrayView passLine(LineBytes bytes, qsizetype stop);

    QFile m_file;
    QByteArray m_buffer;
    qsizetype m_pos = 0;
    // Offset of the next CR in m_buffer, m_buffer.size() when there is none; to be found again
    // once the scan has passed it or the buffer has changed (-1).
    qsizetype m_nextCr = -1;
    bool m_atStart = true;
    bool m_fileDone = false;
    bool m_error = false;
};

// A line's bytes decoded as LineReader decodes every line: UTF-8, or Windows-1252 when the line
// is not valid UTF-8.
QString DecodeLine(QByteArrayView line);
// True when every byte is ASCII, which both decodings read alike.
bool IsAscii(QByteArrayView bytes);

// Every line of the file; an unreadable file gives ok == false and no lines. A symbolic link is
// followed: the settings file is the user's own and may be a link of the user's making.
QStringList ReadAllLines(const QString& path, bool* ok = nullptr);
