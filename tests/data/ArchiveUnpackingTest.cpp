#include "DataArchive.h"
#include "QtPrinters.h"
#include "data/ThisApp.h"
#include "platform/UnZipReader.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QThread>

#include <fcntl.h>
#include <sys/inotify.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <functional>

namespace {

// Bytes that do not compress, so an entry's stored data is as long as its content.
QByteArray NoiseBytes(qsizetype size, quint32 seed)
{
    QByteArray bytes(size, Qt::Uninitialized);
    QRandomGenerator generator(seed);
    for (char& byte : bytes)
        byte = static_cast<char>(generator.bounded(256));
    return bytes;
}

// Flips 64 bytes of the archive, offset bytes after the first place that names the entry, which
// lands in the entry's data when that is longer than offset.
bool DamageEntry(const QString& archive, const QByteArray& name, qsizetype offset)
{
    QFile file(archive);
    if (!file.open(QIODevice::ReadWrite))
        return false;
    QByteArray bytes = file.readAll();
    const qsizetype middle = bytes.indexOf(name) + offset;
    for (qsizetype i = middle; i < middle + 64; ++i)
        bytes[i] = static_cast<char>(bytes[i] ^ 0x5A);
    return file.seek(0) && file.write(bytes) == bytes.size();
}

// Every path below folder, relative to it, folders ending in "/".
QStringList TreeOf(const QString& folder)
{
    QStringList paths;
    QDirIterator it(folder, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        paths.append(QDir(folder).relativeFilePath(path)
                     + (it.fileInfo().isDir() ? QStringLiteral("/") : QString()));
    }
    paths.sort();
    return paths;
}

// Each worker reads the archive through a reader of its own, which opens it; so the times that
// run opens file tell how many workers took part. Every opening reads the file before the next,
// which keeps inotify from folding two openings into one event.
int TimesOpened(const QString& file, const std::function<void()>& run)
{
    const int watch = inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
    EXPECT_GE(inotify_add_watch(watch, QFile::encodeName(file).constData(), IN_OPEN | IN_ACCESS),
              0);
    run();
    int opened = 0;
    alignas(inotify_event) char events[64 * sizeof(inotify_event)];
    for (ssize_t size; (size = read(watch, events, sizeof events)) > 0;) {
        for (ssize_t at = 0; at < size; at += ssize_t(sizeof(inotify_event))) {
            const auto* event = reinterpret_cast<const inotify_event*>(events + at);
            opened += (event->mask & IN_OPEN) != 0;
        }
    }
    close(watch);
    return opened;
}

// Unpacks in a child process that may open only spare more files, as a process does that has
// run short of file descriptors.
void UnpackWithSpareFiles(const QString& archive, const QString& dest, int spare)
{
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        int limit = 0;
        for (int found = 0; found < spare; ++limit)
            found += fcntl(limit, F_GETFD) < 0;
        rlimit files{};
        getrlimit(RLIMIT_NOFILE, &files);
        files.rlim_cur = rlim_t(limit);
        setrlimit(RLIMIT_NOFILE, &files);
        ThisApp::UnzipData(archive, dest);
        _exit(0);
    }
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "status " << status;
}

class ArchiveUnpackingTest : public ::testing::Test
{
protected:
    QTemporaryDir m_root;
    QString archiveFolder() const { return m_root.path(); }
    QString dest() const { return m_root.path() + "/dest"; }

    void SetUp() override { QDir().mkpath(dest()); }

    void unpack(const QList<ZipEntry>& entries, ZipEncryption encryption = ZipEncryption::Aes256)
    {
        ThisApp::UnzipData(WriteDataZip(archiveFolder(), entries, encryption), dest());
    }

    void writeOld(const QString& relativePath, const QByteArray& content)
    {
        QDir().mkpath(QFileInfo(dest() + "/" + relativePath).path());
        QFile file(dest() + "/" + relativePath);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(content);
    }
};

