#include "platform/UnZipReader.h"

#include "TempFolders.h"
#include "ZipWriter.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QtEndian>

namespace {

const QString Password = QStringLiteral("q4#Tz9!m");
constexpr qint64 Chunk = 100000;

// Text that deflate cannot shrink to nothing, so entries span several chunks.
QByteArray sampleContent(qsizetype size)
{
    QByteArray content(size, Qt::Uninitialized);
    quint32 state = 12345;
    for (qsizetype i = 0; i < size; ++i) {
        state = state * 1103515245u + 12345u;
        content[i] = char('a' + (state >> 16) % 26);
    }
    return content;
}

struct ReadResult
{
    QByteArray content;
    int error = 0;
    int chunks = 0;
};

// Reads the current entry as the unpacking does: chunks until an empty one.
ReadResult readEntry(UnZipReader& reader)
{
    ReadResult result;
    for (;;) {
        const QByteArray chunk = reader.ReadCurrentFile(Chunk);
        EXPECT_LE(chunk.size(), Chunk);
        if (chunk.isEmpty()) {
            result.error = reader.Lasterror();
            return result;
        }
        EXPECT_EQ(reader.Lasterror(), 0);
        result.content += chunk;
        ++result.chunks;
    }
}

QString writeArchive(const TempFolders& folders, const QString& name, const QList<ZipEntry>& entries,
                     ZipEncryption encryption)
{
    const QString path = folders.root() + "/" + name;
    QString error;
    EXPECT_TRUE(WriteZip(path, entries, Password, encryption, &error)) << error.toStdString();
    return path;
}

// Offset of the first byte of the entry's stored data, from its local header.
qsizetype dataOffset(const QByteArray& archive, qsizetype localHeader)
{
    const auto u16 = [&archive](qsizetype at) {
        return qsizetype(quint8(archive[at])) | qsizetype(quint8(archive[at + 1])) << 8;
    };
    return localHeader + 30 + u16(localHeader + 26) + u16(localHeader + 28);
}

} // namespace

class UnZipReaderRoundTrip : public ::testing::TestWithParam<ZipEncryption>
{
};

TEST_P(UnZipReaderRoundTrip, EveryEntryInOrderWithItsContent)
{
    TempFolders folders;
    const QList<ZipEntry> entries = {
        {"Data/", {}, true},
        {"Data/big.txt", sampleContent(350000), false},
        {"Data/empty.txt", {}, false},
        {QString::fromUtf8("Data/Évêque ä.txt"), "small", false},
        {"Data/exact.txt", sampleContent(Chunk), false},
    };
    UnZipReader reader(writeArchive(folders, "a.zip", entries, GetParam()));
    EXPECT_EQ(reader.Lasterror(), 0);
    reader.GoToFirstFile();
    for (qsizetype i = 0; i < entries.size(); ++i) {
        ASSERT_EQ(reader.Lasterror(), 0) << "entry " << i;
        EXPECT_EQ(reader.FileName(), entries[i].name);
        if (!entries[i].isFolder) {
            reader.OpenCurrentFile(Password);
            ASSERT_EQ(reader.Lasterror(), 0) << entries[i].name.toStdString();
            const ReadResult read = readEntry(reader);
            EXPECT_EQ(read.error, 0);
            EXPECT_EQ(read.content, entries[i].content) << entries[i].name.toStdString();
            EXPECT_EQ(read.chunks, (entries[i].content.size() + Chunk - 1) / Chunk);
            reader.CloseCurrentFile();
            EXPECT_EQ(reader.Lasterror(), 0);
        }
        reader.GoToNextFile();
    }
    EXPECT_NE(reader.Lasterror(), 0);
    EXPECT_EQ(reader.FileName(), QString());
}

TEST_P(UnZipReaderRoundTrip, WrongPasswordNeverYieldsContent)
{
    TempFolders folders;
    const QByteArray content = sampleContent(200000);
    const QString path = writeArchive(folders, "w.zip", {{"f.txt", content, false}}, GetParam());
    // Traditional encryption checks the password against one byte only, so some of these pass
    // the check on opening and must fail while reading.
    int passedOpening = 0;
    for (int attempt = 0; attempt < 2000; ++attempt) {
        UnZipReader reader(path);
        reader.GoToFirstFile();
        reader.OpenCurrentFile("wrong" + QString::number(attempt));
        if (GetParam() == ZipEncryption::None) {
            EXPECT_EQ(reader.Lasterror(), 0) << "a password does not stop a plain entry";
            EXPECT_EQ(readEntry(reader).content, content);
            return;
        }
        if (reader.Lasterror() != 0)
            continue;
        ++passedOpening;
        const ReadResult read = readEntry(reader);
        EXPECT_NE(read.error, 0) << "attempt " << attempt;
        EXPECT_NE(read.content, content);
    }
    if (GetParam() == ZipEncryption::Traditional)
        EXPECT_GT(passedOpening, 0);
    else
        EXPECT_EQ(passedOpening, 0);
}

