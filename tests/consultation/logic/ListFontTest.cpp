#include "consultation/logic/ListFont.h"

#include <QString>

#include <gtest/gtest.h>

namespace {

TEST(ListTextSizeTest, NumbersAboveZeroGiveTheirSize)
{
    const struct
    {
        QString text;
        float size;
    } cases[] = {
        {"12", 12.0f},       {"15", 15.0f}, {"12.5", 12.5f},
        {" 9pt", 9.0f},      {"0", 0.0f},   {"-4", 0.0f},
        {"abc", 0.0f},       {"", 0.0f},    {QString(400, QChar(u'9')), 0.0f},
        {"100000", 1000.0f},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ListTextSize(c.text), c.size) << c.text.toStdString();
}

TEST(HeadingTextSizeTest, LargestSizeThatFitsBetweenTheChosenAndTheWindowsOwn)
{
    const struct
    {
        qreal chosen;
        qreal smallest;
        qreal fitsUpTo;
        qreal size;
    } cases[] = {
        {24, 9, 100, 24},    // fits as chosen
        {12.5, 9, 12.2, 12}, // below a chosen size between whole ones
        {24, 9, 17, 17},     // the largest whole size below
        {24, 9, 16.5, 16},   // whole sizes only below the chosen one
        {24, 9.5, 9.7, 9.5}, // down to the window's own size
        {24, 9, 4, 9},       // none fits: the window's own size, cut short
        {8, 9, 4, 8},        // never larger than chosen
    };
    for (const auto& c : cases) {
        const qreal size = HeadingTextSize(c.chosen, c.smallest,
                                           [&](qreal points) { return points <= c.fitsUpTo; });
        EXPECT_EQ(size, c.size) << c.chosen << " " << c.smallest << " " << c.fitsUpTo;
    }
}

} // namespace