TEST_F(ArchiveUnpackingTest, EntriesBecomeFilesAndFoldersBelowTheDestination)
{
    const QByteArray large = NoiseBytes(250001, 1);
    unpack({
        {"Data/Correspondances/T1.txt", "P=001\tT=002\n", false},
        {"Data/Empty/", {}, true},
        {"Data/Manuscripts/", {}, true},
        {"Data/Manuscripts/P/Texte.txt", large, false},
        {"Data/zero.txt", {}, false},
        {"__MACOSX/Data/._x.txt", "resource fork", false},
        {"__MACOSX/", {}, true},
    });

    EXPECT_EQ(TreeOf(dest()), QStringList({
                                  "Data/",
                                  "Data/Correspondances/",
                                  "Data/Correspondances/T1.txt",
                                  "Data/Empty/",
                                  "Data/Manuscripts/",
                                  "Data/Manuscripts/P/",
                                  "Data/Manuscripts/P/Texte.txt",
                                  "Data/zero.txt",
                                  "__MACOSX/",
                                  "__MACOSX/Data/",
                              }));
    EXPECT_EQ(ReadWholeFile(dest() + "/Data/Correspondances/T1.txt"), "P=001\tT=002\n");
    EXPECT_EQ(ReadWholeFile(dest() + "/Data/Manuscripts/P/Texte.txt"), large)
        << "an entry of several chunks must arrive whole and in order";
    EXPECT_TRUE(ReadWholeFile(dest() + "/Data/zero.txt").isEmpty());
}

TEST_F(ArchiveUnpackingTest, ASecondUnpackingReplacesFilesAndKeepsOthers)
{
    writeOld("Data/a.txt", "a much longer older copy of the file");
    writeOld("Data/Correspondances/old.txt", "left by an earlier run");
    const QList<ZipEntry> entries = {{"Data/a.txt", "new", false}, {"Data/b.txt", "bee", false}};
    unpack(entries);
    unpack(entries);

    EXPECT_EQ(ReadWholeFile(dest() + "/Data/a.txt"), "new") << "replaced from its start";
    EXPECT_EQ(ReadWholeFile(dest() + "/Data/b.txt"), "bee");
    EXPECT_EQ(ReadWholeFile(dest() + "/Data/Correspondances/old.txt"), "left by an earlier run");
    EXPECT_EQ(TreeOf(dest()),
              QStringList({"Data/", "Data/Correspondances/", "Data/Correspondances/old.txt",
                           "Data/a.txt", "Data/b.txt"}));
}

TEST_F(ArchiveUnpackingTest, AnEntryTheWrongPasswordCannotOpenLeavesTheOlderCopy)
{
    for (const ZipEncryption encryption : {ZipEncryption::Aes256, ZipEncryption::Traditional}) {
        writeOld("Data/a.txt", "older copy");
        QString error;
        const QString archive = archiveFolder() + "/Wrong.zip";
        ASSERT_TRUE(WriteZip(
            archive, {{"Data/a.txt", NoiseBytes(150000, 2), false}, {"Data/new.txt", "new", false}},
            "not the password", encryption, &error))
            << error.toStdString();
        ThisApp::UnzipData(archive, dest());

        EXPECT_EQ(ReadWholeFile(dest() + "/Data/a.txt"), "older copy");
        EXPECT_EQ(TreeOf(dest()), QStringList({"Data/", "Data/a.txt"}))
            << "no new file and no temporary file left behind";
    }
}

// Packed by 7-Zip with another password, and found so that the data password passes both
// entries' password checks (see UnZipReaderTest): it decrypts them to garbage.
TEST_F(ArchiveUnpackingTest, ADataPasswordThatPassesTheCheckOfAnotherKeepsNothing)
{
    const QString archive = QStringLiteral(CORVANE_TEST_ARCHIVES "/PasswordCheckCollisions.zip");
    UnZipReader reader(archive);
    for (reader.GoToFirstFile(); reader.Lasterror() == 0; reader.GoToNextFile()) {
        reader.OpenCurrentFile(ThisApp::DataPW);
        ASSERT_EQ(reader.Lasterror(), 0) << "the data password no longer passes the check of "
                                         << reader.FileName().toStdString();
    }
    writeOld("Data/aes.txt", "older copy");

    ThisApp::UnzipData(archive, dest());

    EXPECT_EQ(TreeOf(dest()), QStringList({"Data/", "Data/aes.txt"}));
    EXPECT_EQ(ReadWholeFile(dest() + "/Data/aes.txt"), "older copy");
}

TEST_F(ArchiveUnpackingTest, AnEntryCorruptedPartWayLeavesTheOlderCopy)
{
    writeOld("Data/a.txt", "older copy");
    const QByteArray content = NoiseBytes(300000, 3);
    const QString archive =
        WriteDataZip(archiveFolder(),
                     {{"Data/a.txt", content, false}, {"Data/b.txt", "after", false}},
                     ZipEncryption::Traditional);
    ASSERT_TRUE(DamageEntry(archive, "Data/a.txt", 150000));

    ThisApp::UnzipData(archive, dest());

    EXPECT_EQ(ReadWholeFile(dest() + "/Data/a.txt"), "older copy");
    EXPECT_EQ(ReadWholeFile(dest() + "/Data/b.txt"), "after") << "the walk goes on";
    EXPECT_EQ(TreeOf(dest()), QStringList({"Data/", "Data/a.txt", "Data/b.txt"}));
}

