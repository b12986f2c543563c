#include "consultation/logic/TypedNumber.h"

#include <QString>

#include <gtest/gtest.h>

namespace {

TEST(TypedNumberTest, FullWidthFormsReadAsTheirPlainForms)
{
    const struct
    {
        const char* typed;
        qint64 number;
    } cases[] = {
        {"１２", 12}, {"\u3000１２", 12}, {"１２．７", 12}, {"－３", -3},  {"１２ａ", 12},
        {"12a", 12},  {"0012", 12},       {"", 0},          {"ａｂｃ", 0},
    };
    for (const auto& c : cases)
        EXPECT_EQ(TypedNumber(QString::fromUtf8(c.typed)), c.number) << c.typed;
}

} // namespace
