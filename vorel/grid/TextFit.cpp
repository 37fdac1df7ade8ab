#include "grid/TextFit.h"

#include "gridctl/GXGridCore.h"

namespace NVorel {

namespace {

constexpr int kTwipsHigh = 236; // Arial 10 pt as a cell height in twips

} // namespace

CTextFit::CTextFit(CGXGridCore& grid)
{
    CWnd* pWnd = dynamic_cast<CWnd*>(&grid);
    if (!pWnd)
        return;
    CClientDC windowDC(pWnd->GetSafeHwnd() ? pWnd : nullptr);
    if (!m_dc.CreateCompatibleDC(&windowDC))
        return;
    for (int bold = 0; bold < 2; ++bold) {
        LOGFONTW lf{};
        wcscpy(lf.lfFaceName, L"Arial");
        lf.lfHeight = kTwipsHigh;
        lf.lfWeight = bold ? FW_BOLD : FW_NORMAL;
        if (!m_fonts[bold].CreateFontIndirect(&lf))
            return;
    }
}

CTextFit::~CTextFit()
{
    if (m_pOldFont)
        m_dc.SelectObject(m_pOldFont);
}

long long CTextFit::extent(std::wstring_view text, bool bBold)
{
    if (m_nSelected != (int)bBold) {
        CFont* pOld = m_dc.SelectObject(&m_fonts[bBold]);
        if (!m_pOldFont)
            m_pOldFont = pOld;
        m_nSelected = (int)bBold;
    }
    return m_dc.GetTextExtent(text.data(), (int)text.size()).cx;
}

std::wstring_view CTextFit::Fit(std::wstring_view s, long long nWidth, bool bBold)
{
    if (!canMeasure())
        return s;
    if (nWidth < 1)
        return {};
    auto fits = [&](std::wstring_view t) { return extent(t, bBold) <= nWidth; };
    if (fits(s))
        return s;
    // Leading spaces go first: the fewest whose removal makes the text fit.
    const size_t spaces = std::min(s.find_first_not_of(L' '), s.size());
    size_t lo = 1, hi = spaces + 1; // hi: even all of them are not enough
    while (lo < hi) {
        const size_t mid = lo + (hi - lo) / 2;
        if (fits(s.substr(mid)))
            hi = mid;
        else
            lo = mid + 1;
    }
    if (lo <= spaces)
        return s.substr(lo);
    // Then the end: the longest prefix that fits (the empty one always does).
    s.remove_prefix(spaces);
    size_t keep = 0, tooLong = s.size();
    while (keep + 1 < tooLong) {
        const size_t mid = keep + (tooLong - keep) / 2;
        if (fits(s.substr(0, mid)))
            keep = mid;
        else
            tooLong = mid;
    }
    return s.substr(0, keep);
}

} // namespace NVorel
