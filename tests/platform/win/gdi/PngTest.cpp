#include "support/PixelCanvas.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <fstream>
#include <string>
#include <zlib.h>

namespace {

std::string bigEndian(uint32_t v)
{
    return {char(v >> 24), char(v >> 16), char(v >> 8), char(v)};
}

std::string chunk(const std::string& type, const std::string& data)
{
    const std::string body = type + data;
    return bigEndian((uint32_t)data.size()) + body + bigEndian((uint32_t)crc32(0, (const Bytef*)body.data(), (uInt)body.size()));
}

// A whole black RGB picture of width x height pixels, rows of zeros deflated as
// they are made.
std::string blackPng(uint32_t width, uint32_t height)
{
    z_stream z{};
    deflateInit(&z, 1);
    const std::string row(1 + 3 * (size_t)width, '\0'); // filter byte, then the pixels
    std::string out(1 << 16, '\0'), data;
    for (uint32_t y = 0; y <= height; ++y) {
        const bool last = y == height;
        z.next_in = (Bytef*)(last ? nullptr : row.data());
        z.avail_in = last ? 0 : (uInt)row.size();
        do {
            z.next_out = (Bytef*)out.data();
            z.avail_out = (uInt)out.size();
            deflate(&z, last ? Z_FINISH : Z_NO_FLUSH);
            data.append(out.data(), out.size() - z.avail_out);
        } while (z.avail_out == 0);
    }
    deflateEnd(&z);
    return std::string("\x89PNG\r\n\x1a\n", 8) +
           chunk("IHDR", bigEndian(width) + bigEndian(height) + std::string("\x08\x02\x00\x00\x00", 5)) +
           chunk("IDAT", data) + chunk("IEND", "");
}

} // namespace

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
    const uint32_t width = 1024, height = (uint32_t)(platform::kMaxPngPixels / width);
    std::ofstream(dir.file("limit.png"), std::ios::binary) << blackPng(width, height);
    const auto atLimit = platform::LoadPng(dir.file("limit.png"));
    ASSERT_TRUE(atLimit);
    EXPECT_EQ(atLimit->height(), (int)height);
    std::ofstream(dir.file("over.png"), std::ios::binary) << blackPng(width, height + 1);
    EXPECT_FALSE(platform::LoadPng(dir.file("over.png")));
}
