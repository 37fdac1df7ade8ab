#include "support/PixelCanvas.h"

#include <gtest/gtest.h>

#include <cstring>

using testsupport::PixelCanvas;

namespace {

constexpr COLORREF white = RGB(255, 255, 255);
constexpr COLORREF grey = RGB(192, 192, 192);
constexpr COLORREF red = RGB(255, 0, 0);
constexpr COLORREF blue = RGB(0, 0, 255);

constexpr winres::PaletteEntry palette[] = {{'w', white}, {'g', grey}, {'r', red}};
constexpr const char* rowsA[] = {"wgr", "rgw"};
constexpr const char* rowsB[] = {"rr"};
constexpr winres::BitmapResource appBitmaps[] = {{7, 3, 2, 24, palette, rowsA}};
constexpr winres::BitmapResource chainBitmaps[] = {{7, 2, 1, 24, palette, rowsB}, {8, 2, 1, 24, palette, rowsB}};
constexpr winres::ResourceTable appTable{{}, {}, {}, appBitmaps};
constexpr winres::ResourceTable chainTable{{}, {}, {}, chainBitmaps};

const platform::Surface& pixels(const CBitmap& b)
{
    return *platform::BitmapSurface(b);
}

BITMAP bitmapInfo(const CBitmap& b)
{
    BITMAP bm{};
    EXPECT_EQ(b.GetObject(sizeof bm, &bm), (int)sizeof bm);
    return bm;
}

} // namespace

TEST(SelectObject, ReturnsThePreviousObjectOfTheSameKind)
{
    PixelCanvas c(2, 2, white);
    CPen a(PS_SOLID, 1, red), b(PS_SOLID, 1, blue);
    CBrush brush(red);
    CPen* stock = c.dc.SelectObject(&a);
    ASSERT_NE(stock, nullptr);
    EXPECT_EQ(stock->m_hObject, GetStockObject(BLACK_PEN));
    EXPECT_EQ(c.dc.SelectObject(&b), &a); // the object attached to the handle itself
    // A brush does not displace the pen.
    EXPECT_EQ(c.dc.SelectObject(&brush)->m_hObject, GetStockObject(WHITE_BRUSH));
    EXPECT_EQ(c.dc.SelectObject(stock), &b);
    EXPECT_EQ(c.dc.SelectObject(CBrush::FromHandle((HBRUSH)GetStockObject(WHITE_BRUSH))), &brush);
    // Unknown handles and null objects select nothing.
    EXPECT_EQ(SelectObject(c.dc, (HGDIOBJ)0x7777), nullptr);
    EXPECT_EQ(c.dc.SelectObject((CPen*)nullptr), nullptr);
}

TEST(DeleteObject, RefusedWhileSelectedThenAllowedAndTheHandleIsGone)
{
    PixelCanvas c(2, 2, white);
    HPEN pen = CreatePen(PS_SOLID, 1, red);
    HGDIOBJ old = SelectObject(c.dc, pen);
    EXPECT_FALSE(DeleteObject(pen));
    c.dc.MoveTo(0, 0);
    c.dc.LineTo(2, 0); // the pen still works
    EXPECT_EQ(c.at(1, 0), red);
    SelectObject(c.dc, old);
    EXPECT_TRUE(DeleteObject(pen));
    LOGPEN lp;
    EXPECT_EQ(GetObjectW(pen, sizeof lp, &lp), 0);
    EXPECT_EQ(SelectObject(c.dc, pen), nullptr);
    EXPECT_FALSE(DeleteObject(pen));
    // Stock objects survive deletion.
    EXPECT_TRUE(DeleteObject(GetStockObject(BLACK_PEN)));
    EXPECT_EQ(GetObjectW(GetStockObject(BLACK_PEN), sizeof lp, &lp), (int)sizeof lp);
}

TEST(SelectObject, ABitmapBelongsToOneMemoryDCAtATime)
{
    PixelCanvas c(3, 3, white);
    CDC other;
    other.CreateCompatibleDC(&c.dc);
    EXPECT_EQ(other.SelectObject(&c.bitmap), nullptr);
    CWindowDC screen(nullptr);
    EXPECT_EQ(screen.SelectObject(&c.bitmap), nullptr);
    // The DC that holds it may select it again.
    EXPECT_EQ(c.dc.SelectObject(&c.bitmap), &c.bitmap);
}

