#include "DataArchive.h"
#include "QtPrinters.h"
#include "ZipLayout.h"
#include "data/ThisApp.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QDirIterator>
#include <QMap>
#include <QProcess>
#include <QTemporaryDir>

namespace {

// One small data tree packed by the zip tools people use, then unpacked by the application's
// own walk: whole and byte for byte when intact, without the entry whose data lost a byte, and
// nothing at all with a wrong password.
struct Packer
{
    const char* name;
    QString program;       // empty when the tool is missing; our own writer has none
    QStringList arguments; // run in the tree's folder; "{zip}" and "{password}" are filled in
    bool encrypts;
    QString undecodable = {}; // the compression asked for, where the unpacking cannot decode it
};

void PrintTo(const Packer& packer, std::ostream* os)
{
    *os << packer.name;
}

const QString Damaged = QStringLiteral("Data/Manuscripts/P/Texte.txt");

const char* const PythonZipfile = R"(import os, sys, zipfile
with zipfile.ZipFile(sys.argv[1], 'w', zipfile.ZIP_DEFLATED) as archive:
    for folder, _, files in sorted(os.walk('Data')):
        for name in sorted(files):
            archive.write(os.path.join(folder, name)))";

// Verses of varying length, so deflate keeps the text long enough for several chunks.
QByteArray VerseLines(int count)
{
    QByteArray text;
    for (int i = 1; i <= count; ++i)
        text += "1r\t1\t" + QByteArray::number(i) + "\tSeignurs, oez " + QByteArray(i % 37, 'a')
                + " de Vestrel li ber\n";
    return text;
}

// Relative path to content; no empty file, since bsdtar writes an empty entry unencrypted.
QMap<QString, QByteArray> TreeFiles()
{
    return {
        {Damaged, VerseLines(3000)},
        {"Data/Manuscripts/P/LV.txt", VerseLines(40)},
        {QString::fromUtf8("Data/Correspondances/Laisses é.txt"), "P=001\tT=001\n"},
    };
}

QMap<QString, QByteArray> FilesBelow(const QString& folder)
{
    QMap<QString, QByteArray> files;
    QDirIterator it(folder, QDir::Files | QDir::Hidden | QDir::System,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        files.insert(QDir(folder).relativeFilePath(path), ReadWholeFile(path));
    }
    return files;
}

void RunTool(const QString& program, const QStringList& arguments, const QString& folder)
{
    QProcess tool;
    tool.setWorkingDirectory(folder);
    // As on a desktop: under LANG=C some tools cannot store the name "Laisses é.txt".
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("LC_ALL", "C.UTF-8");
    tool.setProcessEnvironment(environment);
    tool.setProcessChannelMode(QProcess::MergedChannels);
    tool.start(program, arguments);
    EXPECT_TRUE(tool.waitForFinished(60000));
    EXPECT_EQ(tool.exitCode(), 0) << tool.readAll().toStdString();
}

// Unpacks archive into a new folder beside it and returns every file the walk left there, and
// into errors what it wrote on standard error.
QMap<QString, QByteArray> Unpacked(const QString& archive, QString* errors = nullptr)
{
    const QString dest = archive + ".out";
    QDir().mkpath(dest);
    ::testing::internal::CaptureStderr();
    ThisApp::UnzipData(archive, dest);
    const std::string written = ::testing::internal::GetCapturedStderr();
    if (errors)
        *errors = QString::fromStdString(written);
    return FilesBelow(dest);
}

class ToolArchivesTest : public ::testing::TestWithParam<Packer>
{
protected:
    void SetUp() override
    {
        if (!GetParam().arguments.isEmpty() && GetParam().program.isEmpty())
            GTEST_SKIP() << GetParam().name << ": its tool is not installed";
        for (auto file = m_files.cbegin(); file != m_files.cend(); ++file) {
            QDir().mkpath(QFileInfo(tree() + '/' + file.key()).path());
            QFile out(tree() + '/' + file.key());
            ASSERT_TRUE(out.open(QIODevice::WriteOnly));
            out.write(file.value());
        }
    }

    QString tree() const { return m_root.path() + "/tree"; }

    QString pack(const QString& archiveName, const QString& password)
    {
        const QString archive = m_root.path() + '/' + archiveName;
        const Packer& packer = GetParam();
        if (packer.arguments.isEmpty()) {
            QString error;
            EXPECT_TRUE(PackFolder(tree(), archive, password, ZipEncryption::Aes256, &error))
                << error.toStdString();
            return archive;
        }
        QStringList arguments;
        for (QString argument : packer.arguments)
            arguments.append(argument.replace("{zip}", archive).replace("{password}", password));
        RunTool(packer.program, arguments, tree());
        return archive;
    }

