#pragma once

#include <QByteArray>
#include <QString>

#include <optional>
#include <vector>

// How an entry's data is compressed, as its local header gives it.
struct ZipCompression
{
    // 0 stored, 8 deflated, 9 Deflate64, 12 bzip2, 14 LZMA, 93 Zstandard, 95 XZ, 98 PPMd, ...;
    // for a WinZip AES entry, the method beneath the encryption.
    int method;
    bool encrypted;
};

// The method by the name those who pack archives know it: 12 gives "bzip2", 17 "method 17".
QString CompressionMethodName(int method);

// Reads the local header of the entry whose data begins at a given offset of a zip archive.
// libarchive reads that header too, but tells neither its compression method nor, for a WinZip
// AES entry, the method beneath the encryption; it does tell where the data begins. The central
// directory gives where each local header lies; it is read once, on the first question.
class ZipLocalHeaders
{
public:
    explicit ZipLocalHeaders(const QByteArray& archivePath);

    // None when no local header ends at dataOffset, or the archive cannot be read.
    std::optional<ZipCompression> compressionOfDataAt(qint64 dataOffset);

private:
    QByteArray m_path;
    // Where each local header lies, in ascending order; read on the first question.
    std::optional<std::vector<qint64>> m_offsets;
};
