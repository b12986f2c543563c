#include "data/EntryCopier.h"

#include "data/ThisApp.h"

#include <QFile>
#include <QFileInfo>
#include <QTemporaryFile>

#include <cstdio>

namespace ThisApp {

namespace {

constexpr qint64 ChunkSize = 100000;

// The result of an entry whose read failed with error.
EntryResult Failed(int error)
{
    return error == UnZipReader::UnsupportedCompression ? EntryResult::Undecodable
                                                        : EntryResult::Skipped;
}

// Takes bytes from what is left of budget, unless that is less.
bool Take(std::atomic<qint64>& budget, qint64 bytes)
{
    qint64 left = budget.load();
    do {
        if (bytes > left)
            return false;
    } while (!budget.compare_exchange_weak(left, left - bytes));
    return true;
}

// Copies the opened current entry to target through a temporary file beside it, renamed over
// target only once the entry was read whole, so an older copy survives a failed read. The
// temporary file has a short name of its own, so a name as long as the file system allows can be
// written too; no temporary name ends in ".txt", so a left-over one is never taken for a table.
// No sync to disk: the data is unpacked anew at every start, so only the all-or-nothing
// replacement matters.
EntryResult WriteCurrentEntry(UnZipReader& reader, const QString& target,
                              std::atomic<qint64>& budget)
{
    QTemporaryFile file(QFileInfo(target).path() + QStringLiteral("/.corvane-XXXXXX"));
    if (!file.open())
        return EntryResult::WorkerFailed;
    EntryResult result = EntryResult::Written;
    for (;;) {
        const QByteArray chunk = reader.ReadCurrentFile(ChunkSize);
        if (chunk.isEmpty()) {
            if (reader.Lasterror() != 0)
                result = Failed(reader.Lasterror());
            break;
        }
        if (!Take(budget, chunk.size())) {
            result = EntryResult::LimitReached;
            break;
        }
        if (file.write(chunk) != chunk.size()) {
            result = EntryResult::Skipped;
            break;
        }
    }
    file.close();
    if (result != EntryResult::Written)
        return result;
    if (file.error() != QFileDevice::NoError
        || std::rename(QFile::encodeName(file.fileName()).constData(),
                       QFile::encodeName(target).constData())
               != 0)
        return EntryResult::Skipped;
    file.setAutoRemove(false);
    return result;
}

} // namespace

EntryCopier::EntryCopier(const QString& zipFile) : m_reader(zipFile, DataPW) {}

bool EntryCopier::opened() const
{
    return m_reader.Lasterror() == 0;
}

EntryResult EntryCopier::copy(qsizetype index, const QString& target, std::atomic<qint64>& budget)
{
    if (!moveTo(index))
        return EntryResult::WorkerFailed;
    if (QFileInfo(target).isSymLink())
        return EntryResult::Skipped;
    m_reader.OpenCurrentFile(DataPW);
    if (m_reader.Lasterror() != 0)
        return Failed(m_reader.Lasterror());
    const EntryResult result = WriteCurrentEntry(m_reader, target, budget);
    m_reader.CloseCurrentFile();
    return result;
}

QString EntryCopier::compressionMethod() const
{
    return m_reader.compressionMethod();
}

bool EntryCopier::moveTo(qsizetype index)
{
    if (m_index < 0 || index < m_index) {
        m_reader.GoToFirstFile();
        m_atEnd = m_reader.Lasterror() != 0;
        m_index = 0;
    }
    while (!m_atEnd && m_index < index) {
        m_reader.GoToNextFile();
        m_atEnd = m_reader.Lasterror() != 0;
        ++m_index;
    }
    return !m_atEnd && m_index == index;
}

} // namespace ThisApp
