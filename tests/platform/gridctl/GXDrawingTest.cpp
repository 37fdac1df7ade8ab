#include "gridctl/GXDrawing.h"
#include "support/PixelCanvas.h"

#include <gtest/gtest.h>

using namespace testsupport::colours;

TEST(GXDrawTransparentBitmap, CopiesEveryPixelButTheTransparentColour)
{
    // A 3 x 2 picture: a red column between white ones, a blue corner.
    CWindowDC screen(nullptr);
    CDC paint;
    CBitmap picture;
    ASSERT_TRUE(paint.CreateCompatibleDC(&screen) && picture.CreateCompatibleBitmap(&screen, 3, 2));
    CBitmap* old = paint.SelectObject(&picture);
    paint.FillSolidRect(0, 0, 3, 2, white);
    paint.FillSolidRect(1, 0, 1, 2, red);
    paint.FillSolidRect(2, 1, 1, 1, blue);
    paint.SelectObject(old);

    testsupport::PixelCanvas target(6, 4, green);
    GXDrawTransparentBitmap(&target.dc, &picture, 2, 1, white);
    GXDrawTransparentBitmap(&target.dc, nullptr, 0, 0, white);
    GXDrawTransparentBitmap(nullptr, &picture, 0, 0, white);
    EXPECT_EQ(target.dump({{red, 'r'}, {blue, 'b'}, {white, 'w'}}), "......\n"
                                                                     "...r..\n"
                                                                     "...rb.\n"
                                                                     "......\n");
}
