#include "support/PixelCanvas.h"

#include <gtest/gtest.h>

using testsupport::PixelCanvas;

namespace {

using namespace testsupport::colours;
constexpr COLORREF grey = RGB(192, 192, 192);

constexpr winres::PaletteEntry palette[] = {{'w', white}, {'g', grey}, {'r', red}, {'b', blue}};
constexpr const char* rowsA[] = {"wgr", "rgw"};
constexpr const char* rowsB[] = {"rr"};
constexpr winres::BitmapResource appBitmaps[] = {{7, 3, 2, 24, palette, rowsA}};
constexpr winres::BitmapResource chainBitmaps[] = {{7, 2, 1, 24, palette, rowsB}, {8, 2, 1, 24, palette, rowsB}};
constexpr winres::ResourceTable appTable{{}, {}, {}, appBitmaps};
constexpr winres::ResourceTable chainTable{{}, {}, {}, chainBitmaps};

// A bitmap's pixels as rows of the palette's keys, '?' for any other colour.
std::string rows(HBITMAP h)
{
    const platform::Surface& s = *platform::BitmapSurface(h);
    std::string out;
    for (int y = 0; y < s.height(); ++y) {
        for (int x = 0; x < s.width(); ++x) {
            char key = '?';
            for (const winres::PaletteEntry& e : palette) key = e.color == s.pixel(x, y) ? e.key : key;
            out += key;
        }
        out += '\n';
    }
    return out;
}

// What GetObject tells of a bitmap.
std::string described(const CBitmap& b)
{
    BITMAP bm{};
    if (b.GetObject(sizeof bm, &bm) != (int)sizeof bm) return "no BITMAP";
    return std::to_string(bm.bmWidth) + "x" + std::to_string(bm.bmHeight) + ", " + std::to_string(bm.bmWidthBytes) +
           " bytes a row, " + std::to_string(bm.bmBitsPixel) + " bits, " + std::to_string(bm.bmPlanes) + " plane";
}

} // namespace

TEST(SelectObject, ReturnsThePreviousObjectOfTheSameKindAndABitmapGoesToOneMemoryDC)
{
    CPen a(PS_SOLID, 1, red), b(PS_SOLID, 1, blue);
    CBrush brush(red);
    PixelCanvas c(2, 2, white);
    CPen* stock = c.dc.SelectObject(&a);
    ASSERT_NE(stock, nullptr);
    EXPECT_EQ(stock->m_hObject, GetStockObject(BLACK_PEN));
    EXPECT_EQ(c.dc.SelectObject(&b), &a); // the object attached to the handle itself
    // A brush does not displace the pen.
    EXPECT_EQ(c.dc.SelectObject(&brush)->m_hObject, GetStockObject(WHITE_BRUSH));
    EXPECT_EQ(c.dc.SelectObject(stock), &b);
    // Unknown handles and null objects select nothing.
    EXPECT_EQ(SelectObject(c.dc, (HGDIOBJ)0x7777), nullptr);
    EXPECT_EQ(c.dc.SelectObject((CPen*)nullptr), nullptr);

    // Neither another memory DC nor the screen takes the canvas's bitmap; its own DC may select it again.
    CDC other;
    other.CreateCompatibleDC(&c.dc);
    EXPECT_EQ(other.SelectObject(&c.bitmap), nullptr);
    CWindowDC screen(nullptr);
    EXPECT_EQ(screen.SelectObject(&c.bitmap), nullptr);
    EXPECT_EQ(c.dc.SelectObject(&c.bitmap), &c.bitmap);
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

TEST(CGdiObject, CreateRefusesToReplaceAnObjectItHoldsAndGetObjectDescribesIt)
{
    CBrush brush(red);
    const HGDIOBJ first = brush.m_hObject;
    EXPECT_FALSE(brush.CreateSolidBrush(blue));
    EXPECT_EQ(brush.m_hObject, first);
    EXPECT_TRUE(brush.DeleteObject());
    EXPECT_TRUE(brush.CreateSolidBrush(blue));
    EXPECT_EQ(CGdiObject::FromHandle(brush.m_hObject), &brush);
    EXPECT_FALSE(CPen().CreatePen(99, 1, red)); // not a pen style

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
    // Only a bitmap has pixels.
    EXPECT_EQ(platform::BitmapSurface((HBITMAP)pen.m_hObject), nullptr);
    EXPECT_EQ(platform::BitmapSurface(nullptr), nullptr);
}

TEST(CreateCompatibleBitmap, EmptyAndHugeSizes)
{
    CWindowDC screen(nullptr);
    CBitmap bmp, empty, huge, negative;
    ASSERT_TRUE(bmp.CreateCompatibleBitmap(&screen, 7, 5));
    EXPECT_EQ(described(bmp), "7x5, 28 bytes a row, 32 bits, 1 plane");
    EXPECT_EQ(platform::BitmapSurface(bmp)->pixel(6, 4), black); // a new bitmap is black
    ASSERT_TRUE(empty.CreateCompatibleBitmap(&screen, 0, 10));
    EXPECT_EQ(described(empty), "1x1, 4 bytes a row, 32 bits, 1 plane"); // as Win32 makes it
    EXPECT_FALSE(huge.CreateCompatibleBitmap(&screen, 100000, 100000));
    EXPECT_FALSE(negative.CreateCompatibleBitmap(&screen, -1, 1));
    EXPECT_FALSE(CBitmap().CreateCompatibleBitmap(nullptr, 1, 1));
}

TEST(LoadBitmap, FromTheCurrentResourceHandleThenTheChain)
{
    platform::RegisterApplicationModule(&appTable);
    HMODULE chain = platform::RegisterLinkedModule(L"chain.dll", (const void*)&rows, &chainTable);
    CDynLinkLibrary entry(chain);

    CBitmap a, b, missing;
    ASSERT_TRUE(a.LoadBitmap(7)); // the application has 7: its own wins
    EXPECT_EQ(rows(a), "wgr\nrgw\n");
    ASSERT_TRUE(b.LoadBitmap(8)); // only in the chain
    EXPECT_EQ(rows(b), "rr\n");
    EXPECT_FALSE(missing.LoadBitmap(9));
    EXPECT_EQ(missing.m_hObject, nullptr);
    EXPECT_EQ(LoadBitmapW(GetModuleHandleW(nullptr), L"seven"), nullptr); // names are not ids
    platform::UnregisterLinkedModule(chain);
}

TEST(CreateMappedBitmap, ReplacesEachPixelOnceByTheFirstMatchingMap)
{
    HMODULE app = platform::RegisterApplicationModule(&appTable);
    COLORMAP maps[] = {{grey, red}, {red, blue}, {grey, white}};
    HBITMAP mapped = CreateMappedBitmap(app, 7, 0, maps, 3);
    HBITMAP plain = CreateMappedBitmap(app, 7, 0, nullptr, 5); // no maps: the bitmap as it is
    ASSERT_NE(mapped, nullptr);
    EXPECT_EQ(rows(mapped), "wrb\nbrw\n"); // grey became red and stayed red, the bitmap's own red blue
    EXPECT_EQ(rows(plain), "wgr\nrgw\n");
    EXPECT_EQ(CreateMappedBitmap(app, 9, 0, maps, 3), nullptr);
    DeleteObject(mapped);
    DeleteObject(plain);
}
