#include "gridctl/GXScrollBar.h"

#include "win/gdi/SysColors.h"

#include <algorithm>

CGXScrollBar::CGXScrollBar(const CRect& rect, bool bVertical, ULONGLONG nPos, ULONGLONG nMaxPos, ULONGLONG nPage,
                           ULONGLONG nLines)
    : m_rect(rect), m_bVertical(bVertical), m_nPos(std::min(nPos, nMaxPos)), m_nMaxPos(nMaxPos), m_nPage(nPage),
      m_nLines(nLines)
{
}

int CGXScrollBar::buttonLength() const
{
    const int thickness = m_bVertical ? m_rect.Width() : m_rect.Height();
    const int length = m_bVertical ? m_rect.Height() : m_rect.Width();
    return std::max(0, std::min(thickness, length / 2));
}

int CGXScrollBar::trackStart() const
{
    return (m_bVertical ? m_rect.top : m_rect.left) + buttonLength();
}

int CGXScrollBar::trackLength() const
{
    const int length = m_bVertical ? m_rect.Height() : m_rect.Width();
    return std::max(0, length - 2 * buttonLength());
}

// As long as the share of the lines in view, but never so short that it
// cannot be grabbed.
int CGXScrollBar::thumbLength() const
{
    const int track = trackLength();
    const int shortest = std::min(track, std::max(1, (m_bVertical ? m_rect.Width() : m_rect.Height()) / 2));
    if (m_nLines == 0)
        return track;
    const auto share = (int)std::min<ULONGLONG>((ULONGLONG)track, (ULONGLONG)track * m_nPage / m_nLines);
    return std::max(shortest, share);
}

int CGXScrollBar::ThumbStart() const
{
    const int free = trackLength() - thumbLength();
    if (m_nMaxPos == 0 || free <= 0)
        return trackStart();
    return trackStart() + (int)((ULONGLONG)free * m_nPos / m_nMaxPos);
}

ULONGLONG CGXScrollBar::PosFromThumbStart(int nStart) const
{
    const int free = trackLength() - thumbLength();
    if (m_nMaxPos == 0 || free <= 0)
        return 0;
    const auto offset = (ULONGLONG)std::clamp(nStart - trackStart(), 0, free);
    return (offset * m_nMaxPos + (ULONGLONG)free / 2) / (ULONGLONG)free;
}

CRect CGXScrollBar::span(int from, int to) const
{
    return m_bVertical ? CRect(m_rect.left, from, m_rect.right, to) : CRect(from, m_rect.top, to, m_rect.bottom);
}

CRect CGXScrollBar::ThumbRect() const
{
    const int start = ThumbStart();
    return span(start, start + thumbLength());
}

CGXScrollBar::Part CGXScrollBar::HitTest(CPoint pt) const
{
    if (!m_rect.PtInRect(pt))
        return None;
    const int a = Along(pt), thumb = ThumbStart();
    if (a < trackStart())
        return LineUp;
    if (a >= trackStart() + trackLength())
        return LineDown;
    if (a < thumb)
        return PageUp;
    return a < thumb + thumbLength() ? Thumb : PageDown;
}

namespace {

void raisedBox(CDC* pDC, const CRect& r)
{
    if (r.Width() <= 0 || r.Height() <= 0)
        return;
    pDC->FillSolidRect(&r, GetSysColor(COLOR_BTNFACE));
    const COLORREF light = GetSysColor(COLOR_BTNHIGHLIGHT), dark = GetSysColor(COLOR_BTNSHADOW);
    pDC->FillSolidRect(r.left, r.top, r.Width(), 1, light);
    pDC->FillSolidRect(r.left, r.top, 1, r.Height(), light);
    pDC->FillSolidRect(r.left, r.bottom - 1, r.Width(), 1, dark);
    pDC->FillSolidRect(r.right - 1, r.top, 1, r.Height(), dark);
}

// A small solid triangle pointing away from the track, centred in the button.
void arrow(CDC* pDC, const CRect& button, bool bVertical, bool bForward)
{
    const CPoint c = button.CenterPoint();
    const COLORREF color = GetSysColor(COLOR_BTNTEXT);
    for (int i = 0; i < 4; ++i) {
        const int depth = bForward ? i - 2 : 1 - i; // the tip is the row of one pixel
        const int half = 3 - i;
        if (bVertical)
            pDC->FillSolidRect(c.x - half, c.y + depth, 2 * half + 1, 1, color);
        else
            pDC->FillSolidRect(c.x + depth, c.y - half, 1, 2 * half + 1, color);
    }
}

// Half way between the scroll-bar colour and the highlight, as the classic
// track's dither of the two looks, so that the thumb stands out from it.
COLORREF trackColor()
{
    const COLORREF a = GetSysColor(COLOR_SCROLLBAR), b = GetSysColor(COLOR_BTNHIGHLIGHT);
    return RGB((GetRValue(a) + GetRValue(b)) / 2, (GetGValue(a) + GetGValue(b)) / 2, (GetBValue(a) + GetBValue(b)) / 2);
}

} // namespace

void CGXScrollBar::Draw(CDC* pDC) const
{
    pDC->FillSolidRect(&m_rect, trackColor());
    const int start = m_bVertical ? m_rect.top : m_rect.left;
    const int end = m_bVertical ? m_rect.bottom : m_rect.right;
    const CRect first = span(start, start + buttonLength()), last = span(end - buttonLength(), end);
    raisedBox(pDC, first);
    raisedBox(pDC, last);
    arrow(pDC, first, m_bVertical, false);
    arrow(pDC, last, m_bVertical, true);
    if (m_nMaxPos > 0)
        raisedBox(pDC, ThumbRect());
}
