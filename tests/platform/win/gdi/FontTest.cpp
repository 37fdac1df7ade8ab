#include "support/TextCanvas.h"
#include "win/gdi/FontEngine.h"

#include <gtest/gtest.h>

using testsupport::logFont;
using testsupport::TextCanvas;

namespace {

// The face that draws for the font.
std::wstring faceOf(const LOGFONTW& lf)
{
    TextCanvas c(1, 1, lf);
    wchar_t name[64] = {};
    GetTextFaceW(c.dc, 64, name);
    return name;
}

CSize extentOf(const LOGFONTW& lf, const CString& text)
{
    return TextCanvas(1, 1, lf).extent(text);
}

// What GetObject gives back of a font: "face height weight italic".
CString described(const CFont& font)
{
    LOGFONTW lf{};
    CString s;
    if (font.GetObject(sizeof lf, &lf) == (int)sizeof lf)
        s.Format(L"%s %d %d %d", lf.lfFaceName, (int)lf.lfHeight, (int)lf.lfWeight, (int)lf.lfItalic);
    return s;
}

} // namespace

TEST(CFont, PositiveHeightIsTheCellNegativeHeightTheCharacter)
{
    // A text extent is one cell high: exactly a positive lfHeight.
    for (LONG h : {8, 13, 20, 236}) EXPECT_EQ(extentOf(logFont(L"Arial", h), L"Hg").cy, h) << h;
    // The character height leaves out the internal leading, so its cell is taller.
    const CSize neg = extentOf(logFont(L"Arial", -20), L"Hg");
    EXPECT_GT(neg.cy, 20);
    EXPECT_LT(neg.cy, 26);
    EXPECT_GT(neg.cx, extentOf(logFont(L"Arial", 20), L"Hg").cx);
    // A zero height is a usable default size.
    EXPECT_GT(extentOf(logFont(L"Arial", 0), L"H").cy, 8);
}

TEST(CFont, ArialIsLiberationSansAnUnknownOrEmptyFaceIsSansSerifAndItalicChoosesTheStyle)
{
    const std::wstring sans = faceOf(logFont(L"sans-serif", -14));
    EXPECT_NE(sans, L"");
    EXPECT_EQ(faceOf(logFont(L"No Such Face 42", -14)), sans);
    EXPECT_EQ(faceOf(logFont(L"", -14)), sans);
    EXPECT_EQ(faceOf(logFont(L"Arial", -14)), L"Liberation Sans");
    EXPECT_EQ(faceOf(logFont(L"Arial", -14, FW_NORMAL, 1)), L"Liberation Sans");
    // Italic and regular Liberation Sans share their advance widths, but not their ink.
    TextCanvas upright(60, 20, logFont(L"Arial", -14)), slanted(60, 20, logFont(L"Arial", -14, FW_NORMAL, 1));
    upright.dc.TextOut(2, 2, CString(L"llll"));
    slanted.dc.TextOut(2, 2, CString(L"llll"));
    EXPECT_NE(upright.surface(), slanted.surface());
}

TEST(CFont, GetObjectGivesBackTheDescriptionAndPointFontsFollowTheScreenDpi)
{
    CFont font, tenPoints, atMoreDpi;
    const LOGFONTW lf = logFont(L"Arial", -17, FW_BOLD, 1);
    ASSERT_TRUE(font.CreateFontIndirectW(&lf));
    EXPECT_EQ(described(font), L"Arial -17 700 1");
    EXPECT_FALSE(CFont().CreateFontIndirect(nullptr));
    // Tenths of a point: 10 points are 10 / 72 inch, at 96 DPI 13.33 pixels, at 120 DPI 16.67.
    LOGFONTW points = logFont(L"Arial", 100);
    ASSERT_TRUE(tenPoints.CreatePointFontIndirect(&points));
    platform::desktop().setDpi(120);
    points.lfHeight = -100; // the sign does not matter
    ASSERT_TRUE(atMoreDpi.CreatePointFontIndirect(&points));
    platform::desktop().setDpi(96);
    EXPECT_EQ(described(tenPoints), L"Arial -13 400 0");
    EXPECT_EQ(described(atMoreDpi), L"Arial -17 400 0");
}

TEST(FontEngine, GlyphsAreRenderedOncePerFaceAndCharacter)
{
    TextCanvas c(200, 30, logFont(L"Arial", -15));
    const CString text = L"Glyph cache \x00e9\x20ac";
    const CSize first = c.extent(text);
    const long rendered = platform::RenderedGlyphCount();
    for (int i = 0; i < 3; ++i) c.dc.TextOut(0, 0, text);
    EXPECT_EQ(c.extent(text), first);
    EXPECT_EQ(platform::RenderedGlyphCount(), rendered);
    // Another size is another face: its glyphs are rendered anew.
    extentOf(logFont(L"Arial", -16), L"G");
    EXPECT_EQ(platform::RenderedGlyphCount(), rendered + 1);
}