TEST_F(ArchiveUnpackingTest, ATruncatedArchiveChangesNoFile)
{
    writeOld("Data/a.txt", "older copy");
    const QString archive =
        WriteDataZip(archiveFolder(), {{"Data/a.txt", NoiseBytes(300000, 4), false}});
    QFile file(archive);
    ASSERT_TRUE(file.resize(file.size() / 2));

    ThisApp::UnzipData(archive, dest());

    EXPECT_EQ(ReadWholeFile(dest() + "/Data/a.txt"), "older copy");
    EXPECT_EQ(TreeOf(dest()), QStringList({"Data/", "Data/a.txt"}));
}

TEST_F(ArchiveUnpackingTest, AMissingOrEmptyArchiveUnpacksNothing)
{
    ThisApp::UnzipData(archiveFolder() + "/none.zip", dest());
    unpack({});
    EXPECT_TRUE(TreeOf(dest()).isEmpty());
}

TEST_F(ArchiveUnpackingTest, NamesThatCouldLeadOutsideAreSkippedAndTheRestUnpacked)
{
    unpack({
        {"../evil1.txt", "x", false},
        {"Data/../../evil2.txt", "x", false},
        {"/evil3.txt", "x", false},
        {"\\evil4.txt", "x", false},
        {"C:/evil5.txt", "x", false},
        {"C:evil6.txt", "x", false},
        {"Data\\..\\..\\evil7.txt", "x", false},
        {"Data/sub\\evil8.txt", "x", false},
        {"../", {}, true},
        {"Data/ok.txt", "fine", false},
    });

    EXPECT_EQ(TreeOf(m_root.path()),
              QStringList({"Data.zip", "dest/", "dest/Data/", "dest/Data/ok.txt"}));
    EXPECT_EQ(ReadWholeFile(dest() + "/Data/ok.txt"), "fine");
}

TEST_F(ArchiveUnpackingTest, NoSymbolicLinkBelowTheDestinationIsFollowed)
{
    QTemporaryDir outside;
    ASSERT_TRUE(QFile::link(outside.path(), dest() + "/Data"));
    QDir().mkpath(dest() + "/Own");
    const QString outsideFile = outside.path() + "/target.txt";
    QFile(outsideFile).open(QIODevice::WriteOnly);
    ASSERT_TRUE(QFile::link(outsideFile, dest() + "/Own/linked.txt"));

    unpack({
        {"Data/x.txt", "x", false},
        {"Data/Sub/", {}, true},
        {"Own/linked.txt", "x", false},
        {"Own/plain.txt", "fine", false},
    });

    EXPECT_EQ(TreeOf(outside.path()), QStringList({"target.txt"}));
    EXPECT_TRUE(ReadWholeFile(outsideFile).isEmpty());
    EXPECT_TRUE(QFileInfo(dest() + "/Own/linked.txt").isSymLink()) << "the link itself stays";
    EXPECT_EQ(ReadWholeFile(dest() + "/Own/plain.txt"), "fine");
}

TEST_F(ArchiveUnpackingTest, AFileInTheWayOfAFolderSkipsOnlyThatEntry)
{
    writeOld("Data/Manuscripts", "a file where a folder should be");
    unpack({{"Data/Manuscripts/P/LV.txt", "1\t1\n", false}, {"Data/ok.txt", "fine", false}});

    EXPECT_EQ(ReadWholeFile(dest() + "/Data/Manuscripts"), "a file where a folder should be");
    EXPECT_EQ(ReadWholeFile(dest() + "/Data/ok.txt"), "fine");
}

// The file system allows names of 255 bytes; the temporary copy must not need a longer one.
TEST_F(ArchiveUnpackingTest, NamesAsLongAsTheFileSystemAllowsAreUnpacked)
{
    const QString name254 = "Data/" + QString(250, 'a') + ".txt";
    const QString name255 = "Data/" + QString(251, 'b') + ".txt";
    writeOld(name255, "older copy");
    unpack({{name254, "254", false}, {name255, "255", false}});

    EXPECT_EQ(ReadWholeFile(dest() + "/" + name254), "254");
    EXPECT_EQ(ReadWholeFile(dest() + "/" + name255), "255");
    EXPECT_EQ(TreeOf(dest()), QStringList({"Data/", name254, name255}));
}

