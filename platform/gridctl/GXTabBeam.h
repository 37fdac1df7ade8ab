#pragma once
// CGXTabBeam: the strip of sheet tabs of a grid window with several sheets.
// Its fonts and height are set directly; the beam owns the two fonts.
#include "win/gdi/Font.h"

class CGXTabBeam {
public:
    CGXTabBeam() = default;
    CGXTabBeam(const CGXTabBeam&) = delete;
    CGXTabBeam& operator=(const CGXTabBeam&) = delete;
    ~CGXTabBeam() { DestroyFonts(); }

    // Deletes both fonts and leaves the members null.
    void DestroyFonts();

    CFont* m_pFontCurrent = nullptr; // the tab of the sheet shown
    CFont* m_pFontNormal = nullptr;  // every other tab
    int m_nHeight = 18;              // in pixels
};
