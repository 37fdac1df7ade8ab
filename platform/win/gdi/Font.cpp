#include "win/gdi/Font.h"

#include "win/gdi/DC.h"
#include "win/gdi/GdiHandles.h"

#include <cmath>
#include <cstdlib>

namespace {

// a * b / c rounded half away from zero, as Win32's MulDiv.
int mulDiv(int a, int b, int c)
{
    return (int)std::lround((double)a * b / c);
}

} // namespace

BOOL CFont::CreateFontIndirect(const LOGFONTW* lpLogFont)
{
    return !m_hObject && Attach(::CreateFontIndirectW(lpLogFont));
}

BOOL CFont::CreatePointFontIndirect(const LOGFONTW* lpLogFont, CDC* pDC)
{
    if (!lpLogFont) return FALSE;
    HDC hdc = pDC ? pDC->m_hDC : platform::gdi::addScreenDC();
    LOGFONTW lf = *lpLogFont;
    // 720 tenths of a point per inch.
    lf.lfHeight = -std::abs(mulDiv(::GetDeviceCaps(hdc, LOGPIXELSY), lf.lfHeight, 720));
    if (!pDC) ::DeleteDC(hdc);
    return CreateFontIndirect(&lf);
}
