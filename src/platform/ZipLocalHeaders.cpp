#include "platform/ZipLocalHeaders.h"

#include <QFile>
#include <QtEndian>

#include <algorithm>
#include <iterator>

namespace {

constexpr quint32 EndSignature = 0x06054b50;
constexpr quint32 Zip64LocatorSignature = 0x07064b50;
constexpr quint32 Zip64EndSignature = 0x06064b50;
constexpr quint32 CentralSignature = 0x02014b50;
constexpr quint32 LocalSignature = 0x04034b50;
constexpr qint64 EndRecordSize = 22;
constexpr qint64 Zip64LocatorSize = 20;
// A Zip64 end record without extensible data, as every writer makes it but for PKWARE's
// encryption of the directory.
constexpr qint64 Zip64EndRecordSize = 56;
constexpr qint64 CentralHeaderSize = 46;
constexpr qint64 LocalHeaderSize = 30;
constexpr qint64 LongestComment = 0xFFFF;
constexpr quint32 Zip64Marker = 0xFFFFFFFF;
constexpr quint16 Zip64ExtraField = 0x0001;
constexpr quint16 AesExtraField = 0x9901;
constexpr int AesMethod = 99;
// The data archive's directory takes a few kilobytes; a far larger one is not read.
constexpr quint64 LargestDirectory = 16 * 1024 * 1024;

quint16 Le16(const QByteArray& bytes, qsizetype at)
{
    return qFromLittleEndian<quint16>(bytes.constData() + at);
}

quint32 Le32(const QByteArray& bytes, qsizetype at)
{
    return qFromLittleEndian<quint32>(bytes.constData() + at);
}

quint64 Le64(const QByteArray& bytes, qsizetype at)
{
    return qFromLittleEndian<quint64>(bytes.constData() + at);
}

// Exactly size bytes from offset, or none.
QByteArray ReadAt(QFile& file, qint64 offset, qint64 size)
{
    if (offset < 0 || !file.seek(offset))
        return QByteArray();
    const QByteArray bytes = file.read(size);
    return bytes.size() == size ? bytes : QByteArray();
}

// The data of the first extra field with that id among a header's extra fields, when it is there
// whole.
std::optional<QByteArray> ExtraField(const QByteArray& extra, quint16 id)
{
    for (qsizetype at = 0; at + 4 <= extra.size(); at += 4 + Le16(extra, at + 2)) {
        if (Le16(extra, at) == id) {
            const QByteArray data = extra.mid(at + 4, Le16(extra, at + 2));
            return data.size() == Le16(extra, at + 2) ? std::optional(data) : std::nullopt;
        }
    }
    return std::nullopt;
}

// The central directory, and how far the offsets it holds are to be moved to reach what they name.
struct Directory
{
    qint64 start;
    qint64 size;
    qint64 correction;
};

// The directory that ends where the record after it begins, at recordAt, with the size and
// offset that record gives. Moved as libarchive moves it when bytes stand before the archive (a
// self-extracting stub): by the distance between where the directory says it starts and where
// it does. Values past the end of the file are refused, so no sum of them overflows.
std::optional<Directory> DirectoryBefore(qint64 recordAt, quint64 size, quint64 offset,
                                         qint64 fileSize)
{
    if (size > LargestDirectory || size > quint64(recordAt) || offset > quint64(fileSize))
        return std::nullopt;
    const qint64 start = recordAt - qint64(size);
    return Directory{start, qint64(size), start - qint64(offset)};
}

// A Zip64 archive gives its directory in a Zip64 end record, which ends where its locator, at
// locatorAt, begins. The locator must name that record, moved as the directory is.
std::optional<Directory> Zip64Directory(QFile& file, qint64 locatorAt, quint64 namedRecordAt)
{
    const qint64 recordAt = locatorAt - Zip64EndRecordSize;
    const QByteArray record = ReadAt(file, recordAt, Zip64EndRecordSize);
    if (record.isEmpty() || Le32(record, 0) != Zip64EndSignature)
        return std::nullopt;
    const std::optional<Directory> directory =
        DirectoryBefore(recordAt, Le64(record, 40), Le64(record, 48), file.size());
    if (!directory || namedRecordAt > quint64(file.size())
        || qint64(namedRecordAt) + directory->correction != recordAt)
        return std::nullopt;
    return directory;
}

std::optional<Directory> FindDirectory(QFile& file)
{
    const qint64 size = file.size();
    const qint64 tailStart = std::max<qint64>(0, size - EndRecordSize - LongestComment);
    const QByteArray tail = ReadAt(file, tailStart, size - tailStart);
    // The last end record is the archive's: an archive stored in it may end with one earlier.
    qsizetype end = tail.size() - EndRecordSize;
    while (end >= 0 && Le32(tail, end) != EndSignature)
        --end;
    if (end < 0)
        return std::nullopt;
    const qint64 endAt = tailStart + end;
    const qint64 locatorAt = endAt - Zip64LocatorSize;
    const QByteArray locator = ReadAt(file, locatorAt, Zip64LocatorSize);
    if (!locator.isEmpty() && Le32(locator, 0) == Zip64LocatorSignature)
        return Zip64Directory(file, locatorAt, Le64(locator, 8));
    return DirectoryBefore(endAt, Le32(tail, end + 12), Le32(tail, end + 16), size);
}

// Where the local header of the entry whose central header is at `at` lies, as that header gives
// it. An offset too large for its field is in the Zip64 extra field, which holds, in this order,
// only the values whose central fields hold the marker: the two sizes, the offset, the disk.
std::optional<quint64> LocalHeaderOffset(const QByteArray& directory, qsizetype at)
{
    const quint32 offset = Le32(directory, at + 42);
    if (offset != Zip64Marker)
        return offset;
    const qsizetype extraAt = at + CentralHeaderSize + Le16(directory, at + 28);
    const std::optional<QByteArray> zip64 =
        ExtraField(directory.mid(extraAt, Le16(directory, at + 30)), Zip64ExtraField);
    const qsizetype offsetAt = (Le32(directory, at + 24) == Zip64Marker ? 8 : 0)
                               + (Le32(directory, at + 20) == Zip64Marker ? 8 : 0);
    if (!zip64 || zip64->size() < offsetAt + 8)
        return std::nullopt;
    return Le64(*zip64, offsetAt);
}

std::vector<qint64> LocalHeaderOffsets(QFile& file)
{
    const std::optional<Directory> found = FindDirectory(file);
    if (!found)
        return {};
    const QByteArray directory = ReadAt(file, found->start, found->size);
    std::vector<qint64> offsets;
    for (qsizetype at = 0;
         at + CentralHeaderSize <= directory.size() && Le32(directory, at) == CentralSignature;
         at += CentralHeaderSize + Le16(directory, at + 28) + Le16(directory, at + 30)
               + Le16(directory, at + 32)) {
        const std::optional<quint64> local = LocalHeaderOffset(directory, at);
        if (local && *local <= quint64(file.size()))
            offsets.push_back(qint64(*local) + found->correction);
    }
    std::sort(offsets.begin(), offsets.end());
    return offsets;
}

// The method that a WinZip AES extra field names beneath the encryption; method when none does.
int MethodBeneathAes(const QByteArray& extra, int method)
{
    const std::optional<QByteArray> aes = ExtraField(extra, AesExtraField);
    return aes && aes->size() >= 7 ? Le16(*aes, 5) : method;
}

} // namespace

