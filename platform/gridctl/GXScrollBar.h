#pragma once
// CGXScrollBar: one scroll bar that the grid window draws along an edge of its
// client area: an arrow button at either end and, between them, the track
// with a thumb whose length and place show which lines are in view. Buttons
// and thumb are raised boxes in the button face; the track is lighter.
//
// Positions count the lines that can scroll, from 0 (the first of them at the
// top or left) to nMaxPos (the last page in view). The pixels of the track
// are few and the lines may be many (ten million records), so the thumb's
// place and a dragged thumb's position are scaled in 64 bits, and the thumb
// keeps a minimum length that a mouse can grab.
#include "win/gdi/DC.h"

class CGXScrollBar {
public:
    enum Part { None, LineUp, PageUp, Thumb, PageDown, LineDown };

    // nPage: the lines shown whole; nLines: all lines that scroll.
    CGXScrollBar(const CRect& rect, bool bVertical, ULONGLONG nPos, ULONGLONG nMaxPos, ULONGLONG nPage,
                 ULONGLONG nLines);

    Part HitTest(CPoint pt) const;
    CRect ThumbRect() const;
    // The thumb's leading edge as a coordinate along the bar.
    int ThumbStart() const;
    // The position that puts the thumb's leading edge at nStart (clamped).
    ULONGLONG PosFromThumbStart(int nStart) const;
    bool IsVertical() const { return m_bVertical; }
    // Along the bar: the coordinate of a point.
    int Along(CPoint pt) const { return m_bVertical ? pt.y : pt.x; }
    void Draw(CDC* pDC) const;

private:
    int buttonLength() const;
    int trackStart() const;
    int trackLength() const;
    int thumbLength() const;
    CRect span(int from, int to) const;

    CRect m_rect;
    bool m_bVertical;
    ULONGLONG m_nPos;
    ULONGLONG m_nMaxPos;
    ULONGLONG m_nPage;
    ULONGLONG m_nLines;
};