TEST(GetObject, DescribesBitmapsPensAndFonts)
{
    CWindowDC screen(nullptr);
    CBitmap bmp;
    ASSERT_TRUE(bmp.CreateCompatibleBitmap(&screen, 7, 5));
    const BITMAP bm = bitmapInfo(bmp);
    EXPECT_EQ(bm.bmWidth, 7);
    EXPECT_EQ(bm.bmHeight, 5);
    EXPECT_EQ(bm.bmWidthBytes, 28);
    EXPECT_EQ(bm.bmBitsPixel, 32);
    EXPECT_EQ(bm.bmPlanes, 1);
    EXPECT_EQ(pixels(bmp).pixel(6, 4), RGB(0, 0, 0)); // a new bitmap is black

    CPen pen(PS_DOT, 0, RGB(1, 2, 3));
    LOGPEN lp{};
    EXPECT_EQ(pen.GetObject(sizeof lp, &lp), (int)sizeof lp);
    EXPECT_EQ(lp.lopnStyle, (UINT)PS_DOT);
    EXPECT_EQ(lp.lopnColor, RGB(1, 2, 3));

    // A null buffer asks for the size; a short one gets the beginning only.
    EXPECT_EQ(pen.GetObject(0, nullptr), (int)sizeof(LOGPEN));
    LOGPEN part{};
    part.lopnColor = 99;
    EXPECT_EQ(pen.GetObject(4, &part), 4);
    EXPECT_EQ(part.lopnStyle, (UINT)PS_DOT);
    EXPECT_EQ(part.lopnColor, 99u);
}

TEST(CGdiObject, CreateRefusesToReplaceAnObjectItHolds)
{
    CBrush brush(red);
    const HGDIOBJ first = brush.m_hObject;
    EXPECT_FALSE(brush.CreateSolidBrush(blue));
    EXPECT_EQ(brush.m_hObject, first);
    EXPECT_TRUE(brush.DeleteObject());
    EXPECT_TRUE(brush.CreateSolidBrush(blue));
    EXPECT_EQ(CGdiObject::FromHandle(brush.m_hObject), &brush);
    EXPECT_FALSE(CPen().CreatePen(99, 1, red)); // not a pen style
}

TEST(CreateCompatibleBitmap, EmptyAndHugeSizes)
{
    CWindowDC screen(nullptr);
    CBitmap empty, huge, negative;
    ASSERT_TRUE(empty.CreateCompatibleBitmap(&screen, 0, 10));
    EXPECT_EQ(bitmapInfo(empty).bmWidth, 1);
    EXPECT_FALSE(huge.CreateCompatibleBitmap(&screen, 100000, 100000));
    EXPECT_FALSE(negative.CreateCompatibleBitmap(&screen, -1, 1));
    EXPECT_FALSE(CBitmap().CreateCompatibleBitmap(nullptr, 1, 1));
}

TEST(LoadBitmap, FromTheCurrentResourceHandleThenTheChain)
{
    platform::RegisterApplicationModule(&appTable);
    HMODULE chain = platform::RegisterLinkedModule(L"chain.dll", (const void*)&bitmapInfo, &chainTable);
    CDynLinkLibrary entry(chain);

    CBitmap a, b, missing;
    ASSERT_TRUE(a.LoadBitmap(7)); // the application has 7: its own wins
    EXPECT_EQ(bitmapInfo(a).bmWidth, 3);
    EXPECT_EQ(pixels(a).pixel(0, 0), white);
    EXPECT_EQ(pixels(a).pixel(1, 0), grey);
    EXPECT_EQ(pixels(a).pixel(2, 0), red);
    EXPECT_EQ(pixels(a).pixel(0, 1), red);
    ASSERT_TRUE(b.LoadBitmap(8)); // only in the chain
    EXPECT_EQ(bitmapInfo(b).bmWidth, 2);
    EXPECT_FALSE(missing.LoadBitmap(9));
    EXPECT_EQ(missing.m_hObject, nullptr);
    EXPECT_EQ(LoadBitmapW(GetModuleHandleW(nullptr), L"seven"), nullptr); // names are not ids
    platform::UnregisterLinkedModule(chain);
}

TEST(CreateMappedBitmap, ReplacesEachPixelOnceByTheFirstMatchingMap)
{
    HMODULE app = platform::RegisterApplicationModule(&appTable);
    COLORMAP maps[] = {{grey, red}, {red, blue}, {grey, white}};
    HBITMAP h = CreateMappedBitmap(app, 7, 0, maps, 3);
    ASSERT_NE(h, nullptr);
    const platform::Surface& s = *platform::BitmapSurface(h);
    EXPECT_EQ(s.pixel(0, 0), white);
    EXPECT_EQ(s.pixel(1, 0), red);  // grey became red, and stayed red
    EXPECT_EQ(s.pixel(2, 0), blue); // the bitmap's own red became blue
    // No maps: the plain bitmap.
    HBITMAP plain = CreateMappedBitmap(app, 7, 0, nullptr, 5);
    EXPECT_EQ(platform::BitmapSurface(plain)->pixel(1, 0), grey);
    EXPECT_EQ(CreateMappedBitmap(app, 9, 0, maps, 3), nullptr);
    DeleteObject(h);
    DeleteObject(plain);
}

TEST(BitmapSurface, OnlyForBitmaps)
{
    CPen pen(PS_SOLID, 1, red);
    EXPECT_EQ(platform::BitmapSurface((HBITMAP)pen.m_hObject), nullptr);
    EXPECT_EQ(platform::BitmapSurface(nullptr), nullptr);
}
