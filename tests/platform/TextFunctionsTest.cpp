#include "platform/TextFunctions.h"

#include <gtest/gtest.h>

#include <limits>

TEST(TextFunctions, CDblReadsTheLeadingNumber)
{
    struct Row
    {
        const char* text;
        double expected;
    };
    const Row rows[] = {
        {"", 0},
        {"  12", 12},
        {"\t7", 7},
        {"12.7", 12.7},
        {"-2.9", -2.9},
        {"+4", 4},
        {"0012", 12},
        {"abc", 0},
        {"-", 0},
        {".", 0},
        {".5", 0.5},
        {"5.", 5},
        {" -3x", -3},
        {"1,5", 1},
        {"12\t34", 12},
        {"x12", 0},
        // No exponent: a letter after a number ends it.
        {"1e3", 1},
    };
    for (const Row& row : rows)
        EXPECT_DOUBLE_EQ(CDbl(QString::fromUtf8(row.text)), row.expected)
            << "text: \"" << row.text << '"';
}

TEST(TextFunctions, WholeNumberCutsTowardZeroAndNeverOverflows)
{
    EXPECT_EQ(WholeNumber("12.7"), 12);
    EXPECT_EQ(WholeNumber("-2.9"), -2);
    EXPECT_EQ(WholeNumber("abc"), 0);
    EXPECT_EQ(WholeNumber("9223372036854775807"), std::numeric_limits<qint64>::max());
    EXPECT_EQ(WholeNumber("99999999999999999999999"), std::numeric_limits<qint64>::max());
    EXPECT_EQ(WholeNumber("-99999999999999999999999"), std::numeric_limits<qint64>::min());
    EXPECT_EQ(WholeNumber(QString(400, u'9')), std::numeric_limits<qint64>::max());
    EXPECT_EQ(WholeNumber(u'-' + QString(400, u'9')), std::numeric_limits<qint64>::min());
}

TEST(TextFunctions, StrAndFormat)
{
    EXPECT_EQ(Str(12), "12");
    EXPECT_EQ(Str(-3), "-3");
    EXPECT_EQ(Str(0), "0");

    struct Row
    {
        qint64 value;
        const char* expected;
    };
    const Row rows[] = {
        {7, "007"},
        {12, "012"},
        {123, "123"},
        {1234, "1234"},
        {0, "000"},
        {-7, "-007"},
        {std::numeric_limits<qint64>::min(), "-9223372036854775808"},
    };
    for (const Row& row : rows)
        EXPECT_EQ(Format(row.value, "000"), QString::fromUtf8(row.expected))
            << "value " << row.value;
}

TEST(TextFunctions, FieldsCountFromOneAndKeepEmptyPieces)
{
    struct Row
    {
        const char* text;
        int count;
        const char* first;
        const char* second;
        const char* third;
    };
    const Row rows[] = {
        {"", 0, "", "", ""},        {"a", 1, "a", "", ""},     {"a/b/c", 3, "a", "b", "c"},
        {"/abs", 2, "", "abs", ""}, {"a//b", 3, "a", "", "b"}, {"dir/", 2, "dir", "", ""},
    };
    for (const Row& row : rows) {
        const QString text = QString::fromUtf8(row.text);
        EXPECT_EQ(CountFields(text, "/"), row.count) << row.text;
        EXPECT_EQ(NthField(text, "/", 1), QString::fromUtf8(row.first)) << row.text;
        EXPECT_EQ(NthField(text, "/", 2), QString::fromUtf8(row.second)) << row.text;
        EXPECT_EQ(NthField(text, "/", 3), QString::fromUtf8(row.third)) << row.text;
    }
    EXPECT_EQ(NthField("a\tb", "\t", 0), "");
    EXPECT_EQ(NthField("a\tb", "\t", -1), "");
    EXPECT_EQ(NthField("a\tb", "\t", 9), "");
}

TEST(TextFunctions, SplitGivesEveryPieceFromZero)
{
    EXPECT_EQ(Split("", "\t"), QStringList());
    EXPECT_EQ(Split("a", "\t"), QStringList({"a"}));
    EXPECT_EQ(Split("a\t\tb\t", "\t"), QStringList({"a", "", "b", ""}));
    EXPECT_EQ(Split("\t", "\t"), QStringList({"", ""}));
    EXPECT_EQ(Split("a<>b", "<>"), QStringList({"a", "b"}));
}
