#pragma once
// CTextFit: shortens cell texts to the width of their column in a document
// table, measured in Arial at 10 points in twips (a font 236 units high on a
// memory DC compatible with the grid window's).
//
// A text that is too wide first gives up its leading spaces, then characters
// from its end, until it fits; no ellipsis. The cut is found by halving the
// range of candidate lengths: a text's extent never shrinks when a character
// is added, so this gives the cut of removing one character at a time with a
// logarithmic number of measurements.
#include "win/Afx.h"

class CGXGridCore;

namespace NVorel {

class CTextFit {
public:
    // A grid that is not a window (or a font that cannot be made) leaves
    // texts as they are.
    explicit CTextFit(CGXGridCore& grid);
    CTextFit(const CTextFit&) = delete;
    CTextFit& operator=(const CTextFit&) = delete;
    ~CTextFit();

    // The part of the text that is left when it is cut to nWidth units,
    // measured bold or plain; a width below 1 leaves nothing.
    std::wstring_view Fit(std::wstring_view text, long long nWidth, bool bBold);

private:
    long long extent(std::wstring_view text, bool bBold);
    bool canMeasure() const { return m_fonts[0].GetSafeHandle() && m_fonts[1].GetSafeHandle(); }

    CDC m_dc;
    CFont m_fonts[2]; // plain, bold
    CFont* m_pOldFont = nullptr;
    int m_nSelected = -1;
};

} // namespace NVorel
