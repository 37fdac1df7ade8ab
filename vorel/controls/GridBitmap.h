#pragma once
// Cells that show a bitmap resource whose id is the cell's value:
// CGridHBitmap as a header cell, CGridSBitmap over a static text cell. Both
// share CGridBitmap, which loads each id once, converted for the screen's
// DPI, and draws it centred with white as the transparent colour.
#include "gridctl/GXStatic.h"
#include "win/Afx.h"

#include <map>

namespace NVorel {

class CGridBitmap {
public:
    CGridBitmap() = default;
    // A copy starts with a cache of its own: each bitmap belongs to one control.
    CGridBitmap(const CGridBitmap&) {}
    CGridBitmap& operator=(const CGridBitmap&) { return *this; }
    ~CGridBitmap();

protected:
    // The DPI-converted bitmap of resource nId (found through
    // AfxFindResourceHandle when first asked for); a failed load stays
    // cached as an empty bitmap.
    CBitmap* getBitmap(int nId);
    // The bitmap of the cell's value, centred in rect.
    void Draw(CDC* pDC, CRect rect, ROWCOL nRow, ROWCOL nCol, const CGXStyle& style,
              const CGXStyle* pStandardStyle);

private:
    std::map<int, CBitmap*> m_bitmaps;
};

class CGridHBitmap : public CGXHeader, public CGridBitmap {
public:
    explicit CGridHBitmap(CGXGridCore* pGrid) : CGXHeader(pGrid) {}
    CGridHBitmap(const CGridHBitmap&) = default;
    CGridHBitmap(CGridHBitmap&&) = default;
    CGridHBitmap& operator=(const CGridHBitmap&) = default;
    CGridHBitmap& operator=(CGridHBitmap&&) = default;
    ~CGridHBitmap() override = default;

    // The header without the id as text, the bitmap centred in the cell less
    // 2 pixels at the left and top.
    void Draw(CDC* pDC, CRect rect, ROWCOL nRow, ROWCOL nCol, const CGXStyle& style,
              const CGXStyle* pStandardStyle) override;
};

class CGridSBitmap : public CGXStatic, public CGridBitmap {
public:
    explicit CGridSBitmap(CGXGridCore* pGrid) : CGXStatic(pGrid) {}
    CGridSBitmap(const CGridSBitmap&) = default;
    CGridSBitmap(CGridSBitmap&&) = default;
    CGridSBitmap& operator=(const CGridSBitmap&) = default;
    CGridSBitmap& operator=(CGridSBitmap&&) = default;
    ~CGridSBitmap() override = default;

    // The static cell, its value text included, then the bitmap over it.
    void Draw(CDC* pDC, CRect rect, ROWCOL nRow, ROWCOL nCol, const CGXStyle& style,
              const CGXStyle* pStandardStyle) override;
};

} // namespace NVorel
