#include "bitmaps/MBitmap.h"
#include "win/desktop/Desktop.h"

#include <gtest/gtest.h>

namespace {

// A module of the test's own with two pictures: a 13 x 13 box with a one-pixel
// frame, and a 14 x 13 picture of distinct columns.
constexpr winres::PaletteEntry palette[] = {
    {'f', RGB(64, 64, 64)}, {'w', RGB(255, 255, 255)}, {'a', RGB(1, 0, 0)}, {'b', RGB(2, 0, 0)}};
constexpr const char* box[] = {"fffffffffffff", "fwwwwwwwwwwwf", "fwwwwwwwwwwwf", "fwwwwwwwwwwwf", "fwwwwwwwwwwwf",
                               "fwwwwwwwwwwwf", "fwwwwwwwwwwwf", "fwwwwwwwwwwwf", "fwwwwwwwwwwwf", "fwwwwwwwwwwwf",
                               "fwwwwwwwwwwwf", "fwwwwwwwwwwwf", "fffffffffffff"};
constexpr const char* stripes[] = {"abwfabwfabwfab", "abwfabwfabwfab", "wwwwwwwwwwwwww", "abwfabwfabwfab",
                                   "abwfabwfabwfab", "abwfabwfabwfab", "abwfabwfabwfab", "abwfabwfabwfab",
                                   "abwfabwfabwfab", "abwfabwfabwfab", "abwfabwfabwfab", "abwfabwfabwfab",
                                   "abwfabwfabwfab"};
constexpr winres::BitmapResource bitmaps[] = {{485, 13, 13, 24, palette, box}, {482, 14, 13, 24, palette, stripes}};
constexpr winres::ResourceTable table{{}, {}, {}, bitmaps};

void anchor() {}
const HMODULE pictures = platform::RegisterLinkedModule(L"pictures.dll", (const void*)&anchor, &table);

CSize sizeOf(CBitmap& b)
{
    BITMAP bm{};
    GetObjectW(b.GetSafeHandle(), sizeof bm, &bm);
    return CSize(bm.bmWidth, bm.bmHeight);
}

COLORREF pixel(CBitmap& b, int x, int y)
{
    return platform::BitmapSurface(b)->pixel(x, y);
}

const COLORREF frameGrey = RGB(64, 64, 64), boxWhite = RGB(255, 255, 255);

} // namespace

TEST(MBitmap, LoadsTheLibrarysPicturesAtTheScreensScale)
{
    MBitmap plain, scaled, unscaled;
    ASSERT_TRUE(plain.LoadDpiAwareBitmap(L"pictures.dll", 485, 0, nullptr,
                                         0)); // 96 DPI: as drawn
    EXPECT_EQ(sizeOf(plain), CSize(13, 13));
    platform::desktop().setDpi(144);
    ASSERT_TRUE(scaled.LoadDpiAwareBitmap(L"pictures.dll", 485, 0, nullptr, 0));
    EXPECT_EQ(sizeOf(scaled), CSize(19, 19)); // (int)(13 * 1.5)
    // Nearest neighbour: the one-pixel frame becomes one or two pixels, never a
    // blend.
    for (int x = 0; x < 19; ++x) EXPECT_TRUE(pixel(scaled, x, 9) == frameGrey || pixel(scaled, x, 9) == boxWhite) << x;
    EXPECT_EQ(pixel(scaled, 0, 9), frameGrey);
    EXPECT_EQ(pixel(scaled, 18, 9), frameGrey);
    EXPECT_EQ(pixel(scaled, 9, 9), boxWhite);
    ASSERT_TRUE(unscaled.LoadDpiAwareBitmap(L"pictures.dll", 485, MBitmap::LDB_NOSCALE, nullptr, 0));
    EXPECT_EQ(sizeOf(unscaled), CSize(13, 13));
}

TEST(MBitmap, FailuresLoadNothingAndAHeldBitmapStays)
{
    MBitmap loaded, b;
    ASSERT_TRUE(loaded.LoadDpiAwareBitmap(L"pictures.dll", 485, 0, nullptr, 0));

    EXPECT_FALSE(b.LoadDpiAwareBitmap(L"nowhere.dll", 485, 0, nullptr, 0));
    EXPECT_FALSE(b.LoadDpiAwareBitmap(nullptr, 485, 0, nullptr, 0));
    EXPECT_FALSE(b.LoadDpiAwareBitmap(L"pictures.dll", 999, 0, nullptr, 0));
    EXPECT_EQ(b.GetSafeHandle(), nullptr);
    EXPECT_FALSE(loaded.LoadDpiAwareBitmap(L"pictures.dll", 482, 0, nullptr, 0)); // already holds one
}

TEST(MBitmap, ExplicitFactorsAndSizeLimits)
{
    MBitmap loaded;
    ASSERT_TRUE(loaded.LoadDpiAwareBitmap(L"pictures.dll", 482, MBitmap::LDB_NOSCALE, nullptr, 0)); // 14 x 13

    CBitmap doubled, limited, small, empty, target;
    ASSERT_TRUE(MBitmap::ToDpiAwareBitmap(doubled, loaded, 2.0f, 3.0f, 0, 0, 0, 0));
    EXPECT_EQ(sizeOf(doubled), CSize(28, 39));
    for (int y = 0; y < 39; ++y) // each source pixel becomes 2 x 3
        for (int x = 0; x < 28; ++x) ASSERT_EQ(pixel(doubled, x, y), pixel(loaded, x / 2, y / 3)) << x << "," << y;
    ASSERT_TRUE(MBitmap::ToDpiAwareBitmap(limited, loaded, 2.0f, 0.5f, 15, 19, 15, 19));
    EXPECT_EQ(sizeOf(limited), CSize(19, 15));
    ASSERT_TRUE(MBitmap::ToDpiAwareBitmap(small, loaded, 0.01f, 0.01f, 0, 0, 0, 0));
    EXPECT_EQ(sizeOf(small), CSize(1, 1));
    EXPECT_FALSE(MBitmap::ToDpiAwareBitmap(target, empty, 1.0f, 1.0f, 0, 0, 0, 0));
    EXPECT_FALSE(MBitmap::ToDpiAwareBitmap(doubled, loaded, 1.0f, 1.0f, 0, 0, 0,
                                           0)); // target not empty
}
