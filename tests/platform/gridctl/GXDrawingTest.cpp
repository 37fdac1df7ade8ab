#include "gridctl/GXDrawing.h"
#include "support/PixelCanvas.h"

#include <gtest/gtest.h>

using testsupport::PixelCanvas;

TEST(GXDrawTransparentBitmap, CopiesEveryPixelButTheTransparentColour)
{
    constexpr COLORREF white = RGB(255, 255, 255), red = RGB(255, 0, 0), blue = RGB(0, 0, 255);
    // A 3 x 2 picture: a red column between white ones, a blue corner.
    CWindowDC screen(nullptr);
    CDC paint;
    CBitmap picture;
    ASSERT_TRUE(paint.CreateCompatibleDC(&screen));
    ASSERT_TRUE(picture.CreateCompatibleBitmap(&screen, 3, 2));
    CBitmap* old = paint.SelectObject(&picture);
    paint.FillSolidRect(0, 0, 3, 2, white);
    paint.FillSolidRect(1, 0, 1, 2, red);
    paint.FillSolidRect(2, 1, 1, 1, blue);
    paint.SelectObject(old);
    CBitmap* bitmap = &picture;

    PixelCanvas target(6, 4, RGB(0, 255, 0));
    GXDrawTransparentBitmap(&target.dc, bitmap, 2, 1, white);
    EXPECT_EQ(target.dump({{red, 'r'}, {blue, 'b'}, {white, 'w'}}), "......\n"
                                                                     "...r..\n"
                                                                     "...rb.\n"
                                                                     "......\n");
    GXDrawTransparentBitmap(&target.dc, nullptr, 0, 0, white);
    GXDrawTransparentBitmap(nullptr, bitmap, 0, 0, white);
    EXPECT_EQ(target.count(red), 2);
}
