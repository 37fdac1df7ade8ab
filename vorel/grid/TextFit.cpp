#include "grid/TextFit.h"

#include "gridctl/GXGridCore.h"

#include <algorithm>

namespace NVorel {

namespace {

constexpr int kTwipsHigh = 236; // Arial 10 pt as a cell height in twips

// Where the next line ends: one pass, as nearly every text has one line.
size_t lineEnd(std::wstring_view text, size_t from)
{
    const auto it = std::find_if(text.begin() + (ptrdiff_t)from, text.end(),
                                 [](wchar_t ch) { return ch == L'\r' || ch == L'\n'; });
    return (size_t)(it - text.begin());
}

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

std::wstring_view CTextFit::Fit(std::wstring_view text, long long nWidth, bool bBold)
{
    if (!canMeasure())
        return text;
    if (nWidth < 1)
        return {};
    size_t end = lineEnd(text, 0);
    if (end == text.size())
        return fitLine(text, nWidth, bBold);
    // The document shows each line on a line of its own: each is cut alone.
    m_lines.clear();
    for (size_t start = 0;;) {
        m_lines += fitLine(text.substr(start, end - start), nWidth, bBold);
        if (end == text.size())
            return m_lines;
        const size_t next = text.compare(end, 2, L"\r\n") == 0 ? end + 2 : end + 1;
        m_lines += text.substr(end, next - end);
        start = next;
        end = lineEnd(text, start);
    }
}

std::wstring_view CTextFit::fitLine(std::wstring_view s, long long nWidth, bool bBold)
{
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
