#include "data/Correspondance.h"
#include "data/ManuscriptObj.h"
#include "data/ThisApp.h"

#include "ProcessStateGuard.h"
#include "sample/SampleData.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>

namespace {

const QStringList allSigla{"P", "T", "L", "C", "V7", "V4", "O"};

class TableLoadingTest : public ::testing::Test
{
protected:
    TableLoadingTest()
    {
        ThisApp::ManuscriptDic.emplace();
        ThisApp::ManuscriptsFolder = folders.root() + QStringLiteral("/Data/Manuscripts");
        ThisApp::CorrespondancesFolder = folders.root() + QStringLiteral("/Data/Correspondances");
    }

    void writeManuscript(const QString& siglum)
    {
        for (const char* table : {"LV.txt", "VL.txt", "BV.txt", "BL.txt"}) {
            folders.writeFile(
                QStringLiteral("Data/Manuscripts/%1/%2").arg(siglum, QLatin1String(table)),
                siglum.toUtf8() + "\t1\n");
        }
    }

    QString writeTable(const QString& name, const QByteArray& content)
    {
        return folders.writeFile(QStringLiteral("Data/Correspondances/") + name, content);
    }

    static QStringList tableNames()
    {
        QStringList names;
        for (const auto& table : ThisApp::Correspondances)
            names.append(table->Name);
        return names;
    }

    ProcessStateGuard state;
    const TempFolders& folders = state.folders();
    const MessageRecorder& recorder = state.recorder();
};

} // namespace

TEST_F(TableLoadingTest, BrokenManuscriptsAreReportedAndLeftOut)
{
    for (const QString& siglum : allSigla)
        writeManuscript(siglum);
    const QString manuscripts = ThisApp::ManuscriptsFolder;
    QFile::remove(manuscripts + QStringLiteral("/T/BV.txt"));
    QDir(manuscripts + QStringLiteral("/V4")).removeRecursively();

    ThisApp::MakeManuscriptDic();

    EXPECT_EQ(recorder.messages(), (QStringList{
                                       QStringLiteral("Data error ! Data: ")
                                           + QDir::toNativeSeparators(manuscripts + "/T/BV.txt"),
                                       QStringLiteral("Data error ! Data: ")
                                           + QDir::toNativeSeparators(manuscripts + "/V4"),
                                   }));
    QStringList loaded = ThisApp::ManuscriptDic->keys();
    loaded.sort();
    EXPECT_EQ(loaded, (QStringList{"C", "L", "O", "P", "V7"}));
}

TEST_F(TableLoadingTest, TablesAreNamedAndTakenInNameOrder)
{
    writeTable(QStringLiteral("b.txt"), "P=001\n");
    writeTable(QStringLiteral("a.txt.txt"), "P=001\n");
    writeTable(QStringLiteral("Laisses.txt"), "P=001\n");
    writeTable(QStringLiteral("notes"), "P=001\n");
    writeTable(QStringLiteral("upper.TXT"), "P=001\n");
    writeTable(QStringLiteral("sub/inner.txt"), "P=001\n");

    ThisApp::TreatDataOrig();

    EXPECT_EQ(tableNames(), (QStringList{"Laisses", "a.txt", "b"}));
    for (const auto& table : ThisApp::Correspondances)
        EXPECT_EQ(table->getCorrespondance(QStringLiteral("P"), QStringLiteral("001")),
                  QStringLiteral("P\t001"));
    EXPECT_TRUE(recorder.messages().isEmpty());
}

TEST_F(TableLoadingTest, UnreadableTableStaysRegisteredEmpty)
{
    writeTable(QStringLiteral("a.txt"), "P=001\n");
    const QString folderTable = ThisApp::CorrespondancesFolder + QStringLiteral("/b.txt");
    QDir().mkpath(folderTable);

    ThisApp::TreatDataOrig();

    EXPECT_EQ(tableNames(), (QStringList{"a", "b"}));
    EXPECT_TRUE(ThisApp::Correspondances.at(1)->Items.isEmpty());
    EXPECT_EQ(recorder.messages(), QStringList{QStringLiteral("Data error ! Data: ")
                                               + QDir::toNativeSeparators(folderTable)});
}

// The tables load on several workers; what each could not read is still told in the tables'
// order.
TEST_F(TableLoadingTest, FailuresAreToldInTheTablesOrder)
{
    QStringList expected;
    for (int i = 0; i < 12; ++i) {
        const QString name = QStringLiteral("t%1.txt").arg(i, 2, 10, QChar('0'));
        if (i % 3 == 0) {
            writeTable(name, "P=001\n");
            continue;
        }
        const QString folderTable = ThisApp::CorrespondancesFolder + "/" + name;
        QDir().mkpath(folderTable);
        expected.append(QStringLiteral("Data error ! Data: ")
                        + QDir::toNativeSeparators(folderTable));
    }

    ThisApp::TreatDataOrig();

    EXPECT_EQ(recorder.messages(), expected);
    ASSERT_EQ(ThisApp::Correspondances.size(), 12);
    EXPECT_EQ(ThisApp::Correspondances.at(3)->getCorrespondance("P", "001"),
              QStringLiteral("P\t001"));
}

