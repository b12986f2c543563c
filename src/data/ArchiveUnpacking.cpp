#include "data/ThisApp.h"

#include "data/EntryCopier.h"
#include "data/EntryPaths.h"
#include "platform/UnZipReader.h"
#include "platform/Workers.h"

#include <algorithm>
#include <atomic>
#include <cstdio>
#include <memory>
#include <numeric>
#include <vector>

namespace ThisApp {

namespace {

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
        entries.append({reader.FileName(), reader.fileSize()});
    return entries;
}

// Entries can be unpacked in any order, by several workers, when no entry's outcome depends on
// another's: their paths are distinct, and all together declare no more than the limit, so no
// read can reach it.
bool EntriesAreIndependent(const QList<ListedEntry>& entries, qint64 byteLimit)
{
    QStringList names;
    qint64 total = 0;
    for (const ListedEntry& entry : entries) {
        names.append(entry.name);
        if (!IsSafeEntryName(entry.name) || !IsFileEntry(entry.name))
            continue;
        if (entry.size < 0 || entry.size > byteLimit - total)
            return false;
        total += entry.size;
    }
    return PathsAreDistinct(names);
}

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
    // The place in order of the next entry to take, shared by all workers.
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
                // Stops every worker: each takes its next place from the shared cursor and ends
                // its loop on any place past the end, so once the cursor stands there none takes
                // another entry. The entries already taken are finished, each written whole or
                // not at all.
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

} // namespace ThisApp
