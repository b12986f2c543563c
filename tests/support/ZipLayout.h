#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

// Where an entry of a zip archive lies, read from the archive's central directory, so that a
// test can name, damage or re-declare entries of an archive that any tool wrote.
struct ZipRecord
{
    QString name;            // as stored, not converted in any way
    qsizetype centralHeader; // offset of the entry's central directory header
    qsizetype localHeader;   // offset of its local header
    qsizetype data;          // offset of its stored data (encryption header included)
    qint64 storedSize;       // bytes of stored data
};

// Every entry in central directory order; empty when the archive has no end record.
QList<ZipRecord> ZipRecords(const QByteArray& archive);

// The record of the entry named name; fails the running test when there is none.
ZipRecord ZipRecordOf(const QByteArray& archive, const QString& name);

// Flips the bits of one byte in the middle of the named entry's stored data, in the file at path.
void FlipByteInEntry(const QString& path, const QString& name);
