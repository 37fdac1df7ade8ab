#include "support/PixelCanvas.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <fstream>

TEST(Png, BitmapWrittenAndReadBackIdentical)
{
    testsupport::TempDir dir;
    testsupport::PixelCanvas c(17, 9, RGB(1, 2, 3));
    for (int i = 0; i < 17 * 9; ++i) c.dc.FillSolidRect(i % 17, i / 17, 1, 1, RGB(i, 255 - i, (i * 7) & 0xFF));
    ASSERT_TRUE(platform::SavePng(c.bitmap, dir.file("b.png")));
    const std::optional<platform::Surface> back = platform::LoadPng(dir.file("b.png"));
    ASSERT_TRUE(back);
    EXPECT_EQ(*back, c.surface());
}

TEST(Png, ScreenRectangleIsClippedToTheScreen)
{
    testsupport::TempDir dir;
    platform::desktop().setScreenSize(64, 48);
    CWindowDC dc(nullptr);
    dc.FillSolidRect(60, 40, 4, 8, RGB(200, 100, 50));
    ASSERT_TRUE(platform::SaveScreenPng(CRect(56, 40, 100, 100), dir.file("s.png")));
    const auto back = platform::LoadPng(dir.file("s.png"));
    ASSERT_TRUE(back);
    EXPECT_EQ(back->width(), 8);
    EXPECT_EQ(back->height(), 8);
    EXPECT_EQ(back->pixel(4, 0), RGB(200, 100, 50));
    EXPECT_NE(back->pixel(3, 0), RGB(200, 100, 50));
    EXPECT_FALSE(platform::SaveScreenPng(CRect(64, 0, 80, 10), dir.file("none.png")));
}

TEST(Png, FailuresAreReportedNotThrown)
{
    testsupport::TempDir dir;
    testsupport::PixelCanvas c(2, 2, RGB(0, 0, 0));
    EXPECT_FALSE(platform::SavePng(c.bitmap, dir.file("no/such/folder/x.png")));
    EXPECT_FALSE(platform::SavePng(CBitmap(), dir.file("empty.png")));
    EXPECT_FALSE(platform::LoadPng(dir.file("missing.png")));
    std::ofstream(dir.file("text.png")) << "not a png";
    EXPECT_FALSE(platform::LoadPng(dir.file("text.png")));
}
