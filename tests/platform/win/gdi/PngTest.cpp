#include "support/PixelCanvas.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <fstream>
#include <string>

TEST(Png, BitmapsAndScreenRectanglesClippedToTheScreenAreWrittenAndReadBack)
{
    testsupport::TempDir dir;
    testsupport::PixelCanvas c(17, 9, RGB(1, 2, 3));
    for (int i = 0; i < 17 * 9; ++i) c.dc.FillSolidRect(i % 17, i / 17, 1, 1, RGB(i, 255 - i, (i * 7) & 0xFF));
    ASSERT_TRUE(platform::SavePng(c.bitmap, dir.file("b.png")));
    const std::optional<platform::Surface> back = platform::LoadPng(dir.file("b.png"));
    ASSERT_TRUE(back);
    EXPECT_EQ(*back, c.surface());

    platform::desktop().setScreenSize(64, 48);
    CWindowDC dc(nullptr);
    dc.FillSolidRect(60, 40, 4, 8, RGB(200, 100, 50));
    ASSERT_TRUE(platform::SaveScreenPng(CRect(56, 40, 100, 100), dir.file("s.png")));
    const auto screen = platform::LoadPng(dir.file("s.png"));
    ASSERT_TRUE(screen);
    EXPECT_EQ(screen->bounds(), CRect(0, 0, 8, 8));
    EXPECT_EQ(screen->pixel(4, 0), RGB(200, 100, 50));
    EXPECT_NE(screen->pixel(3, 0), RGB(200, 100, 50));
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

// A picture of more pixels than any screen is refused before its rows are
// read: a damaged or hostile header cannot make the reader allocate gigabytes.
TEST(Png, PicturesOverTheLimitAreRefusedAndThoseUnderItRead)
{
    testsupport::TempDir dir;
    CWindowDC screen(nullptr);
    const int width = 2048, height = (int)(platform::kMaxPngPixels / width);
    for (int rows : {height, height + 1}) {
        CBitmap picture;
        ASSERT_TRUE(picture.CreateCompatibleBitmap(&screen, width, rows));
        ASSERT_TRUE(platform::SavePng(picture, dir.file(std::to_string(rows) + ".png")));
    }
    const auto atLimit = platform::LoadPng(dir.file(std::to_string(height) + ".png"));
    ASSERT_TRUE(atLimit);
    EXPECT_EQ(atLimit->height(), height);
    EXPECT_FALSE(platform::LoadPng(dir.file(std::to_string(height + 1) + ".png")));
}