TEST_F(ArchiveUnpackingTest, TheWalkStopsBeforeTheEntryThatPassesTheByteLimit)
{
    writeOld("Data/c.txt", "older copy");
    const QString archive =
        WriteDataZip(archiveFolder(), {
                                          {"Data/a.txt", NoiseBytes(1000, 5), false},
                                          {"Data/b.txt", NoiseBytes(1000, 6), false},
                                          {"Data/c.txt", NoiseBytes(1000, 7), false},
                                          {"Data/d.txt", "small", false},
                                      });
    ThisApp::UnzipData(archive, dest(), 2500);

    EXPECT_EQ(TreeOf(dest()), QStringList({"Data/", "Data/a.txt", "Data/b.txt", "Data/c.txt"}));
    EXPECT_EQ(ReadWholeFile(dest() + "/Data/c.txt"), "older copy");
}

// Several workers share out the entries of an archive this size; whichever worker meets the
// damaged entry, the others' files arrive whole and that one keeps its older copy.
TEST_F(ArchiveUnpackingTest, ManyEntriesArriveWholeWhicheverWorkerTakesThem)
{
    QList<ZipEntry> entries;
    for (int i = 0; i < 40; ++i) {
        const QString folder = QStringLiteral("Data/F%1/").arg(i % 5);
        entries.append({folder + QStringLiteral("e%1.txt").arg(i),
                        NoiseBytes(i * i * 150, quint32(10 + i)), false});
        entries.append({"__MACOSX/" + folder + QStringLiteral("._e%1.txt").arg(i), "fork", false});
    }
    entries.append({"Data/Empty/", {}, true});
    const QString damaged = "Data/F1/e21.txt";
    writeOld(damaged, "older copy");
    const QString archive = WriteDataZip(archiveFolder(), entries, ZipEncryption::Traditional);
    ASSERT_TRUE(DamageEntry(archive, damaged.toUtf8(), 30000));

    ThisApp::UnzipData(archive, dest());

    QStringList expectedTree = {"Data/", "Data/Empty/", "__MACOSX/", "__MACOSX/Data/"};
    for (const ZipEntry& entry : entries) {
        if (entry.name.startsWith("__MACOSX") || entry.isFolder)
            continue;
        expectedTree.append(entry.name);
        expectedTree.append(QFileInfo(entry.name).path() + "/");
        expectedTree.append("__MACOSX/" + QFileInfo(entry.name).path() + "/");
        EXPECT_EQ(ReadWholeFile(dest() + "/" + entry.name),
                  entry.name == damaged ? QByteArray("older copy") : entry.content)
            << entry.name.toStdString();
    }
    expectedTree.removeDuplicates();
    expectedTree.sort();
    EXPECT_EQ(TreeOf(dest()), expectedTree) << "no temporary file left behind";
}

// Where one entry's outcome depends on another's, the entries are written in the archive's
// order, as by one worker: the limit stops at the same entry, the later of two entries of one
// name wins, and a file written first keeps a later entry from making a folder of its name.
TEST_F(ArchiveUnpackingTest, EntriesThatDependOnEachOtherAreWrittenInTheArchivesOrder)
{
    QList<ZipEntry> entries;
    for (int i = 0; i < 16; ++i)
        entries.append({QStringLiteral("Data/n%1.txt").arg(i, 2, 10, QChar('0')),
                        NoiseBytes(1000, quint32(40 + i)), false});
    ThisApp::UnzipData(WriteDataZip(archiveFolder(), entries), dest(), 10500);
    QStringList expected = {"Data/"};
    for (int i = 0; i < 10; ++i)
        expected.append(entries[i].name);
    EXPECT_EQ(TreeOf(dest()), expected) << "the bytes of every worker count against one limit";

    QDir(dest() + "/Data").removeRecursively();
    unpack({
        {"Data/twice.txt", "first", false},
        {"Data/a", "a file", false},
        {"Data/a/b.txt", "below", false},
        {"Data/twice.txt", "second", false},
    });
    EXPECT_EQ(TreeOf(dest()), QStringList({"Data/", "Data/a", "Data/twice.txt"}));
    EXPECT_EQ(ReadWholeFile(dest() + "/Data/twice.txt"), "second");
    EXPECT_EQ(ReadWholeFile(dest() + "/Data/a"), "a file");
}

