#include "platform/LineReader.h"

#include "platform/LinkFreeFolder.h"

#include <QStringDecoder>

#include <cstring>
#include <unistd.h>

namespace {

constexpr qint64 BlockSize = 256 * 1024;

// Windows-1252 at 0x80..0x9F; the five codes it leaves undefined keep their C1 code point,
// as Windows itself decodes them, so every byte still gives one character.
constexpr char16_t Windows1252High[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

QString FromWindows1252(const char* data, qsizetype size)
{
    QString text(size, Qt::Uninitialized);
    char16_t* out = reinterpret_cast<char16_t*>(text.data());
    for (qsizetype i = 0; i < size; ++i) {
        const unsigned char byte = static_cast<unsigned char>(data[i]);
        out[i] = (byte >= 0x80 && byte < 0xA0) ? Windows1252High[byte - 0x80] : char16_t(byte);
    }
    return text;
}

bool StartsWithBom(const char* data, qsizetype size)
{
    return size >= 3 && std::memcmp(data, "\xEF\xBB\xBF", 3) == 0;
}

} // namespace

bool IsAscii(QByteArrayView bytes)
{
    unsigned char any = 0;
    for (const char byte : bytes)
        any |= static_cast<unsigned char>(byte);
    return any < 0x80;
}

QString DecodeLine(QByteArrayView line)
{
    const char* const data = line.data();
    const qsizetype size = line.size();
    if (IsAscii(line))
        return QString::fromLatin1(data, size);
    // fromUtf8 marks bad bytes with U+FFFD (the file may hold a real one, so only then is the
    // slower strict check needed) and drops a leading byte-order mark, which only the file's
    // start may lose.
    QString text;
    if (!StartsWithBom(data, size)) {
        text = QString::fromUtf8(data, size);
        if (!text.contains(QChar::ReplacementCharacter))
            return text;
    }
    QStringDecoder utf8(QStringConverter::Utf8, QStringConverter::Flag::Stateless
                                                    | QStringConverter::Flag::ConvertInitialBom);
    text = utf8.decode(QByteArrayView(data, size));
    if (!utf8.hasError())
        return text;
    return FromWindows1252(data, size);
}

LineReader::LineReader(const QString& path)
    : LineReader(OpenRegularFile(path, LastPart::LinkRefused))
{
}

LineReader::LineReader(int fd)
{
    if (fd >= 0 && !m_file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle))
        ::close(fd);
}

bool LineReader::isOpen() const
{
    return m_file.isOpen();
}

bool LineReader::hasError() const
{
    return m_error;
}

bool LineReader::fillBuffer()
{
    if (m_fileDone || !m_file.isOpen())
        return false;
    m_nextCr = -1;
    if (m_pos > 0) {
        m_buffer.remove(0, m_pos);
        m_pos = 0;
    }
    const qsizetype kept = m_buffer.size();
    m_buffer.resize(kept + BlockSize);
    const qint64 got = m_file.read(m_buffer.data() + kept, BlockSize);
    m_buffer.resize(kept + (got > 0 ? got : 0));
    if (got <= 0) {
        m_fileDone = true;
        if (got < 0)
            m_error = true;
        return false;
    }
    if (m_atStart) {
        m_atStart = false;
        if (StartsWithBom(m_buffer.constData(), m_buffer.size()))
            m_pos = 3;
    }
    return true;
}

bool LineReader::atEnd()
{
    while (m_pos >= m_buffer.size()) {
        if (!fillBuffer())
            return true;
    }
    return false;
}

qsizetype LineReader::nextCrFrom(qsizetype from)
{
    if (m_nextCr < from) {
        const char* const base = m_buffer.constData();
        const void* cr = std::memchr(base + from, '\r', size_t(m_buffer.size() - from));
        m_nextCr = cr ? static_cast<const char*>(cr) - base : m_buffer.size();
    }
    return m_nextCr;
}

qsizetype LineReader::lineEndFrom(qsizetype from)
{
    // Before the next CR only an LF can end a line, and memchr finds those fastest.
    const qsizetype cr = nextCrFrom(from);
    const char* const base = m_buffer.constData();
    const void* lf = std::memchr(base + from, '\n', size_t(cr - from));
    return lf ? static_cast<const char*>(lf) - base : cr;
}

// Inline (as declared), since the library is built position-independent, where only an inline
// function is inlined: skipping a file whose lines a CR ends calls it for every line.
QByteArrayView LineReader::passLine(LineBytes bytes, qsizetype stop)
{
    // Until the buffer shows the ending: none in it yet, or a CR on its last byte whose LF may
    // open the next block.
    while (stop == m_buffer.size() || (stop == m_buffer.size() - 1 && m_buffer.at(stop) == '\r')) {
        if (bytes == LineBytes::LetGo)
            m_pos = stop;
        // Adding a block drops the bytes before m_pos, so the offsets count from it.
        const qsizetype scanned = stop - m_pos;
        const bool added = fillBuffer();
        stop = m_pos + scanned;
        if (!added)
            break; // the end of the file ends the line, a CR there alone
        stop = lineEndFrom(stop);
    }
    const char* const base = m_buffer.constData();
    qsizetype endingLength = 0;
    if (stop < m_buffer.size())
        endingLength =
            base[stop] == '\r' && stop + 1 < m_buffer.size() && base[stop + 1] == '\n' ? 2 : 1;
    const QByteArrayView line(base + m_pos, stop - m_pos);
    m_pos = stop + endingLength;
    return line;
}

QString LineReader::readLine()
{
    if (atEnd())
        return QString();
    return DecodeLine(readLineBytes());
}

QByteArrayView LineReader::readLineBytes()
{
    if (atEnd())
        return QByteArrayView();
    return passLine(LineBytes::Kept, lineEndFrom(m_pos));
}

qint64 LineReader::skipLines(qint64 count)
{
    qint64 skipped = 0;
    // atEnd is called only once the buffer is used up, for the same reason as passLine is inline.
    while (skipped < count && (m_pos < m_buffer.size() || !atEnd())) {
        // Every LF before the next CR ends a line, as lineEndFrom finds them; those lines go in
        // one run of memchr. Whatever ends the line after them is passLine's to decide.
        const char* const base = m_buffer.constData();
        const qsizetype cr = nextCrFrom(m_pos);
        const char* p = base + m_pos;
        while (skipped < count) {
            const void* lf = std::memchr(p, '\n', size_t(base + cr - p));
            if (!lf)
                break;
            p = static_cast<const char*>(lf) + 1;
            ++skipped;
        }
        m_pos = p - base;
        if (skipped < count && m_pos < m_buffer.size()) {
            passLine(LineBytes::LetGo, cr);
            ++skipped;
        }
    }
    return skipped;
}

QStringList ReadAllLines(const QString& path, bool* ok)
{
    LineReader reader(OpenRegularFile(path, LastPart::LinkFollowed));
    QStringList lines;
    if (reader.isOpen()) {
        while (!reader.atEnd())
            lines.append(reader.readLine());
    }
    const bool read = reader.isOpen() && !reader.hasError();
    if (!read)
        lines.clear();
    if (ok)
        *ok = read;
    return lines;
}
