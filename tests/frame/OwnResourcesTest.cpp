#include "frame/OwnResources.h"
#include "win/Afx.h"

#include <gtest/gtest.h>

#include <cstring>
#include <stdexcept>

using namespace NVorel;

namespace {
const winres::BitmapResource& bitmap(UINT id)
{
    const winres::BitmapResource* b = FindBitmapResource(GetModuleHandleW(L"vorel.dll"), id);
    if (!b) throw std::runtime_error("missing bitmap");
    return *b;
}

// Every row is as wide as the bitmap, every pixel in the palette.
void expectWellFormed(const winres::BitmapResource& b)
{
    ASSERT_EQ((int)b.rows.size(), b.height);
    for (const char* row : b.rows) {
        ASSERT_EQ((int)std::strlen(row), b.width) << row;
        for (const char* p = row; *p; ++p) {
            bool known = false;
            for (const auto& e : b.palette) known |= e.key == *p;
            EXPECT_TRUE(known) << "bitmap " << b.id << " pixel '" << *p << "'";
        }
    }
}
} // namespace

TEST(OwnBitmaps, DiameterSignsAreBlackOnWhite14By13)
{
    for (UINT id : {482u, 483u}) {
        const auto& b = bitmap(id);
        expectWellFormed(b);
        EXPECT_EQ(b.width, 14);
        EXPECT_EQ(b.height, 13);
        EXPECT_EQ(b.bitsPerPixel, 4);
        EXPECT_EQ(winres::bitmapPixel(b, 0, 0), RGB(255, 255, 255));
        EXPECT_EQ(winres::bitmapPixel(b, 3, 2), RGB(0, 0, 0)); // top of the circle
        EXPECT_EQ(winres::bitmapPixel(b, 0, 10), RGB(0, 0, 0)); // foot of the stroke
    }
    // The two differ only in the small digit.
    EXPECT_NE(winres::bitmapPixel(bitmap(482), 11, 7), winres::bitmapPixel(bitmap(483), 11, 7));
}

TEST(OwnBitmaps, CheckBoxPicturesHaveFramesAndTicksInTheirColours)
{
    struct Expect { UINT id; COLORREF frame, box; bool tick; };
    const Expect all[] = {
        {484, RGB(64, 64, 64), RGB(255, 255, 255), true},
        {485, RGB(64, 64, 64), RGB(255, 255, 255), false},
        {486, RGB(0, 96, 128), RGB(166, 202, 240), true},
        {487, RGB(0, 96, 128), RGB(166, 202, 240), false},
    };
    for (const Expect& e : all) {
        const auto& b = bitmap(e.id);
        expectWellFormed(b);
        EXPECT_EQ(b.width, 13);
        EXPECT_EQ(b.height, 13);
        EXPECT_EQ(b.bitsPerPixel, 24);
        for (int i = 0; i < 13; ++i) {
            EXPECT_EQ(winres::bitmapPixel(b, i, 0), e.frame);
            EXPECT_EQ(winres::bitmapPixel(b, 12, i), e.frame);
        }
        EXPECT_EQ(winres::bitmapPixel(b, 1, 1), e.box);
        EXPECT_EQ(winres::bitmapPixel(b, 5, 8) != e.box, e.tick) << e.id;
    }
}