// On a file system that folds case and Unicode normalization, each pair names one file; several
// workers would write it at once, and which content stayed would depend on timing.
TEST_F(ArchiveUnpackingTest, NamesThatAFileSystemMayTakeForOneAreWrittenByOneWorker)
{
    if (QThread::idealThreadCount() < 2)
        GTEST_SKIP() << "one processor: every unpacking has one worker";
    const QList<QStringList> rows = {
        {"Data/twice.txt", "Data/twice.txt"}, // one worker, as for any name written twice
        {"Data/a.txt", "Data/b.txt"},         // several
        {QString::fromUtf8("Data/\u00e9.txt"), QString::fromUtf8("Data/e\u0301.txt")},
        {QString::fromUtf8("Data/\u00c9.TXT"), QString::fromUtf8("Data/e\u0301.txt")},
        {QString::fromUtf8("Data/Stra\u00dfe.txt"), "Data/STRASSE.txt"},
        {QString::fromUtf8("Data/\u00e9"), QString::fromUtf8("Data/e\u0301/x.txt")},
    };
    QList<int> opened;
    for (const QStringList& names : rows) {
        QList<ZipEntry> entries;
        for (int i = 0; i < 6; ++i)
            entries.append({QStringLiteral("Data/n%1.txt").arg(i), "x", false});
        for (const QString& name : names)
            entries.append({name, name.toUtf8(), false});
        const QString archive = WriteDataZip(archiveFolder(), entries, ZipEncryption::Traditional);
        opened.append(TimesOpened(archive, [&] { ThisApp::UnzipData(archive, dest()); }));
    }
    EXPECT_GT(opened[1], opened[0]);
    for (qsizetype i = 2; i < rows.size(); ++i)
        EXPECT_EQ(opened[i], opened[0]) << rows[i].join(" and ").toStdString();
}

// However few files the process may still open, the unpacking writes every entry or, when not
// even one worker can go on, none: never a share that depends on which worker ran short.
TEST_F(ArchiveUnpackingTest, RunningShortOfFileDescriptorsWritesAllOrNothing)
{
#ifdef __SANITIZE_ADDRESS__
    GTEST_SKIP() << "the sanitizers check a virtual call through a pipe of their own, which the "
                    "shortage denies them";
#endif
    QList<ZipEntry> entries;
    QStringList all;
    for (int i = 0; i < 24; ++i) {
        entries.append({QStringLiteral("Data/F%1/e%2.txt").arg(i % 5).arg(i),
                        NoiseBytes(2000 + i * 100, quint32(60 + i)), false});
        all.append(entries.last().name);
    }
    all.sort();
    const QString archive = WriteDataZip(archiveFolder(), entries, ZipEncryption::Traditional);
    QStringList files;
    for (int spare = 1; spare <= 20; ++spare) {
        const QString into = dest() + QString::number(spare);
        QDir().mkpath(into);
        UnpackWithSpareFiles(archive, into, spare);
        files = TreeOf(into).filter(QRegularExpression("[^/]$"));
        EXPECT_TRUE(files.isEmpty() || files == all)
            << spare << " spare: " << files.size() << " of " << all.size() << " written";
    }
    EXPECT_EQ(files, all);
}

TEST(GetPathTest, FollowsThePathCreatingOnlyTheFoldersOnTheWay)
{
    struct Row
    {
        QString path;
        QString expected; // relative to base; "!" for a refused path
        QStringList created;
    };
    const QList<Row> rows = {
        {"", "", {}},
        {"LV.txt", "LV.txt", {}},
        {"Data/Manuscripts/P/LV.txt",
         "Data/Manuscripts/P/LV.txt",
         {"Data/", "Data/Manuscripts/", "Data/Manuscripts/P/"}},
        {"Data/Manuscripts/", "Data/Manuscripts", {"Data/", "Data/Manuscripts/"}},
        {"/a//b/c.txt", "a/b/c.txt", {"a/", "a/b/"}},
        {"a/../b.txt", "!", {}},
        {"..", "!", {}},
    };
    for (const Row& row : rows) {
        QTemporaryDir base;
        const QString result = ThisApp::GetPath(base.path(), row.path);
        const QString expected = row.expected == "!"      ? QString()
                                 : row.expected.isEmpty() ? base.path()
                                                          : base.path() + "/" + row.expected;
        EXPECT_EQ(result, expected) << "path " << row.path.toStdString();
        EXPECT_EQ(TreeOf(base.path()), row.created) << "path " << row.path.toStdString();
    }
}

} // namespace
