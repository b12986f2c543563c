#include "platform/UnZipReader.h"

#include "platform/Utf8CharacterType.h"

#include <QFile>

#include <archive.h>
#include <archive_entry.h>

#include <algorithm>
#include <cerrno>
#include <utility>

namespace {

// Lasterror values of the reader's own, where libarchive names no error number.
constexpr int NoEntry = ENOENT;
constexpr int Misuse = EINVAL;
constexpr int Damaged = EIO;
constexpr int NotAFile = EPERM;
constexpr int TooLong = EFBIG;

// A caller may ask for any count; memory stays bounded by this much per read.
constexpr qint64 LargestChunk = 16 * 1024 * 1024;
constexpr size_t ArchiveBlockSize = 64 * 1024;

// A name without the UTF-8 flag that is not UTF-8 either is in the zip format's original code
// page, IBM 437, as older Windows archivers write names.
QString FromCodePage437(const QByteArray& name)
{
    static const QString upperHalf =
        QStringLiteral(u"ÇüéâäàåçêëèïîìÄÅÉæÆôöòûùÿÖÜ¢£¥₧ƒáíóúñÑªº¿⌐¬½¼¡«»░▒▓│┤╡╢╖╕╣║╗╝╜╛┐"
                       u"└┴┬├─┼╞╟╚╔╩╦╠═╬╧╨╤╥╙╘╒╓╫╪┘┌█▄▌▐▀αßΓπΣσµτΦΘΩδ∞φε∩≡±≥≤⌠⌡÷≈°∙·√ⁿ²■\u00A0");
    QString text;
    text.reserve(name.size());
    for (const char byte : name)
        text.append(quint8(byte) < 0x80 ? QChar(quint8(byte)) : upperHalf.at(quint8(byte) - 0x80));
    return text;
}

// The libarchive of Debian bookworm (3.6.2) decodes stored and deflated entries, and bzip2, LZMA,
// Zstandard, XZ and PPMd ones without encryption. It takes the encrypted bytes of any other
// encrypted entry for compressed ones and fails on them. Only a failure is put down to this, so
// a libarchive that decodes more reads more.
bool LibarchiveDecodes(const ZipCompression& compression)
{
    switch (compression.method) {
    case 0:
    case 8:
        return true;
    case 12:
    case 14:
    case 93:
    case 95:
    case 98:
        return !compression.encrypted;
    default:
        return false;
    }
}

// libarchive checks the password before it decompresses, and says that it refused one only in
// its error text.
bool PasswordRefused(archive* reader)
{
    const char* text = archive_error_string(reader);
    return text
           && (qstrcmp(text, "Incorrect passphrase") == 0
               || qstrcmp(text, "Passphrase required for this entry") == 0);
}

int ErrorOf(archive* reader, int fallback)
{
    const int error = archive_errno(reader);
    return error != 0 ? error : fallback;
}

} // namespace

UnZipReader::UnZipReader(const QString& archivePath) : UnZipReader(archivePath, QString()) {}

UnZipReader::UnZipReader(const QString& archivePath, const QString& password)
    : m_path(QFile::encodeName(archivePath)), m_localHeaders(m_path)
{
    m_lastError = openArchive(password.toUtf8());
}

UnZipReader::~UnZipReader()
{
    closeArchive();
}

// libarchive takes its passwords before the archive is opened and keeps them all, trying each on
// every entry; so each password gets a reader of its own, and reading an entry again starts over
// too, since entries are read forwards only.
int UnZipReader::openArchive(QByteArray password)
{
    closeArchive();
    const Utf8CharacterType utf8;
    m_archive = archive_read_new();
    if (!m_archive)
        return ENOMEM;
    // The central directory gives every entry's sizes, which entries written with a data
    // descriptor leave out of their local header.
    archive_read_support_format_zip_seekable(m_archive);
    // libarchive takes no empty password; an entry that needs one then fails to open.
    if (!password.isEmpty()
        && archive_read_add_passphrase(m_archive, password.constData()) != ARCHIVE_OK) {
        const int error = ErrorOf(m_archive, Misuse);
        closeArchive();
        return error;
    }
    m_password = password;
    if (archive_read_open_filename(m_archive, m_path.constData(), ArchiveBlockSize) != ARCHIVE_OK) {
        const int error = ErrorOf(m_archive, Damaged);
        closeArchive();
        return error;
    }
    return 0;
}

void UnZipReader::closeArchive()
{
    if (m_archive)
        archive_read_free(m_archive);
    m_archive = nullptr;
    m_entry = {};
    m_index = -1;
    m_password.clear();
}

// A header the archive reads with a warning (a name it could not convert) is still an entry;
// one it failed to read is an entry that does not open. Past the end, or after a fatal error,
// there is no current entry.
int UnZipReader::readHeader()
{
    const Utf8CharacterType utf8;
    archive_entry* entry = nullptr;
    const int status = archive_read_next_header(m_archive, &entry);
    if (status == ARCHIVE_OK || status == ARCHIVE_WARN || status == ARCHIVE_FAILED) {
        m_entry = {entry, archive_filter_bytes(m_archive, 0), status == ARCHIVE_FAILED, false,
                   std::nullopt};
        ++m_index;
        return 0;
    }
    m_entry = {};
    return status == ARCHIVE_EOF ? NoEntry : ErrorOf(m_archive, Damaged);
}

int UnZipReader::reopenAt(qint64 index, QByteArray password)
{
    if (const int error = openArchive(std::move(password)))
        return error;
    while (m_index < index) {
        if (const int error = readHeader())
            return error;
    }
    return 0;
}

