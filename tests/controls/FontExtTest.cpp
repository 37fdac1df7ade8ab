#include "controls/FontExt.h"
#include "support/PixelCanvas.h"

#include <gtest/gtest.h>

namespace {

// The description's height, weight, italic, character set and face; the
// font's height and width.
std::string described(const NVorel::CFontExt& f)
{
    const LOGFONTW& lf = f.GetLogFontDescription();
    return std::to_string(lf.lfHeight) + " " + std::to_string(lf.lfWeight) + (lf.lfItalic ? " italic" : "") + " set " +
           std::to_string(lf.lfCharSet) + " " + toUtf8(lf.lfFaceName) + ", " + std::to_string(f.GetHeight()) + " by " +
           std::to_string(f.GetWidth());
}

} // namespace

TEST(FontExt, SettersChangeTheDescriptionAndSetRestoresTheFirstDcBeforeSelectingIntoAnother)
{
    NVorel::CFontExt f;
    EXPECT_EQ(described(f), "-12 400 set 0 Arial, 12 by 8"); // 0.7 x 12 = 8.4
    f.SetSize(20).SetBold(true).SetItalic(true).SetCharSet(0x1CC).SetFace(CString(L'x', 40));
    // The character set's low byte; the face cut to 31 characters.
    EXPECT_EQ(described(f), "-20 700 italic set 204 " + std::string(31, 'x') + ", 20 by 14");

    // The font a DC holds, told by its height: the test's font is far taller
    // than any DC's own.
    auto height = [](CDC& dc) { return dc.GetTextExtent(L"x", 1).cy; };
    testsupport::PixelCanvas a(4, 4, 0), b(4, 4, 0);
    const int own = height(a.dc);
    f.SetSize(60);
    f.Set(&a.dc); // no GDI font yet: nothing selected, nothing remembered
    EXPECT_EQ(height(a.dc), own);
    f.Restore();

    ASSERT_TRUE(f.CreateDeviceFont());
    f.Set(&a.dc);
    EXPECT_GT(height(a.dc), 2 * own);
    f.Set(&b.dc);
    EXPECT_EQ(height(a.dc), own);
    EXPECT_GT(height(b.dc), 2 * own);
    f.Restore();
    EXPECT_EQ(height(b.dc), own);
}

TEST(FontExt, CreateFromAnotherFontOrNothing)
{
    NVorel::CFontExt empty(nullptr);
    EXPECT_EQ(described(empty), "16 0 set 0 , 16 by 11");
    EXPECT_EQ(empty.GetSafeHandle(), nullptr);

    NVorel::CFontExt source;
    source.SetSize(18).SetBold(true);
    ASSERT_TRUE(source.CreateDeviceFont());
    NVorel::CFontExt copy(&source);
    EXPECT_NE(copy.GetSafeHandle(), nullptr);
    EXPECT_EQ(described(copy), "-18 700 set 0 Arial, 18 by 12");

    NVorel::CFontExt points;
    points.SetSize(100); // 10 points: 13 pixels at 96 DPI
    ASSERT_TRUE(points.CreatePointFont());
    LOGFONTW lf{};
    points.GetObject(sizeof lf, &lf);
    EXPECT_EQ(std::labs(lf.lfHeight), 13);
}
