#include "data/ManuscriptObj.h"

#include "TempFolders.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>

namespace {

class ManuscriptObjTest : public ::testing::Test
{
protected:
    QString manuscripts() const { return folders.root() + QStringLiteral("/Manuscripts"); }

    void write(const QString& file, const QByteArray& content)
    {
        folders.writeFile(QStringLiteral("Manuscripts/P/") + file, content);
    }

    // A folder with the four tables, each holding one plain line.
    void writePlainTables()
    {
        write(QStringLiteral("LV.txt"), "1\t1,2\n");
        write(QStringLiteral("VL.txt"), "1\t1\n");
        write(QStringLiteral("BV.txt"), "1\t1\n");
        write(QStringLiteral("BL.txt"), "1\t1\n");
    }

    TempFolders folders;
};

} // namespace

TEST_F(ManuscriptObjTest, LoadsEachTableIntoItsDictionaries)
{
    write(QStringLiteral("Texte.txt"), "1r\t1\t1\tSeignors\n");
    write(QStringLiteral("LV.txt"), "1\t1,2,3\n2\t7,5,6\textra\tfields\n");
    write(QStringLiteral("VL.txt"), "1\t1\n2\t1\n");
    write(QStringLiteral("BV.txt"), "1\t3\n2\t4\n");
    write(QStringLiteral("BL.txt"), "1\t10\n2\t11\n");

    const ManuscriptObj manuscript(QStringLiteral("P"), manuscripts());

    EXPECT_EQ(manuscript.MySigla, QStringLiteral("P"));
    EXPECT_TRUE(manuscript.TextFi.isHeld());
    EXPECT_EQ(manuscript.LVdic.Value(QStringLiteral("2")), QStringLiteral("7,5,6"));
    EXPECT_EQ(manuscript.VLdic.Value(QStringLiteral("2")), QStringLiteral("1"));
    EXPECT_EQ(manuscript.EBVdic.Value(QStringLiteral("2")), QStringLiteral("4"));
    EXPECT_EQ(manuscript.BEVdic.Value(QStringLiteral("4")), QStringLiteral("2"));
    EXPECT_EQ(manuscript.EBLdic.Value(QStringLiteral("1")), QStringLiteral("10"));
    EXPECT_EQ(manuscript.BELdic.Value(QStringLiteral("11")), QStringLiteral("2"));
    EXPECT_EQ(manuscript.BELdic.count(), 2);
}

TEST_F(ManuscriptObjTest, RepeatedKeysKeepTheLastLine)
{
    writePlainTables();
    write(QStringLiteral("LV.txt"), "12\t1,2\n13\t3\n12\t4,5\n");
    // Two electronic laisses share reference laisse 20.
    write(QStringLiteral("BL.txt"), "4\t20\n5\t20\n");

    const ManuscriptObj manuscript(QStringLiteral("P"), manuscripts());

    EXPECT_EQ(manuscript.LVdic.Value(QStringLiteral("12")), QStringLiteral("4,5"));
    EXPECT_EQ(manuscript.LVdic.count(), 2);
    EXPECT_EQ(manuscript.BELdic.Value(QStringLiteral("20")), QStringLiteral("5"));
    EXPECT_EQ(manuscript.EBLdic.Value(QStringLiteral("4")), QStringLiteral("20"));
    EXPECT_EQ(manuscript.EBLdic.Value(QStringLiteral("5")), QStringLiteral("20"));
}

TEST_F(ManuscriptObjTest, KeysAreStoredAsWrittenAndShortLinesAreSkipped)
{
    writePlainTables();
    // Windows line endings, a leading zero, a trailing blank, an empty line, a line without TAB,
    // an empty first field, and a list in any order.
    write(QStringLiteral("LV.txt"), "012\t1\r\n13 \t2\r\n\r\nnotab\r\n\t9\r\n14\t9,3,5\r\n");
    write(QStringLiteral("VL.txt"), "");

    const ManuscriptObj manuscript(QStringLiteral("P"), manuscripts());

    EXPECT_FALSE(manuscript.LVdic.HasKey(QStringLiteral("12")));
    EXPECT_TRUE(manuscript.LVdic.HasKey(QStringLiteral("012")));
    EXPECT_FALSE(manuscript.LVdic.HasKey(QStringLiteral("13")));
    EXPECT_EQ(manuscript.LVdic.Value(QStringLiteral("13 ")), QStringLiteral("2"));
    EXPECT_EQ(manuscript.LVdic.Value(QString()), QStringLiteral("9"));
    EXPECT_EQ(manuscript.LVdic.Value(QStringLiteral("14")), QStringLiteral("9,3,5"));
    EXPECT_FALSE(manuscript.LVdic.HasKey(QStringLiteral("notab")));
    EXPECT_EQ(manuscript.LVdic.count(), 4);
    EXPECT_EQ(manuscript.VLdic.count(), 0);
}

// A line is UTF-8, or Windows-1252 when it is not valid UTF-8, as a whole: a bad byte in a field
// that is not loaded still decides how the loaded ones read.
TEST_F(ManuscriptObjTest, EachLineIsDecodedWholeAsUtf8OrWindows1252)
{
    writePlainTables();
    write(QStringLiteral("LV.txt"), "\xC3\xA9\t1\n"
                                    "x\xC3\xA9\t\xC3\xA9\t\xE9\n"
                                    "12\t3\t\xFF\n");

    const ManuscriptObj manuscript(QStringLiteral("P"), manuscripts());

    EXPECT_EQ(manuscript.LVdic.Value(QString::fromUtf8("\xC3\xA9")), QStringLiteral("1"));
    EXPECT_EQ(manuscript.LVdic.Value(QString::fromUtf8("x\xC3\x83\xC2\xA9")),
              QString::fromUtf8("\xC3\x83\xC2\xA9"));
    EXPECT_EQ(manuscript.LVdic.Value(QStringLiteral("12")), QStringLiteral("3"));
    EXPECT_EQ(manuscript.LVdic.count(), 3);
}

TEST_F(ManuscriptObjTest, MissingTextFileIsNoFailure)
{
    writePlainTables();
    const ManuscriptObj manuscript(QStringLiteral("P"), manuscripts());
    EXPECT_FALSE(manuscript.TextFi.isHeld());
}

TEST_F(ManuscriptObjTest, MissingFolderOrTableNamesThePath)
{
    const QString folder = folders.root() + QStringLiteral("/Manuscripts/P");
    try {
        ManuscriptObj manuscript(QStringLiteral("P"), manuscripts());
        FAIL() << "a missing folder must fail";
    } catch (const DataFileError& error) {
        EXPECT_EQ(error.path, QDir::toNativeSeparators(folder));
    }

    // Even a table no request reads must be there.
    writePlainTables();
    QFile::remove(folder + QStringLiteral("/BV.txt"));
    try {
        ManuscriptObj manuscript(QStringLiteral("P"), manuscripts());
        FAIL() << "a missing BV.txt must fail";
    } catch (const DataFileError& error) {
        EXPECT_EQ(error.path, QDir::toNativeSeparators(folder + QStringLiteral("/BV.txt")));
    }

    // A folder in place of a table is as unreadable as a missing one.
    QDir().mkpath(folder + QStringLiteral("/BV.txt"));
    EXPECT_THROW(ManuscriptObj(QStringLiteral("P"), manuscripts()), DataFileError);
}