// Links planted where a table folder or file should be, each to a complete copy elsewhere: each
// counts as missing, and nothing is read from where it points.
TEST_F(TableLoadingTest, ALinkInPlaceOfATableFolderOrFileCountsAsMissing)
{
    for (const QString& siglum : allSigla)
        writeManuscript(siglum);
    writeTable(QStringLiteral("a.txt"), "P=001\n");
    const QString elsewhere = folders.root() + QStringLiteral("/Elsewhere");
    ASSERT_TRUE(QDir().rename(ThisApp::ManuscriptsFolder + QStringLiteral("/T"), elsewhere));
    const QString manuscripts = ThisApp::ManuscriptsFolder;
    ASSERT_TRUE(QFile::link(elsewhere, manuscripts + QStringLiteral("/T")));
    QFile::remove(manuscripts + QStringLiteral("/L/LV.txt"));
    ASSERT_TRUE(QFile::link(elsewhere + QStringLiteral("/LV.txt"),
                            manuscripts + QStringLiteral("/L/LV.txt")));
    const QString linkedTable = ThisApp::CorrespondancesFolder + QStringLiteral("/b.txt");
    ASSERT_TRUE(
        QFile::link(ThisApp::CorrespondancesFolder + QStringLiteral("/a.txt"), linkedTable));

    ThisApp::MakeManuscriptDic();
    ThisApp::TreatDataOrig();

    EXPECT_EQ(
        recorder.messages(),
        (QStringList{
            QStringLiteral("Data error ! Data: ") + QDir::toNativeSeparators(manuscripts + "/T"),
            QStringLiteral("Data error ! Data: ")
                + QDir::toNativeSeparators(manuscripts + "/L/LV.txt"),
            QStringLiteral("Data error ! Data: ") + QDir::toNativeSeparators(linkedTable),
        }));
    QStringList loaded = ThisApp::ManuscriptDic->keys();
    loaded.sort();
    EXPECT_EQ(loaded, (QStringList{"C", "O", "P", "V4", "V7"}));
    EXPECT_EQ(tableNames(), (QStringList{"a", "b"}));
    EXPECT_TRUE(ThisApp::Correspondances.at(1)->Items.isEmpty());
}

TEST_F(TableLoadingTest, ALinkInPlaceOfManuscriptsOrCorrespondancesCountsAsNoFolder)
{
    for (const QString& siglum : allSigla)
        writeManuscript(siglum);
    writeTable(QStringLiteral("a.txt"), "P=001\n");
    const QString data = folders.root() + QStringLiteral("/Data");
    const QString elsewhere = folders.root() + QStringLiteral("/Elsewhere");
    ASSERT_TRUE(QDir().rename(data, elsewhere));
    QDir().mkpath(data);
    ASSERT_TRUE(
        QFile::link(elsewhere + QStringLiteral("/Manuscripts"), ThisApp::ManuscriptsFolder));
    ASSERT_TRUE(QFile::link(elsewhere + QStringLiteral("/Correspondances"),
                            ThisApp::CorrespondancesFolder));

    ThisApp::MakeManuscriptDic();
    ThisApp::TreatDataOrig();

    QStringList expected;
    for (const QString& siglum : allSigla)
        expected.append(QStringLiteral("Data error ! Data: ")
                        + QDir::toNativeSeparators(ThisApp::ManuscriptsFolder + "/" + siglum));
    EXPECT_EQ(recorder.messages(), expected);
    EXPECT_TRUE(ThisApp::ManuscriptDic->isEmpty());
    EXPECT_TRUE(ThisApp::Correspondances.isEmpty());
}

TEST_F(TableLoadingTest, MissingCorrespondancesFolderGivesNoTable)
{
    ThisApp::TreatDataOrig();
    EXPECT_TRUE(ThisApp::Correspondances.isEmpty());
    EXPECT_TRUE(recorder.messages().isEmpty());
}

TEST_F(TableLoadingTest, SampleDataSetLoadsWhole)
{
    QString error;
    ASSERT_TRUE(WriteSampleData(folders.root(), &error)) << error.toStdString();

    ThisApp::MakeManuscriptDic();
    ThisApp::TreatDataOrig();

    EXPECT_TRUE(recorder.messages().isEmpty()) << recorder.messages().join('\n').toStdString();
    QStringList loaded = ThisApp::ManuscriptDic->keys();
    loaded.sort();
    QStringList expected = allSigla;
    expected.sort();
    EXPECT_EQ(loaded, expected);
    ASSERT_EQ(ThisApp::Correspondances.size(), 4);
    QStringList sorted = tableNames();
    sorted.sort();
    EXPECT_EQ(tableNames(), sorted);
    for (const auto& table : ThisApp::Correspondances) {
        EXPECT_NE(table->getCorrespondance(QStringLiteral("P"), QStringLiteral("001")),
                  QStringLiteral("None"))
            << table->Name.toStdString();
    }
}