INSTANTIATE_TEST_SUITE_P(Encryptions, UnZipReaderRoundTrip,
                         ::testing::Values(ZipEncryption::Aes256, ZipEncryption::Traditional, ZipEncryption::None),
                         [](const auto& info) {
                             switch (info.param) {
                             case ZipEncryption::Aes256: return std::string("Aes256");
                             case ZipEncryption::Traditional: return std::string("Traditional");
                             case ZipEncryption::None: break;
                             }
                             return std::string("None");
                         });

TEST(UnZipReader, CorruptedDataIsAFailedReadNotAnEnd)
{
    TempFolders folders;
    const QByteArray content = sampleContent(300000);
    for (ZipEncryption encryption : {ZipEncryption::Aes256, ZipEncryption::Traditional, ZipEncryption::None}) {
        const QString path = writeArchive(folders, "c.zip", {{"f.txt", content, false}}, encryption);
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::ReadWrite));
        QByteArray bytes = file.readAll();
        const qsizetype start = dataOffset(bytes, 0);
        for (qsizetype at = start + 200; at < start + 260; ++at)
            bytes[at] = char(bytes[at] ^ 0x5A);
        file.seek(0);
        file.write(bytes);
        file.close();

        UnZipReader reader(path);
        reader.GoToFirstFile();
        reader.OpenCurrentFile(Password);
        ASSERT_EQ(reader.Lasterror(), 0) << int(encryption);
        const ReadResult read = readEntry(reader);
        EXPECT_NE(read.error, 0) << int(encryption);
        EXPECT_LT(read.content.size(), content.size() + 1);
        // The failure sticks: another read is empty and still reports it.
        EXPECT_TRUE(reader.ReadCurrentFile(Chunk).isEmpty());
        EXPECT_NE(reader.Lasterror(), 0);
    }
}

TEST(UnZipReader, EntryLongerThanItDeclaresIsCut)
{
    TempFolders folders;
    const QByteArray content = sampleContent(5000);
    const QString path = writeArchive(folders, "bomb.zip", {{"f.txt", content, false}}, ZipEncryption::None);
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadWrite));
    QByteArray bytes = file.readAll();
    // Declare 100 bytes in both headers; the compressed data still inflates to 5000.
    const auto setSize = [&bytes](qsizetype at) { bytes[at] = char(100); bytes[at + 1] = 0; bytes[at + 2] = 0; bytes[at + 3] = 0; };
    setSize(22);
    const qsizetype central = bytes.indexOf(QByteArray("PK\x01\x02", 4));
    ASSERT_GT(central, 0);
    setSize(central + 24);
    file.seek(0);
    file.write(bytes);
    file.close();

    UnZipReader reader(path);
    reader.GoToFirstFile();
    reader.OpenCurrentFile(Password);
    ASSERT_EQ(reader.Lasterror(), 0);
    const ReadResult read = readEntry(reader);
    EXPECT_NE(read.error, 0);
    EXPECT_LE(read.content.size(), 100);
}

TEST(UnZipReader, TruncatedArchive)
{
    TempFolders folders;
    const QByteArray content = sampleContent(300000);
    const QString path = writeArchive(folders, "t.zip", {{"f.txt", content, false}}, ZipEncryption::Aes256);
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadWrite));
    ASSERT_TRUE(file.resize(file.size() / 2));
    file.close();

    UnZipReader reader(path);
    EXPECT_NE(reader.Lasterror(), 0);
    // Every call fails cleanly on an archive that did not open.
    reader.GoToFirstFile();
    EXPECT_NE(reader.Lasterror(), 0);
    EXPECT_EQ(reader.FileName(), QString());
    reader.OpenCurrentFile(Password);
    EXPECT_NE(reader.Lasterror(), 0);
    EXPECT_TRUE(reader.ReadCurrentFile(Chunk).isEmpty());
    EXPECT_NE(reader.Lasterror(), 0);
    reader.CloseCurrentFile();
    reader.GoToNextFile();
    EXPECT_NE(reader.Lasterror(), 0);
}

TEST(UnZipReader, DataCutShortBehindAnIntactDirectory)
{
    TempFolders folders;
    const QByteArray content = sampleContent(300000);
    const QString path = writeArchive(folders, "s.zip", {{"f.txt", content, false}}, ZipEncryption::None);
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    file.close();
    const qsizetype central = bytes.indexOf(QByteArray("PK\x01\x02", 4));
    ASSERT_GT(central, 0);
    // Keep the directory, drop the second half of the stored data and move the directory's
    // offset along, so the archive opens and the entry runs into the directory.
    const qsizetype start = dataOffset(bytes, 0);
    const qsizetype kept = start + (central - start) / 2;
    QByteArray cut = bytes.left(kept) + bytes.mid(central);
    const qsizetype end = cut.lastIndexOf(QByteArray("PK\x05\x06", 4));
    ASSERT_GT(end, 0);
    qToLittleEndian<quint32>(quint32(kept), cut.data() + end + 16);
    const QString cutPath = folders.writeFile("cut.zip", cut);

    UnZipReader reader(cutPath);
    ASSERT_EQ(reader.Lasterror(), 0);
    reader.GoToFirstFile();
    reader.OpenCurrentFile(Password);
    ASSERT_EQ(reader.Lasterror(), 0);
    const ReadResult read = readEntry(reader);
    EXPECT_NE(read.error, 0);
    EXPECT_NE(read.content, content);
}

