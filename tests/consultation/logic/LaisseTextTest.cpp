#include "consultation/logic/LaisseText.h"

#include "platform/LinkFreeFolder.h"

#include "TempFolders.h"

#include <gtest/gtest.h>

#include <QString>
#include <QStringList>

#include <unistd.h>

namespace {

// Line n holds verse n; the sixth line is empty and the seventh no record at all, as lines that
// no laisse lists may be.
const QByteArray kText = "1r\t1\t1\tAoi li reis\n"
                         "1r\t1\t2\tSire cumpainz\n"
                         "1v\t1\t3\tDe France dulce\n"
                         "1v\t2\t4\tLi quens Rollant\n"
                         "1v\t2\t5\tMult fierement\n"
                         "\n"
                         "notes of the scribe\n";

HeldFile Held(const QString& path)
{
    return HeldFile(OpenRegularFile(path, LastPart::LinkRefused));
}

QStringList Texts(const LaisseText& text)
{
    QStringList texts;
    for (const QStringList& row : text.rows)
        texts.append(row.value(3));
    return texts;
}

struct LinesCase
{
    const char* lineNumbers;
    QStringList texts;
};

class LaisseTextLines : public ::testing::TestWithParam<LinesCase>
{
};

TEST_P(LaisseTextLines, ShowsListedLinesOnceInFileOrder)
{
    TempFolders folders;
    const QString path = folders.writeFile("Texte.txt", kText);
    const LaisseText text =
        ReadLaisseText(Held(path), QString::fromLatin1(GetParam().lineNumbers), -1);
    EXPECT_EQ(text.outcome, LaisseText::Shown);
    EXPECT_EQ(Texts(text), GetParam().texts);
}

INSTANTIATE_TEST_SUITE_P(
    LineLists, LaisseTextLines,
    ::testing::Values(LinesCase{"3,1,2", {"Aoi li reis", "Sire cumpainz", "De France dulce"}},
                      LinesCase{"5,5", {"Mult fierement"}},
                      LinesCase{"4,5,", {"Li quens Rollant", "Mult fierement"}}, LinesCase{"", {}},
                      LinesCase{"5,40", {"Mult fierement"}}, LinesCase{"0,-2,2", {"Sire cumpainz"}},
                      LinesCase{" 2, 4", {"Sire cumpainz", "Li quens Rollant"}}));

TEST(LaisseText, CutsRecordsIntoFourCells)
{
    TempFolders folders;
    const QString path =
        folders.writeFile("Texte.txt",
                          "12v\t7\t80\tEnz en la sale\tmarge\n"
                          "12v\t7\n"
                          "\n"
                          "12v\t7\t81\tCarles li reis, nostre emperere magnes\n"
                          "13r\t7\t82\tSet anz \xC3\xA9 tuz pleins \xC2\xB7 ad estet\n");
    const LaisseText text = ReadLaisseText(Held(path), "1,2,3,4,5", -1);
    ASSERT_EQ(text.rows.size(), 5);
    EXPECT_EQ(text.rows[0], (QStringList{"12v", "7", "80", "Enz en la sale"}));
    EXPECT_EQ(text.rows[1], (QStringList{"12v", "7", "", ""}));
    EXPECT_EQ(text.rows[2], (QStringList{"", "", "", ""}));
    EXPECT_EQ(text.rows[3].at(3), QString("Carles li reis, nostre emperere magnes"));
    EXPECT_EQ(text.rows[4].at(3),
              QString::fromUtf8("Set anz \xC3\xA9 tuz pleins \xC2\xB7 ad estet"));
}

struct SelectionCase
{
    const char* name;
    const char* verseFields; // one line each, separated by ","
    qint64 verse;
    int selectedRow;
};

class LaisseTextSelection : public ::testing::TestWithParam<SelectionCase>
{
};

TEST_P(LaisseTextSelection, SelectsLastRowOfTheVerse)
{
    TempFolders folders;
    QByteArray content;
    QString lineNumbers;
    const QStringList fields = QString::fromLatin1(GetParam().verseFields).split(',');
    for (int i = 0; i < fields.size(); ++i) {
        content += "1r\t3\t" + fields[i].toLatin1() + "\tvers\n";
        lineNumbers += QString::number(i + 1) + ",";
    }
    const QString path = folders.writeFile("Texte.txt", content);
    EXPECT_EQ(ReadLaisseText(Held(path), lineNumbers, GetParam().verse).selectedRow,
              GetParam().selectedRow);
}

INSTANTIATE_TEST_SUITE_P(Verses, LaisseTextSelection,
                         ::testing::Values(SelectionCase{"Found", "20,21,22", 21, 1},
                                           SelectionCase{"TwiceTheLastWins", "20,21,21,22", 21, 2},
                                           SelectionCase{"NoVerseAskedFor", "20,21,22", -1, -1},
                                           SelectionCase{"ZeroMatchesAnEmptyField", "20,,22", 0, 1},
                                           SelectionCase{"ZeroWithNumbersOnly", "20,21,22", 0, -1},
                                           SelectionCase{"FieldReadAsNumber", "20,21.6,22b", 22, 2},
                                           SelectionCase{"Missing", "20,21,22", 23, -1}),
                         [](const auto& test) { return std::string(test.param.name); });

// Far into a long text with every kind of line ending, the lines passed over still count one
// each, so the wanted line numbers land on the right records.
TEST(LaisseText, FindsLinesFarIntoALongText)
{
    TempFolders folders;
    QByteArray content;
    const char* endings[] = {"\r\n", "\n", "\r"};
    for (int line = 1; line <= 60000; ++line)
        content += "1r\t1\t" + QByteArray::number(line) + "\tvers " + QByteArray(line % 50, 'e')
                   + endings[line % 3];
    const QString path = folders.writeFile("Texte.txt", content);
    const LaisseText text = ReadLaisseText(Held(path), "59999,12000,12001,1", 12001);
    ASSERT_EQ(text.rows.size(), 4);
    EXPECT_EQ(text.rows[0].at(2), "1");
    EXPECT_EQ(text.rows[1].at(2), "12000");
    EXPECT_EQ(text.rows[2].at(2), "12001");
    EXPECT_EQ(text.rows[3].at(2), "59999");
    EXPECT_EQ(text.selectedRow, 2);
}

TEST(LaisseText, ReadsEachRequestFromTheStartAndTellsNoFileFromAnUnreadableOne)
{
    TempFolders folders;
    const HeldFile text = Held(folders.writeFile("Texte.txt", kText));
    EXPECT_EQ(Texts(ReadLaisseText(text, "4", 0)), QStringList{"Li quens Rollant"});
    EXPECT_EQ(Texts(ReadLaisseText(text, "1", 0)), QStringList{"Aoi li reis"});

    EXPECT_EQ(ReadLaisseText(HeldFile(), "1", 0).outcome, LaisseText::NoTextFile);

    // A held file that cannot be read from its start, as a pipe cannot.
    int ends[2];
    ASSERT_EQ(::pipe(ends), 0);
    ::close(ends[1]);
    const LaisseText pipe = ReadLaisseText(HeldFile(ends[0]), "1", 0);
    EXPECT_EQ(pipe.outcome, LaisseText::Unreadable);
    EXPECT_TRUE(pipe.rows.isEmpty());
}

} // namespace
