#pragma once

#include "platform/UnZipReader.h"

#include <QString>

#include <atomic>

namespace ThisApp {

// WorkerFailed: the worker could not take the entry up (its reader could not reach it, no
// temporary file could be made), which may say more about the moment than about the entry.
enum class EntryResult { Written, Skipped, Undecodable, WorkerFailed, LimitReached };

// Copies entries to their targets through a reader of its own. The reader moves forwards only,
// so an entry before the last one copied costs a new start from the archive's first entry.
class EntryCopier
{
public:
    explicit EntryCopier(const QString& zipFile);

    bool opened() const;

    // Writes the entry at index to target whole or not at all, each byte taken from budget: an
    // entry that would take more than is left is not written, and LimitReached says so.
    EntryResult copy(qsizetype index, const QString& target, std::atomic<qint64>& budget);

    // The compression method of the entry copied last.
    QString compressionMethod() const;

private:
    bool moveTo(qsizetype index);

    UnZipReader m_reader;
    qsizetype m_index = -1;
    bool m_atEnd = false;
};

} // namespace ThisApp
