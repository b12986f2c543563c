#include "DataArchive.h"
#include "ProcessStateGuard.h"
#include "QtPrinters.h"
#include "data/ThisApp.h"
#include "platform/Folders.h"
#include "platform/Quitting.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

namespace {

const QString DataCheckFailed = "Error: ThisAp/OpenThis";

class OpenThisTest : public ::testing::Test
{
protected:
    ProcessStateGuard m_state;
    const TempFolders& m_folders = m_state.folders();
    const MessageRecorder& m_messages = m_state.recorder();

    QString unpackFolder() const { return m_folders.temporary() + "/CorvaneData"; }
    QString preferenceFolder() const
    {
        return m_folders.preferences() + "/Tamrel_SoftWare/Corvane";
    }
};

TEST_F(OpenThisTest, WithoutTheArchiveItAsksForItAndQuitsMakingNothing)
{
    ThisApp::OpenThis();

    EXPECT_EQ(m_messages.messages(),
              QStringList({QString::fromUtf8("Please put \x60"
                                             "data.zip' file in the same folder/directory as "
                                             "Corvane.")}));
    EXPECT_TRUE(QuitRequested());
    EXPECT_EQ(QuitExitCode(), 0);
    EXPECT_FALSE(QFileInfo::exists(unpackFolder()));
    EXPECT_FALSE(QFileInfo::exists(m_folders.preferences() + "/Tamrel_SoftWare"));
    EXPECT_TRUE(ThisApp::DataFolder.isNull());
    EXPECT_TRUE(ThisApp::PreferenceFolder.isNull());
    EXPECT_FALSE(ThisApp::DescriptionDic.has_value());
}

TEST_F(OpenThisTest, ACompleteArchiveIsUnpackedAndLoaded)
{
    WriteDataZip(m_folders.application(), CompleteDataEntries());
    ThisApp::OpenThis();

    EXPECT_TRUE(m_messages.messages().isEmpty()) << m_messages.messages().join("|").toStdString();
    EXPECT_FALSE(QuitRequested());
    EXPECT_EQ(ThisApp::DataFolder, unpackFolder() + "/Data");
    EXPECT_EQ(ThisApp::ManuscriptsFolder, unpackFolder() + "/Data/Manuscripts");
    EXPECT_EQ(ThisApp::CorrespondancesFolder, unpackFolder() + "/Data/Correspondances");
    EXPECT_EQ(ThisApp::PreferenceFolder, preferenceFolder());
    EXPECT_TRUE(QFileInfo(preferenceFolder()).isDir());

    ASSERT_TRUE(ThisApp::ManuscriptDic.has_value());
    QStringList sigla = ThisApp::ManuscriptDic->keys();
    sigla.sort();
    EXPECT_EQ(sigla, QStringList({"C", "L", "O", "P", "T", "V4", "V7"}));
    EXPECT_NE(ThisApp::Manuscript("V4"), nullptr);
    EXPECT_EQ(ThisApp::Manuscript("lv"), nullptr);
    EXPECT_EQ(ThisApp::Correspondances.size(), 1);

    ASSERT_TRUE(ThisApp::DescriptionDic.has_value());
    EXPECT_EQ(ThisApp::DescriptionDic->size(), 9);
    EXPECT_EQ(ThisApp::DescriptionDic->value("C"),
              QString::fromUtf8("ms. de Châteauroux: éd. Odrien Brunqeul, Les Textes de la "
                                "Chanson de Vestrel."));
    EXPECT_EQ(ThisApp::DescriptionDic->value("F"), "Sorry, frag. de Gorvaux not yet available.");
}

// The manuscripts and the tables load on one set of workers; what failed is still told the
// manuscripts first, in their order, then the tables in theirs.
TEST_F(OpenThisTest, FailuresAreToldManuscriptsFirstThenTables)
{
    QList<ZipEntry> entries;
    for (const ZipEntry& entry : CompleteDataEntries()) {
        if (entry.name != "Data/Manuscripts/T/BV.txt" && entry.name != "Data/Manuscripts/V4/LV.txt")
            entries.append(entry);
    }
    entries.append({"Data/Correspondances/a.txt/", {}, true});
    entries.append({"Data/Correspondances/b.txt", "P=001\n", false});
    entries.append({"Data/Correspondances/c.txt/", {}, true});
    WriteDataZip(m_folders.application(), entries);

    ThisApp::OpenThis();

    const QString data = QDir::toNativeSeparators(unpackFolder() + "/Data");
    EXPECT_EQ(m_messages.messages(), QStringList({
                                         "Data error ! Data: " + data + "/Manuscripts/T/BV.txt",
                                         "Data error ! Data: " + data + "/Manuscripts/V4/LV.txt",
                                         "Data error ! Data: " + data + "/Correspondances/a.txt",
                                         "Data error ! Data: " + data + "/Correspondances/c.txt",
                                     }));
    ASSERT_TRUE(ThisApp::ManuscriptDic.has_value());
    EXPECT_EQ(ThisApp::ManuscriptDic->size(), 5);
    EXPECT_EQ(ThisApp::Correspondances.size(), 4);
}

TEST_F(OpenThisTest, AnArchiveWithoutDataFailsTheCheckAndLoadsNothing)
{
    WriteDataZip(m_folders.application(), {{"Other/readme.txt", "nothing here", false}});
    ThisApp::OpenThis();

    EXPECT_EQ(m_messages.messages(), QStringList({DataCheckFailed}));
    EXPECT_FALSE(QuitRequested());
    EXPECT_TRUE(QFileInfo(unpackFolder() + "/Other/readme.txt").isFile());
    EXPECT_EQ(ThisApp::PreferenceFolder, preferenceFolder());
    EXPECT_FALSE(ThisApp::ManuscriptDic.has_value());
    EXPECT_FALSE(ThisApp::DescriptionDic.has_value());
    EXPECT_TRUE(ThisApp::Correspondances.isEmpty());
    EXPECT_TRUE(ThisApp::ManuscriptsFolder.isNull());
}

TEST_F(OpenThisTest, AnExistingPreferenceFolderAndItsSettingsStay)
{
    const QString settings = m_folders.writeFile("prefs/Tamrel_SoftWare/Corvane/Mainwindow.txt",
                                                 "10\n20\n30\n40\n0\n0\n0\n0\n14\n");
    WriteDataZip(m_folders.application(), CompleteDataEntries());
    ThisApp::OpenThis();

    EXPECT_EQ(ThisApp::PreferenceFolder, preferenceFolder());
    EXPECT_EQ(ReadWholeFile(settings), "10\n20\n30\n40\n0\n0\n0\n0\n14\n");
}

TEST_F(OpenThisTest, AnEarlierRunsDataIsUsedAgainAndItsLeftoversLoaded)
{
    m_folders.writeFile("tmp/CorvaneData/Data/Manuscripts/P/LV.txt", "stale\tstale\n");
    m_folders.writeFile("tmp/CorvaneData/Data/Correspondances/Left.txt", "P=002\tT=002\n");
    WriteDataZip(m_folders.application(), CompleteDataEntries());
    ThisApp::OpenThis();

    EXPECT_EQ(ReadWholeFile(unpackFolder() + "/Data/Manuscripts/P/LV.txt"), "1\t1\n");
    EXPECT_EQ(ThisApp::Correspondances.size(), 2);
}

// A reader who names the archive as the missing-archive message does.
TEST_F(OpenThisTest, ALowerCaseDataZipIsOpenedToo)
{
    const QString archive = WriteDataZip(m_folders.application(), CompleteDataEntries());
    ASSERT_TRUE(QFile::rename(archive, m_folders.application() + "/data.zip"));
    ThisApp::OpenThis();

    EXPECT_TRUE(m_messages.messages().isEmpty()) << m_messages.messages().join("|").toStdString();
    EXPECT_TRUE(ThisApp::DescriptionDic.has_value());
}

// An earlier run (an archive whose "Data" was a file, a link made by hand) left something else
// where the folder "Data" belongs: it goes, and the start runs as on a clean machine. A link goes
// itself; what it points to stays.
TEST_F(OpenThisTest, AFileOrLinkLeftAsDataDoesNotBlockTheStart)
{
    const QString theirs = m_folders.writeFile("elsewhere/theirs.txt", "theirs");
    WriteDataZip(m_folders.application(), CompleteDataEntries());
    for (const bool link : {false, true}) {
        ThisApp::Reset();
        QFile::remove(unpackFolder() + "/Data");
        QDir(unpackFolder() + "/Data").removeRecursively();
        QDir().mkpath(unpackFolder());
        if (link)
            ASSERT_TRUE(QFile::link(QFileInfo(theirs).path(), unpackFolder() + "/Data"));
        else
            m_folders.writeFile("tmp/CorvaneData/Data", "left by an earlier run");

        ThisApp::OpenThis();

        EXPECT_TRUE(m_messages.messages().isEmpty()) << link;
        EXPECT_TRUE(ThisApp::DescriptionDic.has_value()) << link;
        EXPECT_TRUE(QFileInfo(unpackFolder() + "/Data/Manuscripts/P/LV.txt").isFile()) << link;
    }
    EXPECT_EQ(QDir(QFileInfo(theirs).path()).entryList(QDir::Files), QStringList({"theirs.txt"}));
    EXPECT_EQ(ReadWholeFile(theirs), "theirs");
}

TEST_F(OpenThisTest, AnUnpackFolderThatIsALinkIsNeverWrittenInto)
{
    QTemporaryDir elsewhere;
    ASSERT_TRUE(QFile::link(elsewhere.path(), unpackFolder()));
    WriteDataZip(m_folders.application(), CompleteDataEntries());
    ThisApp::OpenThis();

    EXPECT_EQ(m_messages.messages(), QStringList({DataCheckFailed}));
    EXPECT_TRUE(QDir(elsewhere.path()).isEmpty());
    EXPECT_TRUE(ThisApp::DataFolder.isNull()) << "nothing to delete at quit";
    EXPECT_FALSE(ThisApp::ManuscriptDic.has_value());
}

TEST_F(OpenThisTest, AnUnpackFolderThatCannotBeMadeFailsTheCheck)
{
    m_folders.writeFile("blocked", "a file, not a folder");
    Folders::SetTemporaryFolder(m_folders.root() + "/blocked");
    WriteDataZip(m_folders.application(), CompleteDataEntries());
    ThisApp::OpenThis();

    EXPECT_EQ(m_messages.messages(), QStringList({DataCheckFailed}));
    EXPECT_FALSE(ThisApp::DescriptionDic.has_value());
}

} // namespace
