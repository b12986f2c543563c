#include "consultation/logic/ListFont.h"

#include <QString>

#include <gtest/gtest.h>

#include <cmath>

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

// The tries are bounded so that a size of 1000 costs about what 12 does: trying every whole size
// downwards takes hundreds where the heading fits only at a small size.
TEST(HeadingTextSizeTest, LargestSizeThatFitsBetweenTheChosenAndTheWindowsOwn)
{
    const struct
    {
        qreal chosen;
        qreal smallest;
        qreal fitsUpTo;
        qreal size;
    } cases[] = {
        {24, 9, 100, 24},        // fits as chosen
        {12.5, 9, 12.2, 12},     // below a chosen size between whole ones
        {24, 9, 17, 17},         // the largest whole size below
        {24, 9, 16.5, 16},       // whole sizes only below the chosen one
        {24, 9.5, 9.7, 9.5},     // down to the window's own size
        {24, 9, 4, 9},           // none fits: the window's own size, cut short
        {8, 9, 4, 8},            // never larger than chosen
        {12, 9, 10.5, 10},       // a step below at the first size
        {400, 9, 37.2, 37},      // far below a large size
        {400, 9, 399, 399},      // just below it
        {400, 9, 9.9, 9},        // fits only at the window's own size
        {400.5, 9, 400.2, 400},  // just below a large size between whole ones
        {1000, 9, 4, 9},         // the largest size, none fits
        {1000, 9.5, 10.2, 10},   // the smallest whole size above the window's own
        {999.5, 12, 500.5, 500}, // halfway
    };
    for (const auto& c : cases) {
        int tries = 0;
        const qreal size = HeadingTextSize(c.chosen, c.smallest, [&](qreal points) {
            ++tries;
            return points <= c.fitsUpTo;
        });
        SCOPED_TRACE(testing::Message() << c.chosen << " " << c.smallest << " " << c.fitsUpTo);
        EXPECT_EQ(size, c.size);
        EXPECT_LE(tries, 2 * std::log2(c.chosen) + 2);
    }
}

} // namespace
