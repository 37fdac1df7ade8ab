#pragma once
// CFont: a GDI font made from a LOGFONTW. A negative lfHeight is the character
// (em) height in pixels, a positive one the cell height (ascent + descent), 0 a
// cell of 16 pixels. The face is matched by fontconfig (see FontEngine.h).
#include "win/gdi/GdiObject.h"

class CFont : public CGdiObject {
public:
    BOOL CreateFontIndirect(const LOGFONTW* lpLogFont);
    BOOL CreateFontIndirectW(const LOGFONTW* lpLogFont) { return CreateFontIndirect(lpLogFont); }
    // lfHeight in tenths of a point (its sign does not matter), converted with
    // the LOGPIXELSY of pDC or, without one, of the screen.
    BOOL CreatePointFontIndirect(const LOGFONTW* lpLogFont, CDC* pDC = nullptr);
    operator HFONT() const { return (HFONT)m_hObject; }
    static CFont* FromHandle(HFONT h) { return (CFont*)CGdiObject::FromHandle(h); }
};
