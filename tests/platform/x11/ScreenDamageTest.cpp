#include "x11/ScreenDamage.h"

#include <gtest/gtest.h>

using platform::Surface;
using platform::x11::ScreenDamage;

namespace {

using Rects = std::vector<CRect>;

} // namespace

TEST(ScreenDamage, OnlyChangedTilesComeAgainJoinedAlongTheirBand)
{
    Surface screen(100, 70, RGB(255, 255, 255));
    ScreenDamage damage;
    EXPECT_EQ(damage.take(screen), Rects{CRect(0, 0, 100, 70)}); // first sight: all of it
    EXPECT_TRUE(damage.take(screen).empty());

    screen.fill(CRect(33, 5, 34, 6), RGB(0, 0, 0));
    EXPECT_EQ(damage.take(screen), Rects{CRect(32, 0, 64, 32)});
    EXPECT_TRUE(damage.take(screen).empty());

    // Tiles 0, 2 and 3 of the second band: two rectangles; the last tiles of
    // the screen are cut at its edges.
    screen.fill(CRect(0, 40, 1, 41), RGB(1, 0, 0));
    screen.fill(CRect(70, 63, 99, 64), RGB(1, 0, 0));
    screen.fill(CRect(99, 69, 100, 70), RGB(2, 0, 0));
    EXPECT_EQ(damage.take(screen), (Rects{CRect(0, 32, 32, 64), CRect(64, 32, 100, 64), CRect(96, 64, 100, 70)}));

    // A pixel set to the colour it had is no change.
    screen.fill(CRect(33, 5, 34, 6), RGB(0, 0, 0));
    EXPECT_TRUE(damage.take(screen).empty());
}

TEST(ScreenDamage, ForgottenPartsAndANewSizeComeAgainWhole)
{
    Surface screen(64, 64, RGB(10, 20, 30));
    ScreenDamage damage;
    damage.take(screen);
    damage.forget(CRect(40, 40, 41, 41)); // the X server lost it
    EXPECT_EQ(damage.take(screen), Rects{CRect(32, 32, 64, 64)});
    damage.forget(CRect(-10, -10, 1000, 5)); // clipped to the screen
    EXPECT_EQ(damage.take(screen), Rects{CRect(0, 0, 64, 32)});

    screen.resize(65, 64, RGB(10, 20, 30));
    EXPECT_EQ(damage.take(screen), Rects{CRect(0, 0, 65, 64)});
    screen.resize(0, 0);
    EXPECT_TRUE(damage.take(screen).empty());
}
