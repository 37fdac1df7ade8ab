#include "controls/BitmapExt.h"

#include <gtest/gtest.h>

using NVorel::CBitmapExt;

namespace {

// The host's own picture: light grey, white and black pixels.
constexpr winres::PaletteEntry palette[] = {
    {'g', RGB(192, 192, 192)}, {'w', RGB(255, 255, 255)}, {'k', RGB(0, 0, 0)}};
constexpr const char* rows[] = {"gwk"};
constexpr winres::BitmapResource bitmaps[] = {{300, 3, 1, 24, palette, rows}};
constexpr winres::ResourceTable table{{}, {}, {}, bitmaps};
const HMODULE app = platform::RegisterApplicationModule(&table);

COLORREF pixel(CBitmap& b, int x) { return platform::BitmapSurface(b)->pixel(x, 0); }

class Probe : public CBitmapExt {
public:
    using CBitmapExt::setColorMapLen;
};

} // namespace

TEST(BitmapExt, LightGreyBecomesButtonFaceByDefault)
{
    AfxSetResourceHandle(app);
    CBitmapExt b;
    ASSERT_TRUE(b.LoadBitmapW(300));
    EXPECT_EQ(pixel(b, 0), GetSysColor(COLOR_BTNFACE));
    EXPECT_EQ(pixel(b, 1), RGB(255, 255, 255));
    EXPECT_FALSE(b.LoadBitmapW(300)); // holds one already
    EXPECT_FALSE(CBitmapExt().LoadBitmapW(301));
}

TEST(BitmapExt, ResetAndOwnMappings)
{
    AfxSetResourceHandle(app);
    CBitmapExt own;
    own.ResetMappings();
    ASSERT_TRUE(own.LoadBitmapW(300));
    EXPECT_EQ(pixel(own, 0), RGB(192, 192, 192));

    CBitmapExt one;
    one.ResetMappings();
    one.AddMapping(RGB(0, 0, 0), RGB(255, 0, 0));
    ASSERT_TRUE(one.LoadBitmapW(300));
    EXPECT_EQ(pixel(one, 0), RGB(192, 192, 192));
    EXPECT_EQ(pixel(one, 2), RGB(255, 0, 0));
}

TEST(BitmapExt, TableGrowsByThirty)
{
    Probe b; // one mapping, capacity 1
    EXPECT_EQ(b.GetMappingCapacity(), 1);
    for (int i = 0; i < 4; ++i) ASSERT_TRUE(b.AddMapping(RGB(i, 0, 0), 0));
    EXPECT_EQ(b.GetMappingCount(), 5);
    EXPECT_EQ(b.GetMappingCapacity(), 5);
    b.AddMapping(0, 0);
    EXPECT_EQ(b.GetMappingCapacity(), 7);
    EXPECT_EQ(b.setColorMapLen(3), 6); // never lowers the count
    EXPECT_EQ(b.setColorMapLen(7), 7);
    EXPECT_EQ(b.GetMappingCapacity(), 7);
    b.ResetMappings();
    EXPECT_EQ(b.GetMappingCount(), 0);
    EXPECT_EQ(b.GetMappingCapacity(), 7);
}
