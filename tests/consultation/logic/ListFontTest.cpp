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

} // namespace
