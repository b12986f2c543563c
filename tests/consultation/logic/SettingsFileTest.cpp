#include "consultation/logic/SettingsFile.h"

#include "QtPrinters.h"
#include "TempFolders.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

namespace {

QByteArray FileContent(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

class SettingsFileTest : public ::testing::Test
{
protected:
    void SetUp() override { ASSERT_TRUE(QDir().mkpath(folders.preferences())); }

    void writeSettings(const QByteArray& content)
    {
        folders.writeFile("prefs/Mainwindow.txt", content);
    }

    TempFolders folders;
};

TEST_F(SettingsFileTest, OddLinesReadAsWholeNumbers)
{
    writeSettings("abc\r\n 12.9\r\n-3.7\r\n99999999999999\r\n\r\n1e3\r\n-0\r\n7x\r\nbig\r\n");
    const std::optional<WindowSettings> read = ReadWindowSettings(folders.preferences());
    ASSERT_TRUE(read);
    EXPECT_EQ(read->left, 0);
    EXPECT_EQ(read->top, 12);
    EXPECT_EQ(read->width, -3);
    EXPECT_EQ(read->height, std::numeric_limits<int>::max());
    EXPECT_EQ(read->manuscript, 0);
    EXPECT_EQ(read->laisseVerse, 0);
    EXPECT_EQ(read->font, 7);
    EXPECT_EQ(read->size, QString("0"));
}

TEST_F(SettingsFileTest, AFailedWriteKeepsTheEarlierFile)
{
    writeSettings("1\n2\n3\n4\n5\n6\n7\n8\n9\n");
    // A folder in the file's place cannot be replaced by a file.
    const QString path = SettingsFilePath(folders.preferences());
    ASSERT_TRUE(QFile::rename(path, path + ".kept"));
    ASSERT_TRUE(QDir().mkpath(path));
    EXPECT_FALSE(WriteWindowSettings(folders.preferences(), WindowSettings()));
    EXPECT_TRUE(QFileInfo(path).isDir());

    // A size text cannot spill into a tenth line.
    ASSERT_TRUE(QDir(path).removeRecursively());
    WindowSettings settings;
    settings.size = "14\n15";
    ASSERT_TRUE(WriteWindowSettings(folders.preferences(), settings));
    EXPECT_EQ(FileContent(path).count('\n'), 9);
}

} // namespace
