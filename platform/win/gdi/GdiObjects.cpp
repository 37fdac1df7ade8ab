// The Win32 functions that create, inspect and delete GDI objects.
#include "win/gdi/Gdi.h"
#include "win/gdi/GdiHandles.h"
#include "win/kernel/Resources.h"

#include <cstring>

using namespace platform;
using namespace platform::gdi;

namespace {

// Larger bitmaps are refused instead of exhausting memory.
constexpr int maxBitmapSide = 16384;

template <class H> H handle(Object object)
{
    return (H)addObject(std::move(object));
}

HBITMAP bitmapFromResource(HINSTANCE hInstance, LPCWSTR name, std::span<const COLORMAP> maps)
{
    if (!IS_INTRESOURCE(name)) return nullptr;
    const winres::BitmapResource* res = FindBitmapResource(hInstance, (UINT)(uintptr_t)name);
    if (!res || res->width <= 0 || res->height <= 0 || res->width > maxBitmapSide || res->height > maxBitmapSide)
        return nullptr;
    Surface s(res->width, res->height);
    for (int y = 0; y < res->height; ++y)
        for (int x = 0; x < res->width; ++x) {
            COLORREF c = winres::bitmapPixel(*res, x, y);
            for (const COLORMAP& m : maps)
                if (m.from == c) {
                    c = m.to;
                    break;
                }
            s.row(y)[x] = c & 0x00FFFFFF;
        }
    return handle<HBITMAP>(Object{BitmapObject{std::move(s)}});
}

template <class T> int copyRecord(const T& record, int c, LPVOID pv)
{
    if (!pv) return (int)sizeof(T);
    if (c <= 0) return 0;
    const size_t n = std::min((size_t)c, sizeof(T));
    std::memcpy(pv, &record, n);
    return (int)n;
}

} // namespace

HPEN CreatePen(int iStyle, int cWidth, COLORREF color)
{
    if (iStyle < PS_SOLID || iStyle > PS_NULL) return nullptr;
    return handle<HPEN>(Object{PenObject{{(UINT)iStyle, {cWidth < 0 ? 0 : cWidth, 0}, color & 0x00FFFFFF}}});
}

HBRUSH CreateSolidBrush(COLORREF color)
{
    return handle<HBRUSH>(Object{BrushObject{{BS_SOLID, color & 0x00FFFFFF, 0}}});
}

HFONT CreateFontIndirectW(const LOGFONTW* lplf)
{
    if (!lplf) return nullptr;
    FontObject font{*lplf};
    return font.resolve() ? handle<HFONT>(Object{font}) : nullptr;
}

HBITMAP CreateCompatibleBitmap(HDC hdc, int cx, int cy)
{
    if (!findDC(hdc) || cx < 0 || cy < 0 || cx > maxBitmapSide || cy > maxBitmapSide) return nullptr;
    // Win32 answers an empty size with a 1 x 1 bitmap.
    if (cx == 0 || cy == 0) cx = cy = 1;
    return handle<HBITMAP>(Object{BitmapObject{Surface(cx, cy, RGB(0, 0, 0))}});
}

HBITMAP LoadBitmapW(HINSTANCE hInstance, LPCWSTR lpBitmapName)
{
    return bitmapFromResource(hInstance, lpBitmapName, {});
}

HBITMAP CreateMappedBitmap(HINSTANCE hInstance, INT_PTR idBitmap, UINT, LPCOLORMAP lpColorMap, int iNumMaps)
{
    const size_t n = lpColorMap && iNumMaps > 0 ? (size_t)iNumMaps : 0;
    return bitmapFromResource(hInstance, MAKEINTRESOURCEW(idBitmap), {lpColorMap, n});
}

HGDIOBJ GetStockObject(int i)
{
    return stockObject(i);
}

BOOL DeleteObject(HGDIOBJ ho)
{
    return deleteObject(ho);
}

int GetObjectW(HGDIOBJ h, int c, LPVOID pv)
{
    Object* o = findObject(h);
    if (!o) return 0;
    if (auto* pen = std::get_if<PenObject>(&o->data)) return copyRecord(pen->log, c, pv);
    if (auto* brush = std::get_if<BrushObject>(&o->data)) return copyRecord(brush->log, c, pv);
    if (auto* font = std::get_if<FontObject>(&o->data)) return copyRecord(font->log, c, pv);
    const Surface& s = std::get<BitmapObject>(o->data).surface;
    const BITMAP bm{0, s.width(), s.height(), s.width() * 4, 1, 32, nullptr};
    return copyRecord(bm, c, pv);
}
