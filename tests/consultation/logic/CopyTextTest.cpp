#include "consultation/logic/CopyText.h"

#include "QtPrinters.h"

#include <gtest/gtest.h>

namespace {

struct MarkingCase
{
    const char* name;
    QString row;
    QString expected;
};

class RemoveMarkingsTest : public ::testing::TestWithParam<MarkingCase>
{
};

TEST_P(RemoveMarkingsTest, GivesTheCleanedRow)
{
    const MarkingCase& c = GetParam();
    EXPECT_EQ(RemoveMarkings(c.row), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, RemoveMarkingsTest,
    ::testing::Values(MarkingCase{"NumberBetweenEqualsSigns", "a=17=b", "a b"},
                      MarkingCase{"FirstMatchConsumesTheMiddleEqualsSign", "=12=34=", " 34="},
                      MarkingCase{"EqualsSignsWithoutANumberStay", "a==b", "a==b"},
                      MarkingCase{"DigitBeforeABarGoesWithIt", "12|", "1"},
                      MarkingCase{"RemainingBarsGo", "x|y", "xy"},
                      MarkingCase{"BackslashesGo", "a\\b\\\\c", "abc"},
                      MarkingCase{"MarkedCapitalsBecomeSmall", "·ABC·", "·abc·"},
                      MarkingCase{"MarkedMixedWordStays", "·AbC·", "·AbC·"},
                      MarkingCase{"TwoMarkedWordsAlike", "·AB· and ·AB·", "·ab· and ·ab·"},
                      MarkingCase{"NeighbouringMarksShareADot", "·A·B·", "·a·b·"},
                      MarkingCase{"CapitalWordToTitleCase", "XYZ", "Xyz"},
                      MarkingCase{"OneLetterWordStays", "X", "X"},
                      MarkingCase{"WordWithASmallLetterStays", "XYz", "XYz"},
                      MarkingCase{"WordWithADigitStays", "AB1 C_D", "AB1 C_D"},
                      MarkingCase{"OnlyTheWholeWordChanges", "xABC ABC", "xABC Abc"},
                      MarkingCase{"AccentedCapitals", "ÉCU DOÏNE", "Écu Doïne"},
                      MarkingCase{"AccentedCapitalNextToSmallLettersStays", "AÉb", "AÉb"},
                      MarkingCase{"EveryCapitalWordOfTheRow", "LI REIS ET OLIVIER",
                                  "Li Reis Et Olivier"},
                      MarkingCase{"ThreeBlanksBecomeOne", "a   b", "a b"},
                      MarkingCase{"TabsAreKept", "12r\t3\t45\ttext  here", "12r\t3\t45\ttext here"},
                      MarkingCase{"EveryStepOnOneRow", "1r\t2\t=5=3|\t·CARLES· li REIS\\ dist|",
                                  "1r\t2\t \t·carles· li Reis dist"},
                      MarkingCase{"EmptyRow", "", ""}),
    [](const ::testing::TestParamInfo<MarkingCase>& test) { return std::string(test.param.name); });

TEST(ArrangeForCitationTest, OneRowNamesItsVerseTwice)
{
    QStringList rows{"12r\t3\t12\tCarles li reis"};
    ArrangeForCitation(rows, "O");
    EXPECT_EQ(rows, QStringList({"Carles li reis", "O 12-12"}));
}

TEST(ArrangeForCitationTest, ClosesWithFirstAndLastRowsWhateverLiesBetween)
{
    QStringList rows{"1r\t1\t3\tverse three", "1v\t1\t7\tverse seven", "2r\t1\t9\tverse nine"};
    ArrangeForCitation(rows, "P");
    EXPECT_EQ(rows, QStringList({"verse three", "verse seven", "verse nine", "P 3-9"}));
}

TEST(ArrangeForCitationTest, VerseNumbersReadAsWholeNumbers)
{
    QStringList rows{"1r\t1\t4.9\ta", "1r\t1\tb\tb\textra"};
    ArrangeForCitation(rows, "T");
    EXPECT_EQ(rows, QStringList({"a", "b", "T 4-0"}));
}

TEST(ArrangeForCitationTest, RowsWithoutTextGiveEmptyLinesAndNoRowsGiveNothing)
{
    QStringList rows{"1r\t1\t5"};
    ArrangeForCitation(rows, "L");
    EXPECT_EQ(rows, QStringList({"", "L 5-5"}));

    QStringList none;
    ArrangeForCitation(none, "L");
    EXPECT_TRUE(none.isEmpty());
}

TEST(ClipboardTextTest, JoinsByLineFeedWithNothingAfterTheLast)
{
    EXPECT_EQ(ClipboardText({"a\tb\tc\td"}), QString("a\tb\tc\td"));
    EXPECT_EQ(ClipboardText({"one", "two", "O 1-2"}), QString("one\ntwo\nO 1-2"));
    EXPECT_EQ(ClipboardText({}), QString());
}

} // namespace
