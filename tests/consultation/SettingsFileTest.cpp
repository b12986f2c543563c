#include "consultation/ListFont.h"
#include "consultation/SettingsFile.h"
#include "consultation/WindowPlacement.h"

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

TEST(ListTextSizeTest, NumbersAboveZeroGiveTheirSize)
{
    const struct
    {
        QString text;
        float size;
    } cases[] = {
        {"12", 12.0f}, {"15", 15.0f}, {"12.5", 12.5f}, {" 9pt", 9.0f},
        {"0", 0.0f},   {"-4", 0.0f},  {"abc", 0.0f},   {"", 0.0f},
        {QString(400, QChar(u'9')), 0.0f}, {"100000", 1000.0f},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ListTextSize(c.text), c.size) << c.text.toStdString();
}

TEST(RestoredFrameTest, KeepsAPlaceOnAnyScreenAndBringsBackOneOffAllOfThem)
{
    const QSize minimum(64, 64);
    const QSize maximum(32000, 32000);
    const QRect primary(0, 0, 1920, 1080);
    const QRect second(1920, 0, 1280, 1024);
    const QList<QRect> screens{primary, second};

    EXPECT_EQ(RestoredFrame(100, 50, 800, 600, minimum, maximum, screens, primary),
              QRect(100, 50, 800, 600));
    EXPECT_EQ(RestoredFrame(2500, 100, 800, 600, minimum, maximum, screens, primary),
              QRect(2500, 100, 800, 600));
    // Partly visible is reachable enough.
    EXPECT_EQ(RestoredFrame(-700, -500, 800, 600, minimum, maximum, screens, primary),
              QRect(-700, -500, 800, 600));
    EXPECT_EQ(RestoredFrame(5000, 100, 800, 600, minimum, maximum, screens, primary),
              QRect(0, 0, 800, 600));
    EXPECT_EQ(RestoredFrame(-900, 100, 800, 600, minimum, maximum, {primary}, primary),
              QRect(0, 0, 800, 600));
}

TEST(RestoredFrameTest, SizeStaysWithinTheWindowsLimitsWhateverTheFileHolds)
{
    const QRect primary(0, 0, 1920, 1080);
    const int most = std::numeric_limits<int>::max();
    const int least = std::numeric_limits<int>::min();
    EXPECT_EQ(RestoredFrame(0, 0, 0, -5, QSize(64, 64), QSize(32000, 32000), {primary}, primary),
              QRect(0, 0, 64, 64));
    EXPECT_EQ(RestoredFrame(most, least, most, most, QSize(64, 64), QSize(32000, 32000),
                            {primary}, primary),
              QRect(0, 0, 32000, 32000));
}

} // namespace
