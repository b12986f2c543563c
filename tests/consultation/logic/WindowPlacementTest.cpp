#include "consultation/logic/WindowPlacement.h"

#include <gtest/gtest.h>

#include <limits>

namespace {

TEST(RestoredFrameTest, KeepsAPlaceOnAnyScreenAndBringsBackOneOffAllOfThem)
{
    const QSize minimum(64, 64);
    const QSize maximum(32000, 32000);
    const QRect primary(0, 0, 1920, 1080);
    const QRect second(1920, 0, 1280, 1024);
    const QList<QRect> screens{primary, second};

    EXPECT_EQ(RestoredFrame(100, 50, 800, 600, minimum, maximum, screens, primary),
              QRect(100, 50, 800, 600));
    EXPECT_EQ(RestoredFrame(2500, 100, 800, 600, minimum, maximum, screens, primary),
              QRect(2500, 100, 800, 600));
    // Partly visible is reachable enough.
    EXPECT_EQ(RestoredFrame(-700, -500, 800, 600, minimum, maximum, screens, primary),
              QRect(-700, -500, 800, 600));
    EXPECT_EQ(RestoredFrame(5000, 100, 800, 600, minimum, maximum, screens, primary),
              QRect(0, 0, 800, 600));
    EXPECT_EQ(RestoredFrame(-900, 100, 800, 600, minimum, maximum, {primary}, primary),
              QRect(0, 0, 800, 600));
}

TEST(RestoredFrameTest, SizeStaysWithinTheWindowsLimitsWhateverTheFileHolds)
{
    const QRect primary(0, 0, 1920, 1080);
    const int most = std::numeric_limits<int>::max();
    const int least = std::numeric_limits<int>::min();
    EXPECT_EQ(RestoredFrame(0, 0, 0, -5, QSize(64, 64), QSize(32000, 32000), {primary}, primary),
              QRect(0, 0, 64, 64));
    EXPECT_EQ(RestoredFrame(most, least, most, most, QSize(64, 64), QSize(32000, 32000), {primary},
                            primary),
              QRect(0, 0, 32000, 32000));
}

} // namespace
