#include "controls/BitmapExt.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

// The host's own picture: light grey, white and black pixels.
constexpr COLORREF grey = RGB(192, 192, 192), white = RGB(255, 255, 255), black = RGB(0, 0, 0);
constexpr winres::PaletteEntry palette[] = {{'g', grey}, {'w', white}, {'k', black}};
constexpr const char* rows[] = {"gwk"};
constexpr winres::BitmapResource bitmaps[] = {{300, 3, 1, 24, palette, rows}};
constexpr winres::ResourceTable table{{}, {}, {}, bitmaps};

std::vector<COLORREF> pixelsOf(NVorel::CBitmapExt& b)
{
    const platform::Surface& s = *platform::BitmapSurface(b);
    return {s.pixel(0, 0), s.pixel(1, 0), s.pixel(2, 0)};
}

class Probe : public NVorel::CBitmapExt {
public:
    using NVorel::CBitmapExt::setColorMapLen;
};

} // namespace

TEST(BitmapExt, LightGreyBecomesButtonFaceByDefaultOrAsTheMappingsSayWhoseTableGrowsOnlyWhenFull)
{
    AfxSetResourceHandle(platform::RegisterApplicationModule(&table));
    NVorel::CBitmapExt byDefault, unmapped, own;
    unmapped.ResetMappings();
    own.ResetMappings();
    own.AddMapping(black, RGB(255, 0, 0));
    for (NVorel::CBitmapExt* b : {&byDefault, &unmapped, &own})
        ASSERT_TRUE(b->LoadBitmapW(300));
    EXPECT_EQ(pixelsOf(byDefault), (std::vector<COLORREF>{GetSysColor(COLOR_BTNFACE), white, black}));
    EXPECT_EQ(pixelsOf(unmapped), (std::vector<COLORREF>{grey, white, black}));
    EXPECT_EQ(pixelsOf(own), (std::vector<COLORREF>{grey, white, RGB(255, 0, 0)}));
    EXPECT_FALSE(byDefault.LoadBitmapW(300)); // holds one already

    Probe b; // one mapping, capacity 1
    for (int i = 0; i < 4; ++i)
        ASSERT_TRUE(b.AddMapping(RGB(i, 0, 0), 0));
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
