#include "controls/FontExt.h"
#include "support/PixelCanvas.h"

#include <gtest/gtest.h>

using NVorel::CFontExt;

TEST(FontExt, DescriptionDefaultsAndChainedSetters)
{
    CFontExt f;
    EXPECT_EQ(f.GetHeight(), 12);
    EXPECT_EQ(f.GetWidth(), 8); // 0.7 x 12 = 8.4
    EXPECT_STREQ(f.GetLogFontDescription().lfFaceName, L"Arial");
    EXPECT_EQ(f.GetLogFontDescription().lfWeight, 400);
    EXPECT_EQ(f.GetLogFontDescription().lfCharSet, 0);

    f.SetSize(20).SetBold(true).SetItalic(true).SetCharSet(0x1CC).SetFace(CString(L'x', 40));
    const LOGFONTW& lf = f.GetLogFontDescription();
    EXPECT_EQ(lf.lfHeight, -20);
    EXPECT_EQ(lf.lfWeight, 700);
    EXPECT_EQ(lf.lfItalic, 1);
    EXPECT_EQ(lf.lfCharSet, 0xCC); // the low byte
    EXPECT_EQ(std::wcslen(lf.lfFaceName), 31u);
    EXPECT_EQ(f.GetHeight(), 20);
    EXPECT_EQ(f.GetWidth(), 14);
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
    EXPECT_EQ(copy.GetLogFontDescription().lfHeight, -18);
    EXPECT_EQ(copy.GetLogFontDescription().lfWeight, 700);

    CFontExt points;
    points.SetSize(100); // 10 points: 13 pixels at 96 DPI
    ASSERT_TRUE(points.CreatePointFont());
    LOGFONTW lf{};
    points.GetObject(sizeof lf, &lf);
    EXPECT_EQ(std::labs(lf.lfHeight), 13);
}

namespace {
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
