#include "platform/UnZipReader.h"

#include "TempFolders.h"
#include "ZipLayout.h"
#include "zip/ZipWriter.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QtEndian>

#include <optional>

namespace {

const QString Password = QStringLiteral("reader test password");
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

// The current entry's content when it opens with password and reads to a clean end; what the
// unpacking would keep.
std::optional<QByteArray> keptContent(UnZipReader& reader, const QString& password)
{
    reader.OpenCurrentFile(password);
    if (reader.Lasterror() != 0)
        return std::nullopt;
    const ReadResult read = readEntry(reader);
    if (read.error != 0)
        return std::nullopt;
    return read.content;
}

std::optional<QByteArray> keptFirstEntry(const QString& archivePath, const QString& password)
{
    UnZipReader reader(archivePath);
    reader.GoToFirstFile();
    return keptContent(reader, password);
}

QString writeArchive(const TempFolders& folders, const QString& name,
                     const QList<ZipEntry>& entries, ZipEncryption encryption)
{
    const QString path = folders.root() + "/" + name;
    QString error;
    EXPECT_TRUE(WriteZip(path, entries, Password, encryption, &error)) << error.toStdString();
    return path;
}

QByteArray fileBytes(const QString& path)
{
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
    return file.readAll();
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

INSTANTIATE_TEST_SUITE_P(Encryptions, UnZipReaderRoundTrip,
                         ::testing::Values(ZipEncryption::Aes256, ZipEncryption::Traditional,
                                           ZipEncryption::None),
                         [](const auto& test) {
                             switch (test.param) {
                             case ZipEncryption::Aes256:
                                 return std::string("Aes256");
                             case ZipEncryption::Traditional:
                                 return std::string("Traditional");
                             case ZipEncryption::None:
                                 break;
                             }
                             return std::string("None");
                         });

// Packed by 7-Zip with the password "not-the-data-password", both entries stored: Data/aes.txt
// with AES-256 (AE-2, no checksum), Data/zipcrypto.txt with traditional encryption. Searched
// for once: "wrong-27731" passes the AES entry's two-byte password verifier and "wrong-00073"
// the traditional entry's one-byte check, so each decrypts its entry to garbage that only the
// authentication code or the checksum can tell.
TEST(UnZipReader, AWrongPasswordNeverReadsAnEntryToItsEnd)
{
    const QString archive = QStringLiteral(CORVANE_TEST_ARCHIVES "/PasswordCheckCollisions.zip");
    const QStringList entries = {"Data/aes.txt", "Data/zipcrypto.txt"};
    const QStringList passingTheCheck = {"wrong-27731", "wrong-00073"};
    const QStringList wrong = passingTheCheck
                              + QStringList({"", "Not-the-data-password", "not-the-data-passwor",
                                             "not-the-data-password ", "wrong-27732"});

    UnZipReader reader(archive);
    reader.GoToFirstFile();
    for (qsizetype i = 0; i < entries.size(); ++i) {
        ASSERT_EQ(reader.FileName(), entries[i]);
        for (const QString& password : wrong) {
            EXPECT_EQ(keptContent(reader, password), std::nullopt)
                << entries[i].toStdString() << " with " << password.toStdString();
        }
        reader.OpenCurrentFile(passingTheCheck[i]);
        EXPECT_EQ(reader.Lasterror(), 0) << passingTheCheck[i].toStdString()
                                         << " no longer passes the check: search for another";
        const QByteArray expected =
            "Laisse de test, vers " + QByteArray(i == 0 ? "421" : "485") + ".\n";
        EXPECT_EQ(keptContent(reader, "not-the-data-password"), expected);
        reader.GoToNextFile();
    }
}

TEST(UnZipReader, DamagedDataIsAFailedReadNotAnEnd)
{
    TempFolders folders;
    const QByteArray content = sampleContent(300000);
    for (ZipEncryption encryption :
         {ZipEncryption::Aes256, ZipEncryption::Traditional, ZipEncryption::None}) {
        const QString path =
            writeArchive(folders, "c.zip", {{"f.txt", content, false}}, encryption);
        FlipByteInEntry(path, "f.txt");

        EXPECT_EQ(keptFirstEntry(path, Password), std::nullopt) << int(encryption);
        UnZipReader reader(path);
        reader.GoToFirstFile();
        reader.OpenCurrentFile(Password);
        if (reader.Lasterror() == 0) {
            EXPECT_NE(readEntry(reader).error, 0);
            // The failure sticks: another read is empty and still reports it.
            EXPECT_TRUE(reader.ReadCurrentFile(Chunk).isEmpty());
            EXPECT_NE(reader.Lasterror(), 0);
        }
    }
}

TEST(UnZipReader, EntryLongerThanItDeclaresIsCut)
{
    TempFolders folders;
    const QString path = writeArchive(folders, "bomb.zip", {{"f.txt", sampleContent(5000), false}},
                                      ZipEncryption::None);
    QByteArray bytes = fileBytes(path);
    // Both headers declare 100 bytes; the compressed data still inflates to 5000.
    const ZipRecord record = ZipRecordOf(bytes, "f.txt");
    qToLittleEndian<quint32>(100, bytes.data() + record.localHeader + 22);
    qToLittleEndian<quint32>(100, bytes.data() + record.centralHeader + 24);
    const QString declared = folders.writeFile("declared.zip", bytes);

    UnZipReader reader(declared);
    reader.GoToFirstFile();
    reader.OpenCurrentFile(Password);
    if (reader.Lasterror() == 0) {
        const ReadResult read = readEntry(reader);
        EXPECT_NE(read.error, 0);
        EXPECT_LE(read.content.size(), 100);
    }
}

TEST(UnZipReader, TruncatedArchive)
{
    TempFolders folders;
    const QByteArray content = sampleContent(300000);
    const QString path =
        writeArchive(folders, "t.zip", {{"f.txt", content, false}}, ZipEncryption::Aes256);
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
    const QByteArray bytes =
        fileBytes(writeArchive(folders, "s.zip", {{"f.txt", content, false}}, ZipEncryption::None));
    const ZipRecord record = ZipRecordOf(bytes, "f.txt");
    // Keep the directory, drop the second half of the stored data and move the directory's
    // offset along, so the archive opens and the entry runs into the directory.
    const qsizetype kept = record.data + record.storedSize / 2;
    QByteArray cut = bytes.left(kept) + bytes.mid(record.centralHeader);
    const qsizetype end = cut.lastIndexOf(QByteArray("PK\x05\x06", 4));
    ASSERT_GT(end, 0);
    qToLittleEndian<quint32>(quint32(kept), cut.data() + end + 16);

    EXPECT_EQ(keptFirstEntry(folders.writeFile("cut.zip", cut), Password), std::nullopt);
}

TEST(UnZipReader, EmptyMissingAndForeignFilesHaveNoEntry)
{
    TempFolders folders;
    for (const QString& path :
         {writeArchive(folders, "empty.zip", {}, ZipEncryption::Aes256),
          folders.root() + "/missing.zip", folders.writeFile("text.zip", "not a zip"),
          folders.writeFile("zero.zip", "")}) {
        UnZipReader reader(path);
        reader.GoToFirstFile();
        EXPECT_NE(reader.Lasterror(), 0) << path.toStdString();
        EXPECT_EQ(reader.FileName(), QString());
        reader.GoToNextFile();
        EXPECT_NE(reader.Lasterror(), 0);
    }
}

TEST(UnZipReader, MisuseFailsCleanly)
{
    TempFolders folders;
    UnZipReader reader(writeArchive(folders, "m.zip", {{"a.txt", "abc", false}, {"b/", {}, true}},
                                    ZipEncryption::Aes256));
    // Before GoToFirstFile there is no current entry.
    reader.OpenCurrentFile(Password);
    EXPECT_NE(reader.Lasterror(), 0);
    EXPECT_TRUE(reader.ReadCurrentFile(Chunk).isEmpty());
    EXPECT_NE(reader.Lasterror(), 0);
    reader.GoToFirstFile();
    reader.OpenCurrentFile(Password);
    ASSERT_EQ(reader.Lasterror(), 0);
    EXPECT_EQ(reader.ReadCurrentFile(2), "ab");
    // Opening again, or with another password, reads the entry from its beginning.
    EXPECT_EQ(keptContent(reader, "another"), std::nullopt);
    EXPECT_EQ(keptContent(reader, Password), "abc");
    // Moving on closes the open entry; reading then fails, and a folder does not open.
    reader.GoToNextFile();
    EXPECT_EQ(reader.Lasterror(), 0);
    EXPECT_TRUE(reader.ReadCurrentFile(Chunk).isEmpty());
    EXPECT_NE(reader.Lasterror(), 0);
    reader.OpenCurrentFile(Password);
    EXPECT_NE(reader.Lasterror(), 0);
    // Going back to the start reads the entry from its beginning.
    reader.GoToFirstFile();
    EXPECT_EQ(keptContent(reader, Password), "abc");
}

// libarchive reads backslashes as folder separators in a name without a slash, so "..\" and
// "\" reach the unpacking as "../" and "/", which it refuses. A name without the UTF-8 flag that is not UTF-8
// is read in the old DOS code page; one flagged UTF-8 that is not has no name, which the
// unpacking refuses, and the walk goes on.
TEST(UnZipReader, NamesAsOtherToolsStoreThem)
{
    TempFolders folders;
    const QString path = writeArchive(folders, "n.zip",
                                      {{"a\\..\\b.txt", "1", false},
                                       {"caf-X.txt", "2", false},
                                       {"bad-X.txt", "3", false},
                                       {"after.txt", "4", false}},
                                      ZipEncryption::None);
    QByteArray bytes = fileBytes(path);
    // "X" becomes 0x82, "é" in code page 437 and no UTF-8; "bad-" also gets the UTF-8 flag.
    for (const char* name : {"caf-X.txt", "bad-X.txt"}) {
        const ZipRecord record = ZipRecordOf(bytes, QLatin1String(name));
        bytes[record.localHeader + 30 + 4] = char(0x82);
        bytes[record.centralHeader + 46 + 4] = char(0x82);
        if (QByteArray(name).startsWith("bad-")) {
            bytes[record.localHeader + 7] = char(bytes[record.localHeader + 7] | 0x08);
            bytes[record.centralHeader + 9] = char(bytes[record.centralHeader + 9] | 0x08);
        }
    }

    UnZipReader reader(folders.writeFile("names.zip", bytes));
    QStringList names;
    for (reader.GoToFirstFile(); reader.Lasterror() == 0; reader.GoToNextFile())
        names.append(reader.FileName());
    EXPECT_EQ(names,
              QStringList({"a/../b.txt", QString::fromUtf8("caf-é.txt"), QString(), "after.txt"}));
}
