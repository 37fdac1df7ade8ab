#include "controls/FontExt.h"
#include "support/PixelCanvas.h"

#include <gtest/gtest.h>

using NVorel::CFontExt;

namespace {

// The description's height, weight, italic, character set and face; the
// font's height and width.
std::string described(const CFontExt& f)
{
    const LOGFONTW& lf = f.GetLogFontDescription();
    return std::to_string(lf.lfHeight) + " " + std::to_string(lf.lfWeight) + (lf.lfItalic ? " italic" : "") +
           " set " + std::to_string(lf.lfCharSet) + " " + toUtf8(lf.lfFaceName) + ", " +
           std::to_string(f.GetHeight()) + " by " + std::to_string(f.GetWidth());
}

// The font selected in a DC, read by swapping a probe font in and out.
HFONT currentFont(CDC& dc)
{
    static CFont probe;
    if (!probe.GetSafeHandle()) {
        LOGFONTW lf{};
        lf.lfHeight = -9;
        probe.CreateFontIndirect(&lf);
    }
    CFont* previous = dc.SelectObject(&probe);
    dc.SelectObject(previous);
    return previous ? (HFONT)previous->GetSafeHandle() : nullptr;
}

} // namespace

TEST(FontExt, DescriptionDefaultsAndChainedSetters)
{
    CFontExt f;
    EXPECT_EQ(described(f), "-12 400 set 0 Arial, 12 by 8"); // 0.7 x 12 = 8.4
    f.SetSize(20).SetBold(true).SetItalic(true).SetCharSet(0x1CC).SetFace(CString(L'x', 40));
    // The character set's low byte; the face cut to 31 characters.
    EXPECT_EQ(described(f), "-20 700 italic set 204 " + std::string(31, 'x') + ", 20 by 14");
    EXPECT_EQ(f.GetSafeHandle(), nullptr); // setters never create
}

TEST(FontExt, CreateFromAnotherFontOrNothing)
{
    CFontExt empty(nullptr);
    EXPECT_EQ(empty.GetSafeHandle(), nullptr);
    EXPECT_EQ(empty.GetLogFontDescription().lfHeight, 16);
    EXPECT_STREQ(empty.GetLogFontDescription().lfFaceName, L"");

    CFontExt source;
    source.SetSize(18).SetBold(true);
    ASSERT_TRUE(source.CreateDeviceFont());
    CFontExt copy(&source);
    EXPECT_NE(copy.GetSafeHandle(), nullptr);
    EXPECT_EQ(described(copy), "-18 700 set 0 Arial, 18 by 12");

    CFontExt points;
    points.SetSize(100); // 10 points: 13 pixels at 96 DPI
    ASSERT_TRUE(points.CreatePointFont());
    LOGFONTW lf{};
    points.GetObject(sizeof lf, &lf);
    EXPECT_EQ(std::labs(lf.lfHeight), 13);
}

TEST(FontExt, SetRestoresTheFirstDcBeforeSelectingIntoAnother)
{
    testsupport::PixelCanvas a(4, 4, 0), b(4, 4, 0);
    const HFONT originalA = currentFont(a.dc), originalB = currentFont(b.dc);
    CFontExt f;
    f.Set(&a.dc); // no GDI font yet: nothing selected, nothing remembered
    EXPECT_EQ(currentFont(a.dc), originalA);
    f.Restore();

    ASSERT_TRUE(f.CreateDeviceFont());
    f.Set(&a.dc);
    EXPECT_EQ(currentFont(a.dc), (HFONT)f);
    f.Set(&b.dc);
    EXPECT_EQ(currentFont(a.dc), originalA);
    EXPECT_EQ(currentFont(b.dc), (HFONT)f);
    f.Restore();
    f.Restore(); // twice is harmless
    EXPECT_EQ(currentFont(b.dc), originalB);
}
