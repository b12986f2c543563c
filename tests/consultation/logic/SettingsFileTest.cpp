#include "consultation/logic/SettingsFile.h"

#include "QtPrinters.h"
#include "TempFolders.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

#include <csignal>
#include <sys/resource.h>

namespace {

QByteArray FileContent(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// While it lives, no file of the process grows past limit bytes: a write beyond fails, as on a
// full disk, instead of ending the process. Unlike a folder without write permission, this
// holds for root too.
class FileSizeLimit
{
public:
    explicit FileSizeLimit(rlim_t limit) : m_previousSignal(std::signal(SIGXFSZ, SIG_IGN))
    {
        getrlimit(RLIMIT_FSIZE, &m_previous);
        rlimit lowered = m_previous;
        lowered.rlim_cur = limit;
        setrlimit(RLIMIT_FSIZE, &lowered);
    }
    ~FileSizeLimit()
    {
        setrlimit(RLIMIT_FSIZE, &m_previous);
        std::signal(SIGXFSZ, m_previousSignal);
    }
    Q_DISABLE_COPY(FileSizeLimit)

private:
    rlimit m_previous{};
    void (*m_previousSignal)(int);
};

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
    const QByteArray earlier = "1\n2\n3\n4\n5\n6\n7\n8\n9\n";
    writeSettings(earlier);
    const QString path = SettingsFilePath(folders.preferences());
    {
        FileSizeLimit limit(8);
        EXPECT_FALSE(WriteWindowSettings(folders.preferences(), WindowSettings()));
    }
    EXPECT_EQ(FileContent(path), earlier);
    EXPECT_EQ(QDir(folders.preferences()).entryList(QDir::Files | QDir::Hidden),
              QStringList({"Mainwindow.txt"}))
        << "no part of the new file is left behind";

    // A folder in the file's place cannot be replaced by a file.
    ASSERT_TRUE(QFile::remove(path));
    ASSERT_TRUE(QDir().mkpath(path));
    EXPECT_FALSE(WriteWindowSettings(folders.preferences(), WindowSettings()));
    EXPECT_TRUE(QFileInfo(path).isDir());
}

TEST_F(SettingsFileTest, ASizeTextStaysOnItsOwnLine)
{
    WindowSettings settings;
    settings.size = "14\n15";
    ASSERT_TRUE(WriteWindowSettings(folders.preferences(), settings));
    EXPECT_EQ(FileContent(SettingsFilePath(folders.preferences())).count('\n'), 9);
}

} // namespace
