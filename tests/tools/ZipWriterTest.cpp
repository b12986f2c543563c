#include "zip/ZipWriter.h"

#include "TempFolders.h"
#include "ZipLayout.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>

namespace {

const QString Password = QStringLiteral("writer test password");

// The names as the archive stores them, read from its bytes rather than through a reader that
// might convert them.
QStringList storedNames(const QString& archivePath)
{
    QFile file(archivePath);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << archivePath.toStdString();
    QStringList names;
    for (const ZipRecord& record : ZipRecords(file.readAll()))
        names.append(record.name);
    return names;
}

TEST(ZipWriter, HostileNamesAreStoredAsGiven)
{
    TempFolders folders;
    const QStringList hostile = {"../evil.txt", "/abs.txt", "C:\\x.txt", "a\\..\\b.txt",
                                 "a//b.txt"};
    QList<ZipEntry> entries;
    for (const QString& name : hostile)
        entries.append({name, "x", false});
    const QString archive = folders.root() + "/h.zip";
    QString error;
    ASSERT_TRUE(WriteZip(archive, entries, Password, ZipEncryption::Aes256, &error))
        << error.toStdString();
    EXPECT_EQ(storedNames(archive), hostile);
}

TEST(ZipWriter, PackedFolderIsSortedWithDesktopArchiverExtras)
{
    TempFolders folders;
    folders.writeFile("tree/Data/b.txt", "b");
    folders.writeFile("tree/Data/Sub/a.txt", "a");
    QDir().mkpath(folders.root() + "/tree/Data/Empty");
    const QString archive = folders.root() + "/packed.zip";
    QString error;
    ASSERT_TRUE(
        PackFolder(folders.root() + "/tree", archive, Password, ZipEncryption::Traditional, &error))
        << error.toStdString();
    EXPECT_EQ(storedNames(archive),
              QStringList({"Data/", "Data/Empty/", "Data/Sub/", "Data/Sub/a.txt", "Data/b.txt",
                           "__MACOSX/", "__MACOSX/Data/Sub/._a.txt", "__MACOSX/Data/._b.txt"}));
    EXPECT_FALSE(
        PackFolder(folders.root() + "/missing", archive, Password, ZipEncryption::Aes256, &error));
    EXPECT_FALSE(error.isEmpty());
}

} // namespace
