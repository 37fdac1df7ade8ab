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

} // namespace

TEST(SelectObject, ReturnsThePreviousObjectOfItsKindABitmapGoesToOneMemoryDCAndDeleteObjectWaitsForDeselection)
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
    CWindowDC screen(nullptr);
    EXPECT_EQ(other.SelectObject(&c.bitmap), nullptr);
    EXPECT_EQ(screen.SelectObject(&c.bitmap), nullptr);
    EXPECT_EQ(c.dc.SelectObject(&c.bitmap), &c.bitmap);

    // DeleteObject refuses a pen while it is selected.
    HPEN pen = CreatePen(PS_SOLID, 1, red);
    HGDIOBJ old = SelectObject(c.dc, pen);
    EXPECT_FALSE(DeleteObject(pen));
    c.dc.MoveTo(0, 0);
    c.dc.LineTo(2, 0); // the pen still works
    EXPECT_EQ(c.at(1, 0), red);
    SelectObject(c.dc, old);
    // Deleted once deselected, the handle is unknown; stock objects survive deletion.
    LOGPEN lp;
    EXPECT_EQ((std::vector<int>{DeleteObject(pen), GetObjectW(pen, sizeof lp, &lp), SelectObject(c.dc, pen) != nullptr,
                                DeleteObject(pen), DeleteObject(GetStockObject(BLACK_PEN)),
                                GetObjectW(GetStockObject(BLACK_PEN), sizeof lp, &lp)}),
              (std::vector<int>{TRUE, 0, FALSE, FALSE, TRUE, (int)sizeof lp}));
}

TEST(CGdiObject, CreateRefusesToReplaceAnObjectItHoldsAndGetObjectDescribesIt)
{
    CBrush brush(red);
    const HGDIOBJ first = brush.m_hObject;
    // A second brush is refused while the first is held, taken once it is deleted; 99 is no pen style.
    EXPECT_EQ((std::vector<BOOL>{brush.CreateSolidBrush(blue), brush.m_hObject == first, brush.DeleteObject(),
                                 brush.CreateSolidBrush(blue), CPen().CreatePen(99, 1, red)}),
              (std::vector<BOOL>{FALSE, TRUE, TRUE, TRUE, FALSE}));
    EXPECT_EQ(CGdiObject::FromHandle(brush.m_hObject), &brush);

    CPen pen(PS_DOT, 0, RGB(1, 2, 3));
    LOGPEN lp{}, part{};
    part.lopnColor = 99;
    EXPECT_EQ(pen.GetObject(sizeof lp, &lp), (int)sizeof lp);
    EXPECT_EQ(std::make_pair(lp.lopnStyle, lp.lopnColor), std::make_pair((UINT)PS_DOT, RGB(1, 2, 3)));
    // A null buffer asks for the size; a short one gets the beginning only.
    EXPECT_EQ(pen.GetObject(0, nullptr), (int)sizeof(LOGPEN));
    EXPECT_EQ(pen.GetObject(4, &part), 4);
    EXPECT_EQ(std::make_pair(part.lopnStyle, part.lopnColor), std::make_pair((UINT)PS_DOT, (COLORREF)99));
    // Only a bitmap has pixels.
    EXPECT_EQ(platform::BitmapSurface((HBITMAP)pen.m_hObject), nullptr);
    EXPECT_EQ(platform::BitmapSurface(nullptr), nullptr);
}

TEST(CreateCompatibleBitmap, EmptyAndHugeSizes)
{
    CWindowDC screen(nullptr);
    CBitmap bmp, empty, huge, negative;
    ASSERT_TRUE(bmp.CreateCompatibleBitmap(&screen, 7, 5));
    BITMAP bm{};
    EXPECT_EQ(bmp.GetObject(sizeof bm, &bm), (int)sizeof bm);
    EXPECT_EQ((std::vector<LONG>{bm.bmWidth, bm.bmHeight, bm.bmWidthBytes, bm.bmBitsPixel, bm.bmPlanes}),
              (std::vector<LONG>{7, 5, 28, 32, 1}));
    EXPECT_EQ(platform::BitmapSurface(bmp)->pixel(6, 4), black); // a new bitmap is black
    // No width is a bitmap of one pixel, as Win32 makes it; too many pixels or a negative size none.
    ASSERT_TRUE(empty.CreateCompatibleBitmap(&screen, 0, 10));
    EXPECT_EQ(platform::BitmapSurface(empty)->bounds(), CRect(0, 0, 1, 1));
    EXPECT_FALSE(huge.CreateCompatibleBitmap(&screen, 100000, 100000));
    EXPECT_FALSE(negative.CreateCompatibleBitmap(&screen, -1, 1));
    EXPECT_FALSE(CBitmap().CreateCompatibleBitmap(nullptr, 1, 1));
}

// The application's bitmap 7 wins over the chain's; 8 is only in the chain.
TEST(LoadBitmap, FromTheCurrentResourceHandleThenTheChain)
{
    HMODULE app = platform::RegisterApplicationModule(&appTable);
    HMODULE chain = platform::RegisterLinkedModule(L"chain.dll", (const void*)&rows, &chainTable);
    CDynLinkLibrary entry(chain);
    CBitmap a, b, missing;
    ASSERT_TRUE(a.LoadBitmap(7));
    ASSERT_TRUE(b.LoadBitmap(8));
    EXPECT_EQ(rows(a) + rows(b), "wgr\nrgw\nrr\n");
    EXPECT_FALSE(missing.LoadBitmap(9));
    EXPECT_EQ(missing.m_hObject, nullptr);
    EXPECT_EQ(LoadBitmapW(app, L"seven"), nullptr); // names are not ids
    platform::UnregisterLinkedModule(chain);

    // A mapped bitmap has each pixel replaced once, by the first matching map: grey became red and
    // stayed red, the bitmap's own red blue. Without maps it is the bitmap as it is.
    COLORMAP maps[] = {{grey, red}, {red, blue}, {grey, white}};
    HBITMAP mapped = CreateMappedBitmap(app, 7, 0, maps, 3), plain = CreateMappedBitmap(app, 7, 0, nullptr, 5);
    ASSERT_NE(mapped, nullptr);
    EXPECT_EQ(rows(mapped) + rows(plain), "wrb\nbrw\nwgr\nrgw\n");
    EXPECT_EQ(CreateMappedBitmap(app, 9, 0, maps, 3), nullptr);
    DeleteObject(mapped);
    DeleteObject(plain);
}
