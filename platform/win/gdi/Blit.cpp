// Raster operations over rectangles: PatBlt, BitBlt, TransparentBlt and solid fills.
#include "win/gdi/Gdi.h"
#include "win/gdi/GdiHandles.h"

#include <cstring>
#include <vector>

using namespace platform;
using namespace platform::gdi;

namespace {

BYTE ropIndex(DWORD rop)
{
    return (BYTE)(rop >> 16);
}

// The truth table over P, S and D does not depend on the source.
bool usesSource(BYTE index)
{
    return ((index >> 2) ^ index) & 0x33;
}

bool usesPattern(BYTE index)
{
    return ((index >> 4) ^ index) & 0x0F;
}

// Evaluates a ternary raster operation bit by bit: bit k of the index gives
// the result for pattern bit k&4, source bit k&2 and destination bit k&1.
COLORREF rop3(BYTE index, COLORREF p, COLORREF s, COLORREF d)
{
    COLORREF r = 0;
    for (int k = 0; k < 8; ++k)
        if ((index >> k) & 1) r |= ((k & 4) ? p : ~p) & ((k & 2) ? s : ~s) & ((k & 1) ? d : ~d);
    return r & 0x00FFFFFF;
}

// The constant colour of an operation without source and destination, if it is one.
bool constantColor(BYTE index, COLORREF pattern, COLORREF& out)
{
    if (index == 0x00 || index == 0xFF || index == 0xF0 || index == 0x0F) {
        out = rop3(index, pattern, 0, 0);
        return true;
    }
    return false;
}

CRect normalized(int x, int y, int w, int h)
{
    CRect r(x, y, x + w, y + h);
    r.NormalizeRect();
    return r;
}

bool patternColor(const DeviceContext& dc, BYTE index, COLORREF& pattern)
{
    const LOGBRUSH& brush = dc.brushLog();
    pattern = brush.lbColor;
    return brush.lbStyle == BS_SOLID || !usesPattern(index);
}

} // namespace

BOOL PatBlt(HDC hdc, int x, int y, int w, int h, DWORD rop)
{
    DeviceContext* dc = findDC(hdc);
    const BYTE index = ropIndex(rop);
    if (!dc || usesSource(index)) return FALSE;
    COLORREF pattern = 0;
    if (!patternColor(*dc, index, pattern)) return TRUE; // a hollow brush paints nothing
    Canvas canvas(*dc);
    CRect r = dc->toSurface(normalized(x, y, w, h));
    COLORREF constant = 0;
    if (constantColor(index, pattern, constant)) {
        canvas.fill(r, constant);
        return TRUE;
    }
    canvas.eachPart(r, [&](const CRect& part) {
        for (int py = part.top; py < part.bottom; ++py) {
            COLORREF* row = canvas.surface.row(py);
            for (int px = part.left; px < part.right; ++px) row[px] = rop3(index, pattern, 0, row[px]);
        }
    });
    return TRUE;
}

BOOL BitBlt(HDC hdc, int x, int y, int cx, int cy, HDC hdcSrc, int x1, int y1, DWORD rop)
{
    const BYTE index = ropIndex(rop);
    if (!usesSource(index)) return PatBlt(hdc, x, y, cx, cy, rop);
    DeviceContext* dc = findDC(hdc);
    DeviceContext* src = findDC(hdcSrc);
    if (!dc || !src || cx < 0 || cy < 0) return FALSE;
    COLORREF pattern = 0;
    if (!patternColor(*dc, index, pattern)) return TRUE;
    Canvas canvas(*dc);
    const Surface& from = src->surface();
    const CPoint s0 = src->toSurface(x1, y1);
    CRect r = dc->toSurface(CRect(x, y, x + cx, y + cy));
    // Only where the source exists.
    CRect srcArea = from.bounds();
    srcArea.OffsetRect(r.left - s0.x, r.top - s0.y);
    if (!r.IntersectRect(&r, &srcArea) || !r.IntersectRect(&r, &canvas.clip)) return TRUE;
    const int dx = s0.x - (x + dc->origin.x), dy = s0.y - (y + dc->origin.y);
    const size_t width = (size_t)r.Width();
    // The source may be the destination itself: then read it before writing.
    std::vector<COLORREF> copy;
    if (&from == &canvas.surface) {
        copy.resize(width * (size_t)r.Height());
        for (int py = r.top; py < r.bottom; ++py)
            std::memcpy(&copy[(size_t)(py - r.top) * width], from.row(py + dy) + r.left + dx,
                        width * sizeof(COLORREF));
    }
    canvas.eachPart(r, [&](const CRect& part) {
        const size_t n = (size_t)part.Width();
        for (int py = part.top; py < part.bottom; ++py) {
            COLORREF* row = canvas.surface.row(py) + part.left;
            const COLORREF* s = copy.empty() ? from.row(py + dy) + part.left + dx
                                             : &copy[(size_t)(py - r.top) * width + (size_t)(part.left - r.left)];
            if (index == ropIndex(SRCCOPY))
                std::memcpy(row, s, n * sizeof(COLORREF));
            else
                for (size_t i = 0; i < n; ++i) row[i] = rop3(index, pattern, s[i], row[i]);
        }
    });
    return TRUE;
}

BOOL TransparentBlt(HDC hdcDest, int xDest, int yDest, int wDest, int hDest, HDC hdcSrc, int xSrc, int ySrc,
                    int wSrc, int hSrc, UINT crTransparent)
{
    DeviceContext* dc = findDC(hdcDest);
    DeviceContext* src = findDC(hdcSrc);
    if (!dc || !src || wDest <= 0 || hDest <= 0 || wSrc <= 0 || hSrc <= 0) return FALSE;
    Canvas canvas(*dc);
    const Surface& from = src->surface();
    const CPoint d0 = dc->toSurface(xDest, yDest);
    const CPoint s0 = src->toSurface(xSrc, ySrc);
    const COLORREF key = crTransparent & 0x00FFFFFF;
    for (int j = 0; j < hDest; ++j)
        for (int i = 0; i < wDest; ++i) {
            // Nearest source pixel: the centre of the destination pixel, scaled.
            const int sx = s0.x + (int)(((long long)i * 2 + 1) * wSrc / (2LL * wDest));
            const int sy = s0.y + (int)(((long long)j * 2 + 1) * hSrc / (2LL * hDest));
            const COLORREF c = from.pixel(sx, sy);
            if (c != CLR_INVALID && c != key) canvas.plot(d0.x + i, d0.y + j, c);
        }
    return TRUE;
}

namespace platform::gdi {

bool fillSolid(HDC h, const RECT& r, COLORREF color)
{
    DeviceContext* dc = findDC(h);
    if (!dc) return false;
    dc->bkColor = color & 0x00FFFFFF;
    Canvas(*dc).fill(dc->toSurface(r), dc->bkColor);
    return true;
}

} // namespace platform::gdi