    QTemporaryDir m_root;
    QMap<QString, QByteArray> m_files = TreeFiles();
};

TEST_P(ToolArchivesTest, IntactUnpacksWholeDamagedAndWrongPasswordKeepNothing)
{
    const QString intact = pack("intact.zip", ThisApp::DataPW);
    EXPECT_EQ(Unpacked(intact), m_files);

    const QString damaged = m_root.path() + "/damaged.zip";
    ASSERT_TRUE(QFile::copy(intact, damaged));
    FlipByteInEntry(damaged, Damaged);
    QMap<QString, QByteArray> allButDamaged = m_files;
    allButDamaged.remove(Damaged);
    QString errors;
    EXPECT_EQ(Unpacked(damaged, &errors), allButDamaged);
    EXPECT_EQ(errors, "") << "damage is not put down to the compression";

    if (GetParam().encrypts) {
        EXPECT_EQ(Unpacked(pack("wrong.zip", "not the data password"), &errors),
                  (QMap<QString, QByteArray>()));
        EXPECT_EQ(errors, "") << "a refused password is not put down to the compression";
    }
}

// This libarchive decrypts only stored and deflated entries, and reads no Deflate64 at all. Such
// an archive keeps nothing, leaves no temporary file, and names each entry on standard error
// with its compression, so that whoever packed it knows what to change.
class UndecodableToolArchivesTest : public ToolArchivesTest
{
protected:
    // The tools store a file that their compression does not shrink, as it would this one.
    void SetUp() override
    {
        m_files[QString::fromUtf8("Data/Correspondances/Laisses é.txt")] = VerseLines(20);
        ToolArchivesTest::SetUp();
    }
};

TEST_P(UndecodableToolArchivesTest, KeepNothingAndNameEachEntryWithItsCompression)
{
    QString errors;
    EXPECT_EQ(Unpacked(pack("undecodable.zip", ThisApp::DataPW), &errors),
              (QMap<QString, QByteArray>()));
    QStringList expected;
    for (const QString& name : m_files.keys()) {
        expected.append("Corvane: cannot decode " + name + ": compression " + GetParam().undecodable
                        + " is not supported; repack with Deflate or Store");
    }
    QStringList lines = errors.split('\n', Qt::SkipEmptyParts);
    lines.sort();
    EXPECT_EQ(lines, expected);

    EXPECT_EQ(Unpacked(pack("wrong.zip", "not the data password"), &errors),
              (QMap<QString, QByteArray>()));
    EXPECT_EQ(errors, "") << "a refused password comes before the compression";
}

// bsdtar stores a symbolic link as a link entry: the unpacking makes neither a link nor a file.
TEST(ToolArchives, ALinkEntryIsNotUnpacked)
{
    const QString bsdtar = QStringLiteral(CORVANE_BSDTAR);
    if (bsdtar.isEmpty())
        GTEST_SKIP() << "bsdtar is not installed";
    QTemporaryDir root;
    QDir().mkpath(root.path() + "/Data");
    QFile ok(root.path() + "/Data/ok.txt");
    ASSERT_TRUE(ok.open(QIODevice::WriteOnly));
    ok.write("fine");
    ok.close();
    ASSERT_TRUE(QFile::link(ok.fileName(), root.path() + "/Data/link.txt"));
    const QString archive = root.path() + "/links.zip";
    RunTool(bsdtar,
            {"--format", "zip", "--options", "zip:encryption=aes256", "--passphrase",
             ThisApp::DataPW, "-cf", archive, "Data"},
            root.path());

    EXPECT_EQ(Unpacked(archive), (QMap<QString, QByteArray>{{"Data/ok.txt", "fine"}}));
    EXPECT_FALSE(QFileInfo(archive + ".out/Data/link.txt").isSymLink());
}

