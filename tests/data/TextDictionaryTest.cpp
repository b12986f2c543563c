#include "data/TextDictionary.h"

#include <gtest/gtest.h>

#include <QByteArray>
#include <QList>
#include <QString>

TEST(TextDictionaryTest, KeysMatchOnlyTheExactText)
{
    TextDictionary dictionary;
    dictionary.setValue(QStringLiteral("12"), QStringLiteral("a"));
    dictionary.setValue(QStringLiteral("P"), QStringLiteral("b"));

    EXPECT_TRUE(dictionary.HasKey(QStringLiteral("12")));
    for (const QString& near : {QStringLiteral("012"), QStringLiteral("12 "), QStringLiteral(" 12"),
                                QStringLiteral("1"), QStringLiteral("p"), QString()}) {
        EXPECT_FALSE(dictionary.HasKey(near)) << near.toStdString();
        EXPECT_EQ(dictionary.Value(near), QString()) << near.toStdString();
    }
}

TEST(TextDictionaryTest, SettingAKeyAgainKeepsTheLastValue)
{
    TextDictionary dictionary;
    dictionary.setValue(QStringLiteral("5"), QStringLiteral("first"));
    dictionary.setValue(QStringLiteral("5"), QStringLiteral("a much longer second value"));
    dictionary.setValue(QStringLiteral("5"), QStringLiteral("3"));

    EXPECT_EQ(dictionary.count(), 1);
    EXPECT_EQ(dictionary.Value(QStringLiteral("5")), QStringLiteral("3"));
}

TEST(TextDictionaryTest, AnyTextRoundTripsExactly)
{
    const QString texts[] = {
        QString(),
        QStringLiteral(""),
        QStringLiteral("1,2,3"),
        QStringLiteral("é ÿ"),                            // Latin-1, one byte a unit
        QStringLiteral("Châteauroux ÉNÏAS · \u0152uvre"), // beyond Latin-1
        QString::fromUtf8("\xF0\x9D\x84\x9E x"),          // a surrogate pair
        QString(300, QLatin1Char('7')),                   // a length past one header byte
    };
    TextDictionary dictionary;
    int n = 0;
    for (const QString& text : texts)
        dictionary.setValue(text + QString::number(n++), text);
    n = 0;
    for (const QString& text : texts) {
        const QString key = text + QString::number(n++);
        ASSERT_TRUE(dictionary.HasKey(key)) << key.toStdString();
        EXPECT_EQ(dictionary.Value(key), text) << key.toStdString();
    }
    // Keys may be empty too.
    dictionary.setValue(QString(), QStringLiteral("v"));
    EXPECT_EQ(dictionary.Value(QStringLiteral("")), QStringLiteral("v"));
}

TEST(TextDictionaryTest, HoldsManyKeysThroughGrowth)
{
    TextDictionary dictionary;
    for (int i = 0; i < 20000; ++i)
        dictionary.setValue(QString::number(i), QString::number(i * 3));
    dictionary.setValue(QStringLiteral("77"), QStringLiteral("x"));
    dictionary.squeeze();

    EXPECT_EQ(dictionary.count(), 20000);
    for (int i = 0; i < 20000; ++i) {
        if (i != 77) {
            ASSERT_EQ(dictionary.Value(QString::number(i)), QString::number(i * 3)) << i;
        }
    }
    EXPECT_EQ(dictionary.Value(QStringLiteral("77")), QStringLiteral("x"));
    EXPECT_FALSE(dictionary.HasKey(QStringLiteral("20000")));
}

// A table's lines are loaded as they come and entered in the index together at the end: the
// last line of a key wins whether its fields were plain ASCII bytes or decoded text.
TEST(TextDictionaryTest, LoadedEntriesAreFoundOnceLoadingIsFinishedTheLastOfAKeyWinning)
{
    TextDictionary dictionary;
    dictionary.setValue(QStringLiteral("5"), QStringLiteral("set before"));
    QList<QByteArray> numbers;
    for (int i = 0; i < 20000; ++i)
        numbers.append(QByteArray::number(i));
    for (int i = 0; i < 20000; ++i)
        dictionary.load(QLatin1StringView(numbers[i]), QLatin1StringView(numbers[(i * 3) % 20000]));
    dictionary.load(QStringView(u"77"), QStringView(u"\u0152uvre"));
    dictionary.load(QStringView(u"\u0152"), QStringView(u"wide"));
    dictionary.load(QLatin1StringView("5"), QLatin1StringView("loaded"));
    EXPECT_FALSE(dictionary.HasKey(QStringLiteral("6"))) << "not found before the end of loading";

    dictionary.finishLoading();

    EXPECT_EQ(dictionary.count(), 20001);
    for (int i = 0; i < 20000; ++i) {
        if (i != 77 && i != 5) {
            ASSERT_EQ(dictionary.Value(QString::number(i)), QString::number((i * 3) % 20000)) << i;
        }
    }
    EXPECT_EQ(dictionary.Value(QStringLiteral("77")), QStringLiteral("\u0152uvre"));
    EXPECT_EQ(dictionary.Value(QStringLiteral("\u0152")), QStringLiteral("wide"));
    EXPECT_EQ(dictionary.Value(QStringLiteral("5")), QStringLiteral("loaded"));
}