void UnZipReader::GoToFirstFile()
{
    m_entry.reading.reset();
    if (!m_archive) {
        m_lastError = Misuse;
        return;
    }
    if (m_index >= 0) {
        if (const int error = reopenAt(-1, m_password)) {
            m_lastError = error;
            return;
        }
    }
    m_lastError = readHeader();
}

void UnZipReader::GoToNextFile()
{
    m_entry.reading.reset();
    if (!m_archive || m_index < 0) {
        m_lastError = Misuse;
        return;
    }
    if (!m_entry.header) {
        m_lastError = NoEntry;
        return;
    }
    m_lastError = readHeader();
}

QString UnZipReader::FileName() const
{
    if (!m_entry.header)
        return QString();
    const Utf8CharacterType utf8;
    if (const char* name = archive_entry_pathname_utf8(m_entry.header))
        return QString::fromUtf8(name);
    // libarchive keeps a name without the UTF-8 flag as it is stored, and drops one that is
    // flagged but not UTF-8: that entry has no name.
    const char* stored = archive_entry_pathname(m_entry.header);
    return stored ? FromCodePage437(stored) : QString();
}

QString UnZipReader::compressionMethod() const
{
    if (!m_entry.header)
        return QString();
    const std::optional<ZipCompression> compression =
        m_localHeaders.compressionOfDataAt(m_entry.dataOffset);
    return compression ? CompressionMethodName(compression->method) : QString();
}

qint64 UnZipReader::fileSize() const
{
    if (!m_entry.header || !archive_entry_size_is_set(m_entry.header))
        return -1;
    return qint64(archive_entry_size(m_entry.header));
}

void UnZipReader::OpenCurrentFile(const QString& password)
{
    m_entry.reading.reset();
    if (!m_entry.header) {
        m_lastError = Misuse;
        return;
    }
    if (m_entry.unreadable) {
        m_lastError = Damaged;
        return;
    }
    if (archive_entry_filetype(m_entry.header) != AE_IFREG) {
        m_lastError = NotAFile;
        return;
    }
    const QByteArray secret = password.toUtf8();
    if (m_entry.dataTouched || m_password != secret) {
        if (const int error = reopenAt(m_index, secret)) {
            m_lastError = error;
            return;
        }
    }
    m_entry.dataTouched = true;
    EntryReading reading;
    reading.declaredSize = fileSize();
    // The password is checked when the first data is decrypted, so an entry that it does not
    // open fails here rather than at the first read.
    const int error = nextBlock(reading);
    m_lastError = error != 0 ? decodingFailure(error) : 0;
    if (m_lastError == 0)
        m_entry.reading = reading;
}

// Makes the next block of the entry's data current; at the end of the data there is none.
int UnZipReader::nextBlock(EntryReading& reading)
{
    const void* data = nullptr;
    size_t size = 0;
    la_int64_t offset = 0;
    const int status = archive_read_data_block(m_archive, &data, &size, &offset);
    if (status == ARCHIVE_EOF) {
        reading.blocksDone = true;
        reading.block = nullptr;
        reading.blockLeft = 0;
        return 0;
    }
    // Any warning on the data (a checksum or authentication code that does not match) fails it.
    if (status != ARCHIVE_OK)
        return ErrorOf(m_archive, Damaged);
    if (offset != reading.fetched)
        return Damaged;
    reading.fetched += qint64(size);
    if (reading.declaredSize >= 0 && reading.fetched > reading.declaredSize)
        return TooLong;
    reading.block = static_cast<const char*>(data);
    reading.blockLeft = size;
    return 0;
}

int UnZipReader::decodingFailure(int error)
{
    if (PasswordRefused(m_archive))
        return error;
    const std::optional<ZipCompression> compression =
        m_localHeaders.compressionOfDataAt(m_entry.dataOffset);
    return compression && !LibarchiveDecodes(*compression) ? UnsupportedCompression : error;
}

QByteArray UnZipReader::failRead(EntryReading& reading, int error)
{
    error = decodingFailure(error);
    reading.done = true;
    reading.error = error;
    reading.block = nullptr;
    reading.blockLeft = 0;
    m_lastError = error;
    return QByteArray();
}

QByteArray UnZipReader::ReadCurrentFile(qint64 count)
{
    if (!m_entry.reading) {
        m_lastError = Misuse;
        return QByteArray();
    }
    EntryReading& reading = *m_entry.reading;
    if (reading.done) {
        m_lastError = reading.error;
        return QByteArray();
    }
    m_lastError = 0;
    if (count <= 0)
        return QByteArray();
    const qint64 wanted = std::min(count, LargestChunk);
    QByteArray chunk;
    chunk.reserve(reading.declaredSize >= 0
                      ? std::min(wanted, reading.declaredSize - reading.delivered)
                      : wanted);
    while (chunk.size() < wanted) {
        if (reading.blockLeft == 0) {
            if (reading.blocksDone)
                break;
            if (const int error = nextBlock(reading))
                return failRead(reading, error);
            continue;
        }
        const size_t taken = std::min(reading.blockLeft, size_t(wanted - chunk.size()));
        chunk.append(reading.block, qsizetype(taken));
        reading.block += taken;
        reading.blockLeft -= taken;
    }
    if (chunk.isEmpty()) {
        // The data ended before the size the entry declares.
        if (reading.declaredSize >= 0 && reading.delivered != reading.declaredSize)
            return failRead(reading, Damaged);
        reading.done = true;
        return chunk;
    }
    reading.delivered += chunk.size();
    return chunk;
}

void UnZipReader::CloseCurrentFile()
{
    m_lastError = m_entry.reading ? 0 : Misuse;
    m_entry.reading.reset();
}

int UnZipReader::Lasterror() const
{
    return m_lastError;
}