QString CompressionMethodName(int method)
{
    struct Named
    {
        int method;
        const char* name;
    };
    static constexpr Named Names[] = {
        {0, "Store"},  {1, "Shrink"}, {6, "Implode"},    {8, "Deflate"}, {9, "Deflate64"},
        {12, "bzip2"}, {14, "LZMA"},  {93, "Zstandard"}, {95, "XZ"},     {98, "PPMd"},
    };
    for (const Named& named : Names) {
        if (named.method == method)
            return QString::fromLatin1(named.name);
    }
    return QStringLiteral("method %1").arg(method);
}

ZipLocalHeaders::ZipLocalHeaders(const QByteArray& archivePath) : m_path(archivePath) {}

std::optional<ZipCompression> ZipLocalHeaders::compressionOfDataAt(qint64 dataOffset)
{
    QFile file(QFile::decodeName(m_path));
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    if (!m_offsets)
        m_offsets = LocalHeaderOffsets(file);
    // The entry's local header is the last one before its data, and ends where the data begins.
    const auto after = std::lower_bound(m_offsets->begin(), m_offsets->end(), dataOffset);
    if (after == m_offsets->begin())
        return std::nullopt;
    const qint64 at = *std::prev(after);
    const QByteArray header = ReadAt(file, at, LocalHeaderSize);
    if (header.isEmpty() || Le32(header, 0) != LocalSignature)
        return std::nullopt;
    const quint16 nameLength = Le16(header, 26);
    const quint16 extraLength = Le16(header, 28);
    if (at + LocalHeaderSize + nameLength + extraLength != dataOffset)
        return std::nullopt;
    ZipCompression compression{Le16(header, 8), (Le16(header, 6) & 1) != 0};
    if (compression.method == AesMethod) {
        compression.encrypted = true;
        compression.method =
            MethodBeneathAes(ReadAt(file, at + LocalHeaderSize + nameLength, extraLength),
                             compression.method);
    }
    return compression;
}
