#include "StartUp.h"
#include "App.h"
#include "DataArchive.h"
#include "ProcessStateGuard.h"
#include "QtPrinters.h"
#include "data/ThisApp.h"
#include "platform/Folders.h"
#include "platform/Quitting.h"
#include "ui/MainWindow.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QTableWidget>
#include <QTemporaryDir>

#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr uid_t Nobody = 65534;

// Makes path a folder of another user that anyone may write into. False when no folder can be
// given away: only root can do that.
bool MakeForeignFolder(const QString& path)
{
    const QByteArray native = QFile::encodeName(path);
    return ::geteuid() != Nobody && QDir().mkpath(path) && ::chmod(native.constData(), 0777) == 0
           && ::chown(native.constData(), Nobody, Nobody) == 0;
}

class StartUpTest : public ::testing::Test
{
protected:
    ProcessStateGuard m_state;
    const TempFolders& m_folders = m_state.folders();
    const MessageRecorder& m_messages = m_state.recorder();

    void TearDown() override { qDeleteAll(MainWindows()); }

    QString unpackFolder() const { return m_folders.temporary() + "/CorvaneData"; }

    static QList<MainWindow*> MainWindows()
    {
        QList<MainWindow*> windows;
        for (QWidget* widget : QApplication::topLevelWidgets()) {
            if (auto* window = qobject_cast<MainWindow*>(widget))
                windows.append(window);
        }
        return windows;
    }
};

TEST_F(StartUpTest, WithTheArchiveTheDataIsReadyWhenTheWindowOpens)
{
    WriteDataZip(m_folders.application(), CompleteDataEntries());
    MainWindow* window = StartUp();

    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(window, &MainWindow::instance());
    EXPECT_TRUE(m_messages.messages().isEmpty()) << m_messages.messages().join("|").toStdString();
    EXPECT_TRUE(ThisApp::DescriptionDic.has_value());
    EXPECT_TRUE(QFileInfo(ThisApp::PreferenceFolder).isDir());
}

TEST_F(StartUpTest, WithoutTheArchiveNoWindowIsMadeAndTheExitStatusIsZero)
{
    EXPECT_EQ(StartUp(), nullptr);
    EXPECT_TRUE(MainWindows().isEmpty());
    EXPECT_TRUE(QuitRequested());
    EXPECT_EQ(QuitExitCode(), 0);
    EXPECT_EQ(m_messages.messages().size(), 1);
}

TEST_F(StartUpTest, QuittingDeletesDataAndKeepsTheUnpackFolder)
{
    m_folders.writeFile("tmp/CorvaneData/Other/kept.txt", "not ours to delete");
    WriteDataZip(m_folders.application(), CompleteDataEntries());
    App::Event_Open();
    ASSERT_TRUE(QFileInfo(unpackFolder() + "/Data/Manuscripts/P/LV.txt").isFile());

    App::Event_Close();

    EXPECT_FALSE(QFileInfo::exists(unpackFolder() + "/Data"));
    EXPECT_TRUE(QFileInfo(unpackFolder() + "/Other/kept.txt").isFile());
}

TEST_F(StartUpTest, QuittingAfterDataWasRemovedByHandReportsNothing)
{
    WriteDataZip(m_folders.application(), CompleteDataEntries());
    App::Event_Open();
    ASSERT_TRUE(QDir(unpackFolder() + "/Data").removeRecursively());

    App::Event_Close();
    App::Event_Close();

    EXPECT_TRUE(m_messages.messages().isEmpty());
    EXPECT_TRUE(QFileInfo(unpackFolder()).isDir());
}

// A link put in place of "Data" while the application runs goes itself at quit; what it points to
// stays.
TEST_F(StartUpTest, QuittingNeverDeletesThroughALink)
{
    QTemporaryDir elsewhere;
    QFile(elsewhere.path() + "/precious.txt").open(QIODevice::WriteOnly);
    WriteDataZip(m_folders.application(), CompleteDataEntries());
    App::Event_Open();
    ASSERT_TRUE(QDir(unpackFolder() + "/Data").removeRecursively());
    ASSERT_TRUE(QFile::link(elsewhere.path(), unpackFolder() + "/Data"));

    App::Event_Close();

    EXPECT_TRUE(QFileInfo(elsewhere.path() + "/precious.txt").isFile());
    EXPECT_FALSE(QFileInfo(unpackFolder() + "/Data").isSymLink());
}

// A link in place of a manuscript's text, found at start or planted later, is never read through.
TEST_F(StartUpTest, ALinkInPlaceOfATextIsNotReadThrough)
{
    const QString elsewhere =
        m_folders.writeFile("elsewhere/Texte.txt", "1r\t1\t1\tNot from the data\n");
    const QString manuscripts = unpackFolder() + "/Data/Manuscripts";
    QDir().mkpath(manuscripts + "/P");
    ASSERT_TRUE(QFile::link(elsewhere, manuscripts + "/P/Texte.txt"));
    WriteDataZip(m_folders.application(), CompleteDataEntries());
    MainWindow* window = StartUp();
    ASSERT_NE(window, nullptr);

    ThisApp::CurrentSigla = "P";
    window->GetLaisseText("1", 1, true);
    EXPECT_EQ(window->StatusST()->text(), "Sorry, the text of P is not yet available.");
    EXPECT_EQ(window->MainLB()->rowCount(), 0);

    ThisApp::CurrentSigla = "O";
    window->GetLaisseText("1", 1, true);
    ASSERT_EQ(window->MainLB()->rowCount(), 1) << "O's own text";
    ASSERT_TRUE(QFile::remove(manuscripts + "/O/Texte.txt"));
    ASSERT_TRUE(QFile::link(elsewhere, manuscripts + "/O/Texte.txt"));
    window->GetLaisseText("1", 1, true);
    ASSERT_EQ(window->MainLB()->rowCount(), 1) << "the text O had at the start";
    EXPECT_NE(window->MainLB()->item(0, 3)->text(), "Not from the data");
}

// Another user plants the unpack folder or its "Data", open to all, with a file of theirs in it:
// nothing is unpacked into it, the data check fails, and quitting deletes nothing.
TEST_F(StartUpTest, AnotherUsersUnpackOrDataFolderIsNeitherWrittenIntoNorDeleted)
{
    WriteDataZip(m_folders.application(), CompleteDataEntries());
    for (const QString& planted : QStringList{"CorvaneData", "CorvaneData/Data"}) {
        ThisApp::Reset();
        const QString temporary = m_folders.root() + "/tmp-" + QString(planted).replace('/', '-');
        Folders::SetTemporaryFolder(temporary);
        const QString foreign = temporary + "/" + planted;
        if (!MakeForeignFolder(foreign))
            GTEST_SKIP() << "only root can make a folder of another user";
        QFile theirs(foreign + "/theirs.txt");
        ASSERT_TRUE(theirs.open(QIODevice::WriteOnly));
        theirs.close();

        App::Event_Open();
        EXPECT_EQ(QDir(foreign).entryList(QDir::NoDotAndDotDot | QDir::AllEntries | QDir::Hidden),
                  QStringList({"theirs.txt"}))
            << planted.toStdString();
        EXPECT_FALSE(ThisApp::ManuscriptDic.has_value());

        App::Event_Close();
        EXPECT_TRUE(QFileInfo(foreign + "/theirs.txt").isFile()) << planted.toStdString();
    }
    EXPECT_EQ(m_messages.messages(),
              QStringList({"Error: ThisAp/OpenThis", "Error: ThisAp/OpenThis"}));
}

} // namespace
