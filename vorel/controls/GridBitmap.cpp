#include "controls/GridBitmap.h"

#include "bitmaps/MBitmap.h"
#include "gridctl/GXDrawing.h"

namespace NVorel {

CGridBitmap::~CGridBitmap()
{
    for (auto& entry : m_bitmaps)
        delete entry.second;
    m_bitmaps.clear();
}

CBitmap* CGridBitmap::getBitmap(int nId)
{
    const auto found = m_bitmaps.find(nId);
    if (found != m_bitmaps.end())
        return found->second;
    CBitmap loaded;
    loaded.LoadBitmap((UINT)(nId & 0xFFFF));
    auto* converted = new CBitmap;
    MBitmap::ToDpiAwareBitmap(*converted, loaded, -1.0f, -1.0f, 15, 19, 15, 19);
    m_bitmaps[nId] = converted;
    return converted;
}

void CGridBitmap::Draw(CDC* pDC, CRect rect, ROWCOL, ROWCOL, const CGXStyle& style, const CGXStyle*)
{
    CBitmap* bitmap = getBitmap((int)style.GetLongValue());
    BITMAP info{};
    if (!bitmap || !bitmap->GetObject(sizeof info, &info))
        return;
    const int x = (rect.Width() - info.bmWidth) / 2 + rect.left;
    const int y = (rect.Height() - info.bmHeight) / 2 + rect.top;
    GXDrawTransparentBitmap(pDC, bitmap, x, y, RGB(255, 255, 255));
}

void CGridHBitmap::Draw(CDC* pDC, CRect rect, ROWCOL nRow, ROWCOL nCol, const CGXStyle& style,
                        const CGXStyle* pStandardStyle)
{
    CGXStyle withoutText(style);
    withoutText.SetValue(L"");
    CGXHeader::Draw(pDC, rect, nRow, nCol, withoutText, pStandardStyle);
    rect.left += 2;
    rect.top += 2;
    CGridBitmap::Draw(pDC, rect, nRow, nCol, style, pStandardStyle);
}

void CGridSBitmap::Draw(CDC* pDC, CRect rect, ROWCOL nRow, ROWCOL nCol, const CGXStyle& style,
                        const CGXStyle* pStandardStyle)
{
    CGXStatic::Draw(pDC, rect, nRow, nCol, style, pStandardStyle);
    CGridBitmap::Draw(pDC, rect, nRow, nCol, style, pStandardStyle);
}

} // namespace NVorel
