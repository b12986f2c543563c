#include "UnZipReader.h"

#include <QFile>

#include <zip.h>

#include <algorithm>
#include <cstdint>

namespace {

// A caller may ask for any count; memory stays bounded by this much per read.
constexpr qint64 LargestChunk = 16 * 1024 * 1024;

int errorOr(int code, int fallback)
{
    return code != ZIP_ER_OK ? code : fallback;
}

int archiveError(zip* archive, int fallback)
{
    return errorOr(zip_error_code_zip(zip_get_error(archive)), fallback);
}

int fileError(zip_file* file, int fallback)
{
    return errorOr(zip_error_code_zip(zip_file_get_error(file)), fallback);
}

} // namespace

UnZipReader::UnZipReader(const QString& archivePath)
{
    int error = ZIP_ER_OK;
    m_archive = zip_open(QFile::encodeName(archivePath).constData(), ZIP_RDONLY, &error);
    if (!m_archive) {
        m_lastError = errorOr(error, ZIP_ER_OPEN);
        return;
    }
    const zip_int64_t count = zip_get_num_entries(m_archive, 0);
    m_entryCount = count > 0 ? count : 0;
}

UnZipReader::~UnZipReader()
{
    closeOpenEntry();
    if (m_archive)
        zip_discard(m_archive);
}

void UnZipReader::closeOpenEntry()
{
    if (m_file) {
        zip_fclose(m_file);
        m_file = nullptr;
    }
}

void UnZipReader::GoToFirstFile()
{
    closeOpenEntry();
    if (!m_archive) {
        m_lastError = ZIP_ER_INVAL;
        return;
    }
    m_index = 0;
    m_lastError = m_entryCount > 0 ? ZIP_ER_OK : ZIP_ER_NOENT;
}

void UnZipReader::GoToNextFile()
{
    closeOpenEntry();
    if (!m_archive || m_index < 0) {
        m_lastError = ZIP_ER_INVAL;
        return;
    }
    if (m_index + 1 >= m_entryCount) {
        m_index = m_entryCount;
        m_lastError = ZIP_ER_NOENT;
        return;
    }
    ++m_index;
    m_lastError = ZIP_ER_OK;
}

QString UnZipReader::FileName() const
{
    if (!m_archive || m_index < 0 || m_index >= m_entryCount)
        return QString();
    // Names flagged as UTF-8 or valid UTF-8 come as they are; old code-page names are converted.
    const char* name = zip_get_name(m_archive, zip_uint64_t(m_index), ZIP_FL_ENC_GUESS);
    return name ? QString::fromUtf8(name) : QString();
}

void UnZipReader::OpenCurrentFile(const QString& password)
{
    closeOpenEntry();
    if (!m_archive || m_index < 0 || m_index >= m_entryCount) {
        m_lastError = ZIP_ER_INVAL;
        return;
    }
    zip_stat_t info;
    zip_stat_init(&info);
    if (zip_stat_index(m_archive, zip_uint64_t(m_index), 0, &info) != 0
        || !(info.valid & ZIP_STAT_SIZE) || info.size > zip_uint64_t(INT64_MAX)) {
        m_lastError = archiveError(m_archive, ZIP_ER_INCONS);
        return;
    }
    const QByteArray secret = password.toUtf8();
    m_file = zip_fopen_index_encrypted(m_archive, zip_uint64_t(m_index), 0,
                                       secret.isEmpty() ? nullptr : secret.constData());
    if (!m_file) {
        m_lastError = archiveError(m_archive, ZIP_ER_READ);
        return;
    }
    m_declaredSize = qint64(info.size);
    m_delivered = 0;
    m_entryDone = false;
    m_entryError = ZIP_ER_OK;
    m_lastError = ZIP_ER_OK;
}

QByteArray UnZipReader::failRead(int error)
{
    m_entryDone = true;
    m_entryError = error;
    m_lastError = error;
    return QByteArray();
}

// libzip checks the CRC only on a read that returns 0, and only a read past the declared size
// shows that an entry holds more than it claims.
QByteArray UnZipReader::finishEntry()
{
    char extra;
    const zip_int64_t got = zip_fread(m_file, &extra, 1);
    if (got < 0)
        return failRead(fileError(m_file, ZIP_ER_READ));
    if (got > 0)
        return failRead(ZIP_ER_INCONS);
    m_entryDone = true;
    m_entryError = ZIP_ER_OK;
    m_lastError = ZIP_ER_OK;
    return QByteArray();
}

QByteArray UnZipReader::ReadCurrentFile(qint64 count)
{
    if (!m_file) {
        m_lastError = ZIP_ER_INVAL;
        return QByteArray();
    }
    if (m_entryDone) {
        m_lastError = m_entryError;
        return QByteArray();
    }
    const qint64 remaining = m_declaredSize - m_delivered;
    if (remaining == 0)
        return finishEntry();
    if (count <= 0) {
        m_lastError = ZIP_ER_OK;
        return QByteArray();
    }
    const qint64 wanted = std::min({count, remaining, LargestChunk});
    QByteArray chunk(wanted, Qt::Uninitialized);
    const zip_int64_t got = zip_fread(m_file, chunk.data(), zip_uint64_t(wanted));
    if (got < 0)
        return failRead(fileError(m_file, ZIP_ER_READ));
    // The entry ended before the size it declares.
    if (got == 0)
        return failRead(ZIP_ER_INCONS);
    chunk.truncate(got);
    m_delivered += got;
    m_lastError = ZIP_ER_OK;
    return chunk;
}

void UnZipReader::CloseCurrentFile()
{
    if (!m_file) {
        m_lastError = ZIP_ER_INVAL;
        return;
    }
    const int error = zip_fclose(m_file);
    m_file = nullptr;
    m_lastError = error;
}

int UnZipReader::Lasterror() const
{
    return m_lastError;
}
