#include "support/PixelCanvas.h"
#include "win/gdi/FontEngine.h"

#include <gtest/gtest.h>

#include <cwchar>

using testsupport::PixelCanvas;

namespace {

LOGFONTW logFont(const wchar_t* face, LONG height, LONG weight = FW_NORMAL, BYTE italic = 0)
{
    LOGFONTW lf{};
    lf.lfHeight = height;
    lf.lfWeight = weight;
    lf.lfItalic = italic;
    std::wcsncpy(lf.lfFaceName, face, LF_FACESIZE - 1);
    return lf;
}

// What a DC with the font selected reports: the face that draws and a text's extent.
struct Probe {
    explicit Probe(const LOGFONTW& lf)
    {
        dc.CreateCompatibleDC(nullptr);
        created = font.CreateFontIndirect(&lf);
        old = dc.SelectObject(&font);
    }
    ~Probe() { dc.SelectObject(old); }
    std::wstring face()
    {
        wchar_t name[64] = {};
        GetTextFaceW(dc, 64, name);
        return name;
    }
    CSize extent(const CString& s) { return dc.GetTextExtent(s); }

    CDC dc;
    CFont font;
    CFont* old = nullptr;
    BOOL created = FALSE;
};

} // namespace

TEST(CFont, ArialIsLiberationSansAndAnUnknownFaceFallsBackToSansSerif)
{
    Probe arial(logFont(L"Arial", -12));
    ASSERT_TRUE(arial.created);
    EXPECT_EQ(arial.face(), L"Liberation Sans");
    Probe unknown(logFont(L"No Such Face 42", -12));
    ASSERT_TRUE(unknown.created);
    Probe sans(logFont(L"sans-serif", -12));
    EXPECT_EQ(unknown.face(), sans.face());
    EXPECT_NE(unknown.face(), L"");
    // An empty face name is the same fallback.
    Probe none(logFont(L"", -12));
    EXPECT_EQ(none.face(), sans.face());
}

TEST(CFont, PositiveHeightIsTheCellNegativeHeightTheCharacter)
{
    // A text extent is one cell high: exactly a positive lfHeight.
    for (LONG h : {8, 13, 20, 236}) EXPECT_EQ(Probe(logFont(L"Arial", h)).extent(L"Hg").cy, h) << h;
    // The character height leaves out the internal leading, so its cell is taller.
    const CSize neg = Probe(logFont(L"Arial", -20)).extent(L"Hg");
    const CSize pos = Probe(logFont(L"Arial", 20)).extent(L"Hg");
    EXPECT_GT(neg.cy, 20);
    EXPECT_LT(neg.cy, 26);
    EXPECT_GT(neg.cx, pos.cx);
    // A zero height is a usable default size.
    EXPECT_GT(Probe(logFont(L"Arial", 0)).extent(L"H").cy, 8);
}

TEST(CFont, WeightAndItalicChooseTheStyle)
{
    const CString text = L"Reinforcement area";
    const int regular = Probe(logFont(L"Arial", -14)).extent(text).cx;
    const int bold = Probe(logFont(L"Arial", -14, FW_BOLD)).extent(text).cx;
    EXPECT_GT(bold, regular);
    Probe italic(logFont(L"Arial", -14, FW_NORMAL, 1));
    EXPECT_EQ(italic.face(), L"Liberation Sans");
    // Italic and regular Liberation Sans share their advance widths, but not their ink.
    PixelCanvas upright(60, 20, RGB(255, 255, 255)), slanted(60, 20, RGB(255, 255, 255));
    const LOGFONTW ul = logFont(L"Arial", -14), sl = logFont(L"Arial", -14, FW_NORMAL, 1);
    CFont uf, sf;
    uf.CreateFontIndirect(&ul);
    sf.CreateFontIndirect(&sl);
    CFont* o1 = upright.dc.SelectObject(&uf);
    CFont* o2 = slanted.dc.SelectObject(&sf);
    upright.dc.TextOut(2, 2, CString(L"llll"));
    slanted.dc.TextOut(2, 2, CString(L"llll"));
    EXPECT_NE(upright.surface(), slanted.surface());
    upright.dc.SelectObject(o1);
    slanted.dc.SelectObject(o2);
}

TEST(CFont, GetObjectGivesBackTheDescription)
{
    CFont font;
    const LOGFONTW lf = logFont(L"Arial", -17, FW_BOLD, 1);
    ASSERT_TRUE(font.CreateFontIndirectW(&lf));
    LOGFONTW back{};
    EXPECT_EQ(font.GetObject(sizeof back, &back), (int)sizeof(LOGFONTW));
    EXPECT_EQ(back.lfHeight, -17);
    EXPECT_EQ(back.lfWeight, FW_BOLD);
    EXPECT_EQ(back.lfItalic, 1);
    EXPECT_STREQ(back.lfFaceName, L"Arial");
    EXPECT_FALSE(CFont().CreateFontIndirect(nullptr));
}

TEST(CFont, PointFontsConvertTenthsOfAPointWithTheScreenDpi)
{
    CFont font;
    LOGFONTW lf = logFont(L"Arial", 100); // 10 points
    ASSERT_TRUE(font.CreatePointFontIndirect(&lf));
    LOGFONTW back{};
    font.GetObject(sizeof back, &back);
    EXPECT_EQ(back.lfHeight, -13); // 10 / 72 inch at 96 DPI: 13.33 pixels

    platform::desktop().setDpi(120);
    CFont big;
    lf.lfHeight = -100; // the sign does not matter
    ASSERT_TRUE(big.CreatePointFontIndirect(&lf));
    big.GetObject(sizeof back, &back);
    EXPECT_EQ(back.lfHeight, -17); // 16.67 pixels
    platform::desktop().setDpi(96);
}

TEST(FontEngine, GlyphsAreRenderedOncePerFaceAndCharacter)
{
    Probe p(logFont(L"Arial", -15));
    const CString text = L"Glyph cache \x00e9\x20ac";
    const CSize first = p.extent(text);
    const long rendered = platform::RenderedGlyphCount();
    PixelCanvas c(200, 30, RGB(255, 255, 255));
    CFont* old = c.dc.SelectObject(&p.font);
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(p.extent(text), first);
        c.dc.TextOut(0, 0, text);
    }
    c.dc.SelectObject(old);
    EXPECT_EQ(platform::RenderedGlyphCount(), rendered);
    // Another size is another face: its glyphs are rendered anew.
    Probe(logFont(L"Arial", -16)).extent(L"G");
    EXPECT_EQ(platform::RenderedGlyphCount(), rendered + 1);
}
