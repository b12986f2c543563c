#include "platform/ZipLocalHeaders.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>
#include <QtEndian>

#include <limits>

namespace {

template <typename T>
void Put(QByteArray& bytes, T value)
{
    const T little = qToLittleEndian(value);
    bytes.append(reinterpret_cast<const char*>(&little), sizeof little);
}

void Set64(QByteArray& bytes, qsizetype at, quint64 value)
{
    qToLittleEndian(value, bytes.data() + at);
}

// One entry "a", declared bzip2, whose data "x" begins at byte 31, in a Zip64 archive whose
// central header gives the local header's offset in its Zip64 extra field, as past 4 GiB.
struct Zip64Archive
{
    QByteArray bytes;
    qsizetype extraOffset = 0; // the local header's offset in the extra field
    qsizetype extraSize = 0;   // the extra field's data size
    qsizetype directoryOffset = 0;
    qsizetype namedRecord = 0; // where the locator says the Zip64 end record is
};

Zip64Archive MakeZip64Archive()
{
    Zip64Archive zip;
    QByteArray& bytes = zip.bytes;
    Put<quint32>(bytes, 0x04034b50);
    for (quint16 field : {45, 0, 12, 0, 0})
        Put(bytes, field);
    for (quint32 field : {0, 1, 1})
        Put(bytes, field);
    Put<quint16>(bytes, 1);
    Put<quint16>(bytes, 0);
    bytes += "ax";

    const quint32 directoryAt = quint32(bytes.size());
    Put<quint32>(bytes, 0x02014b50);
    for (quint16 field : {45, 45, 0, 12, 0, 0})
        Put(bytes, field);
    for (quint32 field : {0, 1, 1})
        Put(bytes, field);
    for (quint16 field : {1, 12, 0, 0, 0})
        Put(bytes, field);
    Put<quint32>(bytes, 0);
    Put<quint32>(bytes, 0xFFFFFFFF);
    bytes += "a";
    Put<quint16>(bytes, 0x0001);
    zip.extraSize = bytes.size();
    Put<quint16>(bytes, 8);
    zip.extraOffset = bytes.size();
    Put<quint64>(bytes, 0);

    const quint64 recordAt = quint64(bytes.size());
    Put<quint32>(bytes, 0x06064b50);
    Put<quint64>(bytes, 44);
    for (quint16 field : {45, 45})
        Put(bytes, field);
    for (quint32 field : {0, 0})
        Put(bytes, field);
    for (quint64 field : {1, 1})
        Put(bytes, field);
    Put<quint64>(bytes, recordAt - directoryAt);
    zip.directoryOffset = bytes.size();
    Put<quint64>(bytes, directoryAt);

    Put<quint32>(bytes, 0x07064b50);
    Put<quint32>(bytes, 0);
    zip.namedRecord = bytes.size();
    Put<quint64>(bytes, recordAt);
    Put<quint32>(bytes, 1);

    Put<quint32>(bytes, 0x06054b50);
    for (quint16 field : {0, 0, 0xFFFF, 0xFFFF})
        Put(bytes, field);
    for (quint32 field : {0xFFFFFFFF, 0xFFFFFFFF})
        Put<quint32>(bytes, field);
    Put<quint16>(bytes, 0);
    return zip;
}

// The Zip64 directory is followed as the plain one is, also behind a stub; values that lie or
// would overflow an offset find nothing, and the sanitizer build shows any read out of bounds.
TEST(ZipLocalHeaders, Zip64DirectoryAndValuesThatLie)
{
    constexpr quint64 Far = quint64(std::numeric_limits<qint64>::max());
    const Zip64Archive zip = MakeZip64Archive();
    const QByteArray stub(100, 's');
    struct Case
    {
        const char* name;
        QByteArray bytes;
        qint64 dataOffset;
        int method; // -1: none found
    };
    QList<Case> cases = {
        {"as written", zip.bytes, 31, 12},
        {"behind a stub", stub + zip.bytes, 131, 12},
        {"locator cut short", zip.bytes.right(30), 31, -1},
    };
    const auto lying = [&](const char* name, qsizetype at, quint64 value) {
        Case lie{name, stub + zip.bytes, 131, -1};
        Set64(lie.bytes, stub.size() + at, value);
        cases.append(lie);
    };
    lying("locator naming a far place", zip.namedRecord, Far);
    lying("directory offset past the file", zip.directoryOffset, Far + 1);
    lying("local header offset past the file", zip.extraOffset, Far);
    Case shortExtra{"extra field too short for the offset", zip.bytes, 31, -1};
    shortExtra.bytes[zip.extraSize] = 4;
    cases.append(shortExtra);

    QTemporaryDir folder;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const QString path = folder.filePath(QString::fromLatin1(c.name));
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(c.bytes);
        file.close();
        const std::optional<ZipCompression> compression =
            ZipLocalHeaders(QFile::encodeName(path)).compressionOfDataAt(c.dataOffset);
        EXPECT_EQ(compression ? compression->method : -1, c.method);
    }
}

} // namespace
