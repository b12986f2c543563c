#include "ThisApp.h"

#include "platform/Folders.h"
#include "platform/UnZipReader.h"
#include "platform/Workers.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSet>
#include <QTemporaryFile>

#include <algorithm>
#include <atomic>
#include <cstdio>
#include <memory>
#include <numeric>
#include <vector>

namespace ThisApp {

namespace {

constexpr qint64 ChunkSize = 100000;

// Names that could reach outside the destination are refused whole rather than cleaned up:
// "../x", "a/../../x", "/etc/x", "\\x", "C:x", "a\\..\\x".
bool IsSafeEntryName(const QString& name)
{
    static const QRegularExpression driveLetter(QStringLiteral("^[A-Za-z]:"));
    if (name.isEmpty() || name.startsWith(QLatin1Char('/')) || name.contains(QLatin1Char('\\'))
        || driveLetter.match(name).hasMatch())
        return false;
    return !name.split(QLatin1Char('/')).contains(QStringLiteral(".."));
}

// WorkerFailed: the worker could not take the entry up (its reader could not reach it, no
// temporary file could be made), which may say more about the moment than about the entry.
enum class EntryResult { Written, Skipped, Undecodable, WorkerFailed, LimitReached };

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

// Walks entry paths below one base folder, creating the folders on the way. A folder is checked
// (really a folder, no symbolic link, this user's) the first time a walk meets it; later entries
// of the same walk trust it, which keeps the unpacking of many entries from asking the file system
// again. Each worker walks on its own; two that make one folder at once both find it made.
class FolderWalk
{
public:
    explicit FolderWalk(const QString& base) : m_base(base) {}

    QString pathFor(const QString& path)
    {
        const QStringList parts = path.split(QLatin1Char('/'));
        if (parts.contains(QStringLiteral("..")))
            return QString();
        QString cur = m_base;
        for (qsizetype i = 0; i + 1 < parts.size(); ++i) {
            // Empty parts, as from a leading "/" or from "//", are passed over.
            if (parts[i].isEmpty())
                continue;
            cur += QLatin1Char('/') + parts[i];
            if (!m_checked.contains(cur)) {
                if (!checkOrMake(cur))
                    return QString();
                m_checked.insert(cur);
            }
        }
        return parts.last().isEmpty() ? cur : cur + QLatin1Char('/') + parts.last();
    }

private:
    // Anything else found in the folder's place (a link, a file, another user's folder) is not
    // ours to write into: what lies below it is skipped, before a byte is written there.
    static bool checkOrMake(const QString& folder)
    {
        if (Folders::IsOwnRealFolder(folder))
            return true;
        QDir().mkdir(folder);
        return Folders::IsOwnRealFolder(folder);
    }

    QString m_base;
    QSet<QString> m_checked;
};

// One entry as the archive lists it, in the archive's order.
struct ListedEntry
{
    QString name;
    qint64 size; // as declared; -1 when not
};

QList<ListedEntry> ListEntries(const QString& zipFile)
{
    QList<ListedEntry> entries;
    UnZipReader reader(zipFile);
    for (reader.GoToFirstFile(); reader.Lasterror() == 0; reader.GoToNextFile())
        entries.append({reader.FileName(), reader.FileSize()});
    return entries;
}

bool IsFileEntry(const QString& name)
{
    return !name.startsWith(QStringLiteral("__MACOSX")) && !name.endsWith(QLatin1Char('/'));
}

// A name as a file system that folds case and Unicode normalization (an ext4 casefold folder,
// macOS, a share reached through CIFS) may take it, so that names it takes for one are equal:
// "É.TXT" and "é.txt", its "é" one character (U+00E9) or two ("e" and U+0301), give one;
// "Straße" and "STRASSE" too.
QString Folded(const QString& name)
{
    return name.normalized(QString::NormalizationForm_D)
        .toUpper()
        .toCaseFolded()
        .normalized(QString::NormalizationForm_C);
}

// Entries can be unpacked in any order, by several workers, when no entry's outcome depends on
// another's: no two write one file, no file stands where another entry needs a folder, and all
// together declare no more than the limit, so no read can reach it. Names are compared folded.
bool EntriesAreIndependent(const QList<ListedEntry>& entries, qint64 byteLimit)
{
    QSet<QString> files;
    QSet<QString> folders;
    qint64 total = 0;
    for (const ListedEntry& entry : entries) {
        if (!IsSafeEntryName(entry.name))
            continue;
        const QStringList parts =
            QDir::cleanPath(Folded(entry.name)).split(QLatin1Char('/'), Qt::SkipEmptyParts);
        // As the folder walk: every part but the last names a folder, the last one too when the
        // name ends in "/".
        const bool namesFolder = entry.name.endsWith(QLatin1Char('/'));
        const qsizetype folderParts = parts.size() - (namesFolder ? 0 : 1);
        QString folder;
        for (qsizetype i = 0; i < folderParts; ++i) {
            folder += QLatin1Char('/') + parts[i];
            folders.insert(folder);
        }
        if (!IsFileEntry(entry.name))
            continue;
        if (entry.size < 0 || entry.size > byteLimit - total)
            return false;
        total += entry.size;
        const QString file = folder + QLatin1Char('/') + parts.value(parts.size() - 1);
        if (files.contains(file))
            return false;
        files.insert(file);
    }
    for (const QString& file : files) {
        if (folders.contains(file))
            return false;
    }
    return true;
}

// Copies entries to their targets through a reader of its own. The reader moves forwards only,
// so an entry before the last one copied costs a new start from the archive's first entry.
class EntryCopier
{
public:
    explicit EntryCopier(const QString& zipFile) : m_reader(zipFile, DataPW) {}

    bool opened() const { return m_reader.Lasterror() == 0; }

