#include "data/CorrespItem.h"

#include <gtest/gtest.h>

#include <QList>
#include <QStringList>

namespace {

QList<qint64> refNum(const CorrespItem& item, const QString& laisse)
{
    QList<qint64> rows;
    item.getRefNum(laisse, rows);
    return rows;
}

QStringList laisseNum(const CorrespItem& item, qint64 row)
{
    QStringList texts;
    item.getLaisseNum(row, texts);
    return texts;
}

} // namespace

TEST(CorrespItemTest, NewColumnAnswersNothing)
{
    const CorrespItem item(QStringLiteral("P"));
    EXPECT_TRUE(refNum(item, QStringLiteral("001")).isEmpty());
    EXPECT_TRUE(laisseNum(item, 0).isEmpty());
}

TEST(CorrespItemTest, FurtherOccurrencesFollowTheFirst)
{
    CorrespItem item(QStringLiteral("P"));
    item.append(QStringLiteral("012"), 3);
    item.append(QStringLiteral("012"), 5);
    item.append(QStringLiteral("012"), 5);

    EXPECT_EQ(refNum(item, QStringLiteral("012")), (QList<qint64>{3, 5, 5}));
    EXPECT_EQ(laisseNum(item, 5), (QStringList{"012", "012"}));
    EXPECT_EQ(laisseNum(item, 3), QStringList{"012"});
    EXPECT_TRUE(refNum(item, QStringLiteral("12")).isEmpty());
    EXPECT_TRUE(laisseNum(item, 6).isEmpty());
    EXPECT_EQ(item.Supp_LN.size(), item.Supp_Ref.size());
}

TEST(CorrespItemTest, NewTextsOfOneRowStayJoinedAndEachIsShown)
{
    CorrespItem item(QStringLiteral("P"));
    item.append(QStringLiteral("012"), 3);
    item.append(QStringLiteral("013"), 3);
    item.append(QStringLiteral("0"), 4);
    item.append(QStringLiteral("7"), 4);
    item.append(QStringLiteral(""), 6);
    item.append(QStringLiteral("8"), 6);

    EXPECT_EQ(item.RefNumDic.value(3), QStringLiteral("012, 013"));
    EXPECT_EQ(refNum(item, QStringLiteral("013")), QList<qint64>{3});
    EXPECT_EQ(laisseNum(item, 3), QStringList{"012, 013"});
    EXPECT_EQ(laisseNum(item, 4), QStringList{"-, 007"});
    EXPECT_EQ(laisseNum(item, 6), QStringList{"-, 008"});
}

TEST(CorrespItemTest, FirstOccurrenceOfTheRowComesBeforeAnEarlierText)
{
    CorrespItem item(QStringLiteral("P"));
    item.append(QStringLiteral("010"), 1);
    item.append(QStringLiteral("010"), 2);
    item.append(QStringLiteral("011"), 2);
    EXPECT_EQ(laisseNum(item, 2), (QStringList{"011", "010"}));
}

TEST(CorrespItemTest, DisplayForms)
{
    const struct
    {
        const char* stored;
        const char* shown;
    } cases[] = {
        {"0", "-"},    {"", "-"},      {"000", "000"},   {"00", "000"},  {"7", "007"},
        {"12", "012"}, {"012", "012"}, {"1234", "1234"}, {"abc", "000"},
    };
    CorrespItem item(QStringLiteral("P"));
    qint64 row = 0;
    for (const auto& c : cases)
        item.append(QString::fromUtf8(c.stored), row++);
    row = 0;
    for (const auto& c : cases)
        EXPECT_EQ(laisseNum(item, row++), QStringList{QString::fromUtf8(c.shown)}) << c.stored;
}
