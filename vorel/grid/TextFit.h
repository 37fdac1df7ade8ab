#pragma once
// CTextFit: shortens cell texts to the width of their column in a document
// table, measured in Arial at 10 points in twips (a font 236 units high on a
// memory DC compatible with the grid window's).
//
// A text that is too wide first gives up its leading spaces, then characters
// from its end, until it fits; no ellipsis. A text of several lines is cut
// line by line, as the document shows each line on a line of its own. The
// cut is found by halving the range of candidate lengths: a text's extent
// never shrinks when a character is added, so this gives the cut of removing
// one character at a time with a logarithmic number of measurements.
#include "win/Afx.h"

#include <string>
#include <string_view>

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

    // What is left of the text when it is cut to nWidth units, measured bold
    // or plain; a width below 1 leaves nothing. Valid until the next call.
    std::wstring_view Fit(std::wstring_view text, long long nWidth, bool bBold);

private:
    std::wstring_view fitLine(std::wstring_view line, long long nWidth, bool bBold);
    long long extent(std::wstring_view text, bool bBold);
    bool canMeasure() const { return m_fonts[0].GetSafeHandle() && m_fonts[1].GetSafeHandle(); }

    CDC m_dc;
    CFont m_fonts[2]; // plain, bold
    CFont* m_pOldFont = nullptr;
    int m_nSelected = -1;
    std::wstring m_lines; // a text of several lines, cut
};

} // namespace NVorel