    EntryResult copy(qsizetype index, const QString& target, std::atomic<qint64>& budget)
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

    // The compression method of the entry copied last.
    QString compressionMethod() const { return m_reader.CompressionMethod(); }

private:
    bool moveTo(qsizetype index)
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

    UnZipReader m_reader;
    qsizetype m_index = -1;
    bool m_atEnd = false;
};

// The order in which the workers take the entries. One takes them in the archive's order.
// Several take those larger than half a worker's share first, largest first, so that no worker
// is left with one of them at the end while the others wait; then the others in the archive's
// order, which costs the readers no new start.
std::vector<qsizetype> WorkOrder(const QList<ListedEntry>& entries, int workers)
{
    std::vector<qsizetype> order(size_t(entries.size()));
    std::iota(order.begin(), order.end(), 0);
    if (workers == 1)
        return order;
    qint64 total = 0;
    for (const ListedEntry& entry : entries)
        total += std::max<qint64>(entry.size, 0);
    const qint64 halfShare = total / (2 * qint64(workers));
    const auto large = std::stable_partition(order.begin(), order.end(), [&](qsizetype i) {
        return entries[i].size > halfShare;
    });
    std::stable_sort(order.begin(), large,
                     [&](qsizetype a, qsizetype b) { return entries[a].size > entries[b].size; });
    return order;
}

using Copiers = std::vector<std::unique_ptr<EntryCopier>>;

// A copier for each of count workers, all opened before any starts: when one cannot open (the
// process out of file descriptors, for one), a single worker goes on with the first, so that
// a shortage changes how many work and never which entries are written.
Copiers OpenCopiers(const QString& zipFile, int count)
{
    Copiers copiers;
    copiers.push_back(std::make_unique<EntryCopier>(zipFile));
    while (int(copiers.size()) < count && copiers.back()->opened())
        copiers.push_back(std::make_unique<EntryCopier>(zipFile));
    if (!copiers.back()->opened())
        copiers.resize(1);
    return copiers;
}

// Each worker takes the next entry not yet taken, makes its folders and writes it, with a copier
// and a folder walk of its own; the method of each entry that could not be decoded goes to
// undecodable. One worker is the walk in the archive's order that ends at the entry that would
// pass the limit. Several give up as soon as one fails to take an entry up, since which entries
// that costs depends on timing; false then.
bool UnpackWith(const Copiers& copiers, const QList<ListedEntry>& entries,
                const QString& destFolder, qint64 byteLimit, std::vector<QString>& undecodable)
{
    const int workers = int(copiers.size());
    const std::vector<qsizetype> order = WorkOrder(entries, workers);
    std::atomic<qint64> budget{byteLimit};
    std::atomic<size_t> next{0};
    std::atomic<int> nextCopier{0};
    std::atomic<bool> gaveUp{false};
    RunOnWorkers(workers, [&] {
        EntryCopier& copier = *copiers[size_t(nextCopier++)];
        FolderWalk walk(destFolder);
        for (size_t k = next++; k < order.size(); k = next++) {
            const qsizetype i = order[k];
            const QString& name = entries[i].name;
            // Folders are made before the entry is looked at, so a skipped "__MACOSX" or folder
            // entry still leaves the folders its path names.
            const QString target = IsSafeEntryName(name) ? walk.pathFor(name) : QString();
            if (!IsFileEntry(name) || target.isEmpty())
                continue;
            const EntryResult result = copier.copy(i, target, budget);
            if (result == EntryResult::Undecodable)
                undecodable[size_t(i)] = copier.compressionMethod();
            const bool giveUp = result == EntryResult::WorkerFailed && workers > 1;
            if (giveUp)
                gaveUp = true;
            if (giveUp || result == EntryResult::LimitReached) {
                next = order.size();
                return;
            }
        }
    });
    return !gaveUp;
}

// One line on standard error for each entry whose compression cannot be decoded, in the
// archive's order, so that whoever packed the archive learns what to change.
void ReportUndecodable(const QList<ListedEntry>& entries, const std::vector<QString>& undecodable)
{
    for (qsizetype i = 0; i < entries.size(); ++i) {
        if (undecodable[size_t(i)].isEmpty())
            continue;
        const QString line = QStringLiteral("Corvane: cannot decode %1: compression %2 is not "
                                            "supported; repack with Deflate or Store\n")
                                 .arg(entries[i].name, undecodable[size_t(i)]);
        std::fputs(line.toLocal8Bit().constData(), stderr);
    }
}

} // namespace

// Several workers are let loose only on entries whose outcomes do not depend on one another.
// When they give up, one worker unpacks everything again: each entry it writes replaces the
// same bytes whole, so the outcome is the one worker's.
void UnzipData(const QString& zipFile, const QString& destFolder, qint64 byteLimit)
{
    const QList<ListedEntry> entries = ListEntries(zipFile);
    // Folder and "__MACOSX" entries cost next to nothing: one worker per file at the most.
    const auto isFile = [](const ListedEntry& entry) { return IsFileEntry(entry.name); };
    const qsizetype files = std::count_if(entries.begin(), entries.end(), isFile);
    const int workers = EntriesAreIndependent(entries, byteLimit) ? WorkerCount(files) : 1;
    Copiers copiers = OpenCopiers(zipFile, workers);
    std::vector<QString> undecodable(size_t(entries.size()));
    if (!UnpackWith(copiers, entries, destFolder, byteLimit, undecodable)) {
        copiers.resize(1);
        UnpackWith(copiers, entries, destFolder, byteLimit, undecodable);
    }
    ReportUndecodable(entries, undecodable);
}

QString GetPath(const QString& base, const QString& path)
{
    return FolderWalk(base).pathFor(path);
}

} // namespace ThisApp
