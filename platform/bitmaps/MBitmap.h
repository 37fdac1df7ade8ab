#pragma once
// MBitmap: a CBitmap that comes in the size the screen's DPI asks for.
//
// Scaling is nearest-neighbour, so pixel pictures stay crisp; a size scales as
// (int)(size * factor), at least 1: a 13 x 13 picture is 19 x 19 at factor 1.5.
#include "win/Afx.h"

class MBitmap : public CBitmap {
public:
    enum : unsigned {
        LDB_NOSCALE = 0x1, // keep the resource's own size
    };

    // Loads bitmap resource nId of the loaded module named pszModule (a module
    // name as GetModuleHandleW takes it, e.g. "vorel.dll"), applies the colour
    // map (nMapSize pairs; none when pMap is null) and scales it by the screen's
    // DPI factor unless nFlags has LDB_NOSCALE. Fails, leaving the object empty,
    // for an unknown module, a missing resource or an object that holds a bitmap.
    BOOL LoadDpiAwareBitmap(const wchar_t* pszModule, long nId, unsigned nFlags, COLORMAP* pMap, int nMapSize);

    // Fills target (which must be empty) with a scaled copy of source. A factor
    // of 0 or below means the screen's DPI factor in that direction. The four
    // limits bound the result's width (nMinCx..nMaxCx) and height
    // (nMinCy..nMaxCy); 0 means no bound on that side.
    static BOOL ToDpiAwareBitmap(CBitmap& target, CBitmap& source, float fFactorX, float fFactorY, int nMinCx,
                                 int nMaxCx, int nMinCy, int nMaxCy);
};
