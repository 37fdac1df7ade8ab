#include "bitmaps/MBitmap.h"

#include "sysinfo/SysInfo.h"

#include <algorithm>

namespace {

int scaledSize(int size, float factor, int minSize, int maxSize)
{
    int n = std::max((int)((double)size * factor), 1);
    if (maxSize > 0) n = std::min(n, maxSize);
    if (minSize > 0) n = std::max(n, minSize);
    return n;
}

// Nearest-neighbour copy of the whole source onto the whole target.
void scalePixels(const platform::Surface& from, platform::Surface& to)
{
    for (int y = 0; y < to.height(); ++y) {
        const COLORREF* src = from.row((int)((long long)y * from.height() / to.height()));
        COLORREF* dst = to.row(y);
        for (int x = 0; x < to.width(); ++x) dst[x] = src[(long long)x * from.width() / to.width()];
    }
}

} // namespace

BOOL MBitmap::ToDpiAwareBitmap(CBitmap& target, CBitmap& source, float fFactorX, float fFactorY, int nMinCx,
                               int nMaxCx, int nMinCy, int nMaxCy)
{
    const platform::Surface* from = platform::BitmapSurface(source);
    if (!from || from->width() <= 0 || from->height() <= 0 || target.GetSafeHandle()) return FALSE;
    const float fx = fFactorX > 0 ? fFactorX : SYS_GetDPIFactor(SYS_DPI_FACTOR_X);
    const float fy = fFactorY > 0 ? fFactorY : SYS_GetDPIFactor(SYS_DPI_FACTOR_Y);
    CWindowDC screen(nullptr);
    if (!target.CreateCompatibleBitmap(&screen, scaledSize(from->width(), fx, nMinCx, nMaxCx),
                                       scaledSize(from->height(), fy, nMinCy, nMaxCy)))
        return FALSE;
    scalePixels(*from, *platform::BitmapSurface(target));
    return TRUE;
}

BOOL MBitmap::LoadDpiAwareBitmap(const wchar_t* pszModule, long nId, unsigned nFlags, COLORMAP* pMap, int nMapSize)
{
    const HMODULE module = pszModule ? GetModuleHandleW(pszModule) : nullptr;
    if (!module || GetSafeHandle()) return FALSE;
    CBitmap loaded;
    const HBITMAP h = pMap && nMapSize > 0 ? CreateMappedBitmap(module, (INT_PTR)(WORD)nId, 0, pMap, nMapSize)
                                           : LoadBitmapW(module, MAKEINTRESOURCEW(nId));
    if (!h || !loaded.Attach(h)) return FALSE;
    if (nFlags & LDB_NOSCALE) return Attach(loaded.Detach());
    return ToDpiAwareBitmap(*this, loaded, 0.0f, 0.0f, 0, 0, 0, 0);
}
