#include "consultation/logic/CorrespondanceRows.h"

#include "data/TextDictionary.h"

#include <gtest/gtest.h>

#include <QHash>

namespace {

TextDictionary Dictionary(const QList<QPair<QString, QString>>& entries)
{
    TextDictionary dic;
    for (const auto& [key, value] : entries)
        dic.setValue(key, value);
    return dic;
}

class CorrespondanceRowsTest : public ::testing::Test
{
protected:
    QHash<QString, TextDictionary> manuscripts;

    QList<QStringList> rows(const QString& answer) const
    {
        return CorrespondanceRows(answer, [this](const QString& siglum) {
            const auto it = manuscripts.constFind(siglum);
            return it == manuscripts.constEnd() ? nullptr : &it.value();
        });
    }
};

TEST_F(CorrespondanceRowsTest, TurnsReferenceNumbersIntoOwnNumbers)
{
    manuscripts.insert("T", Dictionary({{"12", "11"}, {"13", "12"}}));
    EXPECT_EQ(rows("T\t012, 013,020"), (QList<QStringList>{{"T", "012, 013,020", "11,12,-"}}));
}

TEST_F(CorrespondanceRowsTest, OneRowPerLineInOrder)
{
    manuscripts.insert("P", Dictionary({{"14", "13"}}));
    manuscripts.insert("L", Dictionary({{"4", "4"}}));
    EXPECT_EQ(rows("P\t014\rL\t004\rT\t015"),
              (QList<QStringList>{{"P", "014", "13"}, {"L", "004", "4"}, {"T", "015", "-"}}));
}

TEST_F(CorrespondanceRowsTest, SiglumWithoutManuscriptGetsDashes)
{
    manuscripts.insert("P", Dictionary({{"12", "12"}}));
    EXPECT_EQ(rows("lv\t012,013"), (QList<QStringList>{{"lv", "012,013", "-,-"}}));
}

TEST_F(CorrespondanceRowsTest, DashesAndEmptyPiecesAreLookedUpAsZero)
{
    manuscripts.insert("L", Dictionary({{"2", "2"}}));
    manuscripts.insert("C", Dictionary({{"0", "prologue"}, {"2", "3"}}));
    EXPECT_EQ(rows("L\t-,,002"), (QList<QStringList>{{"L", "-,,002", "-,-,2"}}));
    EXPECT_EQ(rows("C\t,-, 002"), (QList<QStringList>{{"C", ",-, 002", "prologue,prologue,3"}}));
}

TEST_F(CorrespondanceRowsTest, EmptyPartGivesNoEntry)
{
    manuscripts.insert("L", Dictionary({{"0", "0"}}));
    EXPECT_EQ(rows("P\t004\rL\t"), (QList<QStringList>{{"P", "004", "-"}, {"L", "", ""}}));
}

struct KeyCase
{
    const char* name;
    const char* laisse;
    qint64 mode;
    std::optional<QString> key;
};

class CorrespondanceKeyTest : public ::testing::TestWithParam<KeyCase>
{
};

TEST_P(CorrespondanceKeyTest, WritesTheReferenceNumber)
{
    // Own 13 and 14 swap places in the reference edition; own 5 has reference 0 and own 6 a
    // reference number that the reverse table lacks.
    const TextDictionary EBLdic = Dictionary(
        {{"1", "1"}, {"13", "14"}, {"14", "13"}, {"5", "0"}, {"6", "60"}, {"1234", "1234"}});
    const TextDictionary BELdic = Dictionary(
        {{"1", "1"}, {"14", "13"}, {"13", "14"}, {"0", "5"}, {"1234", "1234"}, {"7", "8"}});
    EXPECT_EQ(CorrespondanceKey(EBLdic, BELdic, QString::fromLatin1(GetParam().laisse),
                                GetParam().mode),
              GetParam().key);
}

INSTANTIATE_TEST_SUITE_P(
    Laisses, CorrespondanceKeyTest,
    ::testing::Values(KeyCase{"OwnNumberConverted", "13", 0, QString("014")},
                      KeyCase{"OwnNumberPadded", "1", 0, QString("001")},
                      KeyCase{"FourDigitsKept", "1234", 0, QString("1234")},
                      KeyCase{"OwnNumberUnknown", "2", 0, std::nullopt},
                      KeyCase{"ReferenceZero", "5", 0, std::nullopt},
                      KeyCase{"ReferenceMissingFromReverse", "6", 0, std::nullopt},
                      KeyCase{"ReferenceNumberAsGiven", "13", 1, QString("013")},
                      KeyCase{"ReferenceNotReadThroughOwn", "7", 1, QString("007")},
                      KeyCase{"ReferenceUnknown", "6", 1, std::nullopt},
                      KeyCase{"ReferenceZeroGiven", "0", 2, std::nullopt}),
    [](const auto& test) { return std::string(test.param.name); });

} // namespace