TEST(UnZipReader, EmptyMissingAndForeignFiles)
{
    TempFolders folders;
    {
        UnZipReader reader(writeArchive(folders, "empty.zip", {}, ZipEncryption::Aes256));
        EXPECT_EQ(reader.Lasterror(), 0);
        reader.GoToFirstFile();
        EXPECT_NE(reader.Lasterror(), 0);
        EXPECT_EQ(reader.FileName(), QString());
        reader.GoToNextFile();
        EXPECT_NE(reader.Lasterror(), 0);
    }
    for (const QString& path : {folders.root() + "/missing.zip", folders.writeFile("text.zip", "not a zip"),
                                folders.writeFile("zero.zip", "")}) {
        UnZipReader reader(path);
        EXPECT_NE(reader.Lasterror(), 0) << path.toStdString();
        reader.GoToFirstFile();
        EXPECT_NE(reader.Lasterror(), 0);
    }
}

TEST(UnZipReader, MisuseFailsCleanly)
{
    TempFolders folders;
    UnZipReader reader(writeArchive(folders, "m.zip", {{"a.txt", "abc", false}}, ZipEncryption::Aes256));
    // Before GoToFirstFile there is no current entry.
    reader.OpenCurrentFile(Password);
    EXPECT_NE(reader.Lasterror(), 0);
    EXPECT_TRUE(reader.ReadCurrentFile(Chunk).isEmpty());
    EXPECT_NE(reader.Lasterror(), 0);
    reader.GoToFirstFile();
    reader.OpenCurrentFile(Password);
    ASSERT_EQ(reader.Lasterror(), 0);
    EXPECT_EQ(reader.ReadCurrentFile(2), "ab");
    // Moving on closes the open entry; reading then fails.
    reader.GoToNextFile();
    EXPECT_NE(reader.Lasterror(), 0);
    EXPECT_TRUE(reader.ReadCurrentFile(Chunk).isEmpty());
    EXPECT_NE(reader.Lasterror(), 0);
    // Going back to the start reads the entry from its beginning.
    reader.GoToFirstFile();
    reader.OpenCurrentFile(Password);
    EXPECT_EQ(reader.ReadCurrentFile(Chunk), "abc");
    EXPECT_TRUE(reader.ReadCurrentFile(Chunk).isEmpty());
    EXPECT_EQ(reader.Lasterror(), 0);
}

namespace {

QStringList namesIn(const QString& archivePath)
{
    QStringList names;
    UnZipReader reader(archivePath);
    for (reader.GoToFirstFile(); reader.Lasterror() == 0; reader.GoToNextFile())
        names.append(reader.FileName());
    return names;
}

} // namespace

TEST(ZipWriter, HostileNamesAreStoredAsGiven)
{
    TempFolders folders;
    const QStringList hostile = {"../evil.txt", "/abs.txt", "C:\\x.txt", "a\\..\\b.txt", "a//b.txt"};
    QList<ZipEntry> entries;
    for (const QString& name : hostile)
        entries.append({name, "x", false});
    EXPECT_EQ(namesIn(writeArchive(folders, "h.zip", entries, ZipEncryption::Aes256)), hostile);
}

TEST(ZipWriter, PackedFolderIsSortedWithDesktopArchiverExtras)
{
    TempFolders folders;
    folders.writeFile("tree/Data/b.txt", "b");
    folders.writeFile("tree/Data/Sub/a.txt", "a");
    QDir().mkpath(folders.root() + "/tree/Data/Empty");
    const QString archive = folders.root() + "/packed.zip";
    QString error;
    ASSERT_TRUE(PackFolder(folders.root() + "/tree", archive, Password, ZipEncryption::Traditional, &error))
        << error.toStdString();
    EXPECT_EQ(namesIn(archive), QStringList({"Data/", "Data/Empty/", "Data/Sub/", "Data/Sub/a.txt", "Data/b.txt",
                                             "__MACOSX/", "__MACOSX/Data/Sub/._a.txt", "__MACOSX/Data/._b.txt"}));
    EXPECT_FALSE(PackFolder(folders.root() + "/missing", archive, Password, ZipEncryption::Aes256, &error));
    EXPECT_FALSE(error.isEmpty());
}