// Python's zipfile flags a name that is not ASCII as UTF-8; its bytes are then swapped for ones
// that are not UTF-8. That entry is skipped like any other that cannot be unpacked; the rest are.
TEST(ToolArchives, ANameFlaggedUtf8ThatIsNotIsSkippedAndTheRestUnpack)
{
    const QString python = QStringLiteral(CORVANE_PYTHON3);
    if (python.isEmpty())
        GTEST_SKIP() << "python3 is not installed";
    const char* const script = R"(import sys, zipfile
path = sys.argv[1]
with zipfile.ZipFile(path, 'w', zipfile.ZIP_DEFLATED) as archive:
    archive.writestr('Data/ok.txt', 'fine')
    archive.writestr('Data/bad-\u00e9.txt', 'lost')
    archive.writestr('Data/after.txt', 'after')
with open(path, 'rb') as f:
    data = f.read()
with open(path, 'wb') as f:
    f.write(data.replace('bad-\u00e9'.encode(), b'bad-\xff\xfe')))";
    QTemporaryDir root;
    const QString archive = root.path() + "/names.zip";
    RunTool(python, {"-c", QString::fromUtf8(script), archive}, root.path());
    const QByteArray bytes = ReadWholeFile(archive);
    const QList<ZipRecord> records = ZipRecords(bytes);
    ASSERT_EQ(records.size(), 3);
    const ZipRecord& bad = records[1];
    ASSERT_TRUE(bytes[bad.centralHeader + 9] & 0x08) << "general-purpose flag bit 11: UTF-8";
    ASSERT_TRUE(bytes[bad.localHeader + 7] & 0x08);
    ASSERT_EQ(bytes.count("Data/bad-\xff\xfe.txt"), 2) << "in the local and the central header";

    EXPECT_EQ(Unpacked(archive),
              (QMap<QString, QByteArray>{{"Data/ok.txt", "fine"}, {"Data/after.txt", "after"}}));
}

std::string PackerName(const ::testing::TestParamInfo<Packer>& info)
{
    return info.param.name;
}

const QString SevenZip = QStringLiteral(CORVANE_SEVEN_ZIP);
const QStringList SevenZipAdd = {"a", "-tzip", "-bso0", "-bsp0", "-p{password}"};

INSTANTIATE_TEST_SUITE_P(
    Tools, ToolArchivesTest,
    ::testing::Values(Packer{"SevenZipAes256Deflated", SevenZip,
                             SevenZipAdd + QStringList{"-mem=AES256", "{zip}", "Data"}, true},
                      Packer{"SevenZipAes256Stored", SevenZip,
                             SevenZipAdd + QStringList{"-mx0", "-mem=AES256", "{zip}", "Data"},
                             true},
                      Packer{"SevenZipZipCryptoDeflated", SevenZip,
                             SevenZipAdd + QStringList{"-mem=ZipCrypto", "{zip}", "Data"}, true},
                      Packer{"SevenZipZipCryptoStored", SevenZip,
                             SevenZipAdd + QStringList{"-mx0", "-mem=ZipCrypto", "{zip}", "Data"},
                             true},
                      Packer{"InfoZip",
                             QStringLiteral(CORVANE_INFO_ZIP),
                             {"-q", "-r", "-P", "{password}", "{zip}", "Data"},
                             true},
                      Packer{"BsdtarAes256",
                             QStringLiteral(CORVANE_BSDTAR),
                             {"--format", "zip", "--options", "zip:encryption=aes256",
                              "--passphrase", "{password}", "-cf", "{zip}", "Data"},
                             true},
                      Packer{"PythonZipfile",
                             QStringLiteral(CORVANE_PYTHON3),
                             {"-c", QString::fromUtf8(PythonZipfile), "{zip}"},
                             false},
                      Packer{"OwnWriter", QString(), {}, true}),
    PackerName);

INSTANTIATE_TEST_SUITE_P(
    Tools, UndecodableToolArchivesTest,
    ::testing::Values(
        Packer{"SevenZipBzip2Aes256", SevenZip,
               SevenZipAdd + QStringList{"-mm=BZip2", "-mem=AES256", "{zip}", "Data"}, true,
               "bzip2"},
        Packer{"SevenZipDeflate64Aes256", SevenZip,
               SevenZipAdd + QStringList{"-mm=Deflate64", "-mem=AES256", "{zip}", "Data"}, true,
               "Deflate64"},
        Packer{"InfoZipBzip2",
               QStringLiteral(CORVANE_INFO_ZIP),
               {"-q", "-r", "-Z", "bzip2", "-P", "{password}", "{zip}", "Data"},
               true,
               "bzip2"},
        // -fz gives even a small archive a Zip64 end record.
        Packer{"InfoZipZip64Bzip2",
               QStringLiteral(CORVANE_INFO_ZIP),
               {"-q", "-r", "-fz", "-Z", "bzip2", "-P", "{password}", "{zip}", "Data"},
               true,
               "bzip2"}),
    PackerName);

} // namespace
