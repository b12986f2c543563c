#include "platform/ZipLocalHeaders.h"

#include <QFile>
#include <QtEndian>

#include <algorithm>
#include <iterator>

namespace {

constexpr quint32 EndSignature = 0x06054b50;
constexpr quint32 CentralSignature = 0x02014b50;
constexpr quint32 LocalSignature = 0x04034b50;
constexpr qint64 EndRecordSize = 22;
constexpr qint64 CentralHeaderSize = 46;
constexpr qint64 LocalHeaderSize = 30;
constexpr qint64 LongestComment = 0xFFFF;
constexpr quint32 Zip64Marker = 0xFFFFFFFF;
constexpr quint16 AesExtraField = 0x9901;
constexpr int AesMethod = 99;
// The data archive's directory takes a few kilobytes; a far larger one is not read.
constexpr qint64 LargestDirectory = 16 * 1024 * 1024;

quint16 Le16(const QByteArray& bytes, qsizetype at)
{
    return qFromLittleEndian<quint16>(bytes.constData() + at);
}

quint32 Le32(const QByteArray& bytes, qsizetype at)
{
    return qFromLittleEndian<quint32>(bytes.constData() + at);
}

// Exactly size bytes from offset, or none.
QByteArray ReadAt(QFile& file, qint64 offset, qint64 size)
{
    if (offset < 0 || !file.seek(offset))
        return QByteArray();
    const QByteArray bytes = file.read(size);
    return bytes.size() == size ? bytes : QByteArray();
}

// Where the central directory puts the local headers, moved as libarchive moves them when bytes
// stand before the archive (a self-extracting stub): by the distance between where the
// directory says it starts and where it does.
std::vector<qint64> LocalHeaderOffsets(QFile& file)
{
    const qint64 size = file.size();
    const qint64 tailStart = std::max<qint64>(0, size - EndRecordSize - LongestComment);
    const QByteArray tail = ReadAt(file, tailStart, size - tailStart);
    // The last end record is the archive's: an archive stored in it may end with one earlier.
    qsizetype end = tail.size() - EndRecordSize;
    while (end >= 0 && Le32(tail, end) != EndSignature)
        --end;
    if (end < 0)
        return {};
    const quint32 directorySize = Le32(tail, end + 12);
    const quint32 directoryOffset = Le32(tail, end + 16);
    const qint64 directoryStart = tailStart + end - qint64(directorySize);
    if (directoryOffset == Zip64Marker || directoryStart < 0 || directorySize > LargestDirectory)
        return {};
    const QByteArray directory = ReadAt(file, directoryStart, directorySize);
    const qint64 correction = directoryStart - qint64(directoryOffset);
    std::vector<qint64> offsets;
    for (qsizetype at = 0;
         at + CentralHeaderSize <= directory.size() && Le32(directory, at) == CentralSignature;
         at += CentralHeaderSize + Le16(directory, at + 28) + Le16(directory, at + 30)
               + Le16(directory, at + 32)) {
        const quint32 local = Le32(directory, at + 42);
        if (local != Zip64Marker)
            offsets.push_back(qint64(local) + correction);
    }
    std::sort(offsets.begin(), offsets.end());
    return offsets;
}

// The method that a WinZip AES extra field names beneath the encryption; method when none does.
int MethodBeneathAes(const QByteArray& extra, int method)
{
    for (qsizetype at = 0; at + 4 <= extra.size(); at += 4 + Le16(extra, at + 2)) {
        if (Le16(extra, at) == AesExtraField && Le16(extra, at + 2) >= 7 && at + 11 <= extra.size())
            return Le16(extra, at + 9);
    }
    return method;
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
