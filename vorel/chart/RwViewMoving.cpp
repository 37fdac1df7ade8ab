#include "chart/RwViewMoving.h"

#include "chart/BitmapDC.h"
#include "frame/ResourceSwitch.h"

#include <algorithm>
#include <cmath>

namespace NVorel {

namespace {

// Where a label of the given extent starts on one axis: at the cursor plus the
// displacement, clamped to lo..hi (lo first). With keepOffCursor, a label that
// would then cover the cursor goes to the mirror place on the cursor's other
// side, when that one is free of it.
int labelStart(int cursor, int displacement, int extent, int lo, int hi, bool keepOffCursor)
{
    const auto clamped = [&](int v) { return v < lo ? lo : v > hi ? hi : v; };
    const auto covers = [&](int start) { return start <= cursor && cursor < start + extent; };
    const int start = clamped(cursor + displacement);
    if (!keepOffCursor || !covers(start)) return start;
    const int mirrored = clamped(cursor - displacement - extent);
    return covers(mirrored) ? start : mirrored;
}

} // namespace

BEGIN_MESSAGE_MAP(CRwViewMoving, CRwView)
    ON_WM_TIMER()
    ON_WM_SETCURSOR()
    ON_MESSAGE(WM_MOUSELEAVE, OnMouseLeave)
    ON_WM_PAINT()
END_MESSAGE_MAP()

CRwViewMoving::CRwViewMoving() : m_hCursor(LoadCursor(nullptr, IDC_SIZENS)) {}

CRwViewMoving::~CRwViewMoving() = default;

void CRwViewMoving::init()
{
    CRwView::init();
    CResourceSwitch language(CResourceSwitch::LANG_MODULE);
    m_label.Create(GetParent());
}

void CRwViewMoving::SetLineDir(bool bVertical)
{
    if (bVertical == m_bLineDir) return;
    removeLine();
    m_bLineDir = bVertical;
}

void CRwViewMoving::SetLinePen(int nStyle, int nWidth, COLORREF cr)
{
    removeLine();
    if (m_bPen) m_pen.DeleteObject();
    m_pen.CreatePen(nStyle, nWidth, cr);
    m_bPen = true;
}

void CRwViewMoving::SetCursor(HICON hCursor)
{
    m_hCursor = hCursor;
}

void CRwViewMoving::SetParentBoundary(bool bParent)
{
    m_bParentBoundary = bParent;
}

void CRwViewMoving::SetLabelDisplacement(int x, int y)
{
    m_ptDisplacement = CPoint(x, y);
}

void CRwViewMoving::SetHideLabelMouseShift(int nShift)
{
    m_nHideShift = nShift;
}

void CRwViewMoving::SetShowLabelDelay(int nDelay)
{
    m_nShowDelay = nDelay;
}

void CRwViewMoving::OnMouseMove(UINT, CPoint point)
{
    if (!m_bTracking) {
        TRACKMOUSEEVENT tme{sizeof(tme), TME_LEAVE, m_hWnd, 0};
        _TrackMouseEvent(&tme);
        m_bTracking = TRUE;
    }
    CRect rc;
    GetClientRect(&rc);
    const bool inside = point.x >= 1 && point.x < rc.right - 1 && point.y >= 1 && point.y < rc.bottom - 1;
    if (!inside) {
        if (::GetCapture() == m_hWnd) ReleaseCapture();
        MovKillTimer();
        movingService(nullptr);
        return;
    }
    m_ptCur = point;
    const double d = std::hypot(m_ptCur.x - m_ptShown.x, m_ptCur.y - m_ptShown.y);
    // Without a timer the label could only come back near its old place.
    if (d < m_nHideShift || !SetTimer(TIMER_SHOW, (UINT)std::max(m_nShowDelay, 0), nullptr)) {
        follow();
        return;
    }
    m_bTimer = true;
    movingService(nullptr);
}

void CRwViewMoving::follow()
{
    MovKillTimer();
    m_ptShown = m_ptCur;
    movingService(&m_ptCur);
}

void CRwViewMoving::movingService(const CPoint* pt)
{
    if (!pt || !m_bTracking) { // once the mouse has left, nothing may stay on the screen
        if (m_label.m_hWnd) m_label.ShowWindow(SW_HIDE);
        if (m_nDrawnPos != -1) PaintOnMove();
        return;
    }
    updateLabelText(m_painter.local2Global(Pellix::CPoint2d(pt->x, pt->y)));
    m_nLinePos = m_bLineDir ? pt->x : pt->y;
    // The line before the label: erasing and drawing it then never touch the
    // label at its new place, which paints itself over both.
    PaintOnMove();
    placeLabel(*pt);
}

void CRwViewMoving::updateLabelText(const Pellix::CPoint2d& world)
{
    std::vector<CPopupLabel::TextItem> items;
    OnGetLabelText(world, items);
    if (!items.empty()) {
        m_label.SetRichText(items);
        return;
    }
    CString text;
    OnGetLabelText(world, text);
    m_label.SetRichText(items); // runs of an earlier point would be painted instead
    m_label.SetText(text);
}

void CRwViewMoving::placeLabel(const CPoint& pt)
{
    CWnd* parent = GetParent();
    if (!m_label.m_hWnd || !parent) return;
    CRect w;
    GetWindowRect(&w);
    const CRect b = labelBoundary(w);
    const int width = m_label.GetWidth(), height = m_label.GetHeight();
    const CPoint cursor(pt.x + w.left, pt.y + w.top);
    // The window is two pixels wider than the label's width.
    CPoint at(labelStart(cursor.x, m_ptDisplacement.x, width + 2, b.left + 1,
                         b.right - (width + m_ptDisplacement.x + 20), m_bLineDir),
              labelStart(cursor.y, m_ptDisplacement.y, height, b.top + 1,
                         b.bottom - (height + m_ptDisplacement.y + 20), !m_bLineDir));
    CRect origin;
    parent->GetClientRect(&origin);
    parent->ClientToScreen(&origin);
    at.Offset(-origin.left, -origin.top);
    m_label.Move(at);
    if (!m_label.IsWindowVisible()) m_label.ShowWindow(SW_SHOWNORMAL);
}

CRect CRwViewMoving::labelBoundary(const CRect& view) const
{
    CWnd* main = m_bParentBoundary ? nullptr : AfxGetMainWnd();
    if (!main) return view;
    CRect b;
    main->GetClientRect(&b);
    main->ClientToScreen(&b);
    return b;
}

void CRwViewMoving::OnGetLabelText(Pellix::CPoint2d, std::vector<CPopupLabel::TextItem>&) {}

void CRwViewMoving::OnGetLabelText(Pellix::CPoint2d, CString&) {}

void CRwViewMoving::MovKillTimer()
{
    if (!m_bTimer) return;
    KillTimer(TIMER_SHOW);
    m_bTimer = false;
}

void CRwViewMoving::PaintOnMove()
{
    if (m_nDrawnPos == -1 && m_nLinePos == -1) {
        if (!m_bTracking) movingService(nullptr);
        return;
    }
    const bool canDraw = canDrawLine();
    if (canDraw && m_nDrawnPos != -1) eraseLine(m_nDrawnPos);
    if (canDraw && m_nLinePos != -1) drawLine(m_nLinePos);
    m_nDrawnPos = canDraw ? m_nLinePos : -1;
    m_nLinePos = -1;
    if (!m_bTracking) movingService(nullptr);
}

void CRwViewMoving::removeLine()
{
    if (m_nDrawnPos == -1) return;
    m_nLinePos = -1;
    PaintOnMove();
}

// Without the picture a line could not be erased.
bool CRwViewMoving::canDrawLine() const
{
    return m_hWnd && m_bitmap.GetSafeHandle();
}

// Client pixels that a line at pos may cover with the current pen, across the
// whole client area.
CRect CRwViewMoving::lineStrip(int pos) const
{
    LOGPEN pen{};
    if (m_bPen) m_pen.GetObject(sizeof(pen), &pen);
    const int width = std::max((int)pen.lopnWidth.x, 1);
    const int from = pos - width / 2;
    CRect rc;
    GetClientRect(&rc);
    return m_bLineDir ? CRect(from, 0, from + width, rc.bottom) : CRect(0, from, rc.right, from + width);
}

void CRwViewMoving::drawLine(int pos)
{
    CClientDC dc(this);
    CPen* pOldPen = m_bPen ? dc.SelectObject(&m_pen) : nullptr;
    const Pellix::CRectDouble rl = m_painter.getLocalRect();
    if (m_bLineDir) {
        dc.MoveTo(pos, (int)rl.y0);
        dc.LineTo(pos, (int)rl.y1);
    } else {
        dc.MoveTo((int)rl.x0, pos);
        dc.LineTo((int)rl.x1, pos);
    }
    if (pOldPen) dc.SelectObject(pOldPen);
}

void CRwViewMoving::eraseLine(int pos)
{
    CClientDC dc(this);
    CBitmapDC picture(&dc, m_bitmap);
    const CRect strip = lineStrip(pos);
    dc.BitBlt(strip.left, strip.top, strip.Width(), strip.Height(), &picture, strip.left, strip.top, SRCCOPY);
}

void CRwViewMoving::OnTimer(UINT_PTR nIDEvent)
{
    switch (nIDEvent) {
    case TIMER_SHOW:
        KillTimer(TIMER_SHOW);
        movingService(&m_ptCur);
        m_ptShown = m_ptCur;
        m_bTimer = false;
        SetTimer(TIMER_PLACE, 1, nullptr);
        break;
    case TIMER_PLACE:
        KillTimer(TIMER_PLACE);
        movingService(&m_ptShown); // again, now that the label is shown and sized
        break;
    default: CRwView::OnTimer(nIDEvent);
    }
}

BOOL CRwViewMoving::OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message)
{
    if (!m_hCursor) return CRwView::OnSetCursor(pWnd, nHitTest, message);
    ::SetCursor(m_hCursor);
    return TRUE;
}

LRESULT CRwViewMoving::OnMouseLeave(WPARAM, LPARAM)
{
    m_bTracking = FALSE;
    MovKillTimer();
    movingService(nullptr);
    return 0;
}

// The copied picture covers the line and, where they overlap, the label.
void CRwViewMoving::OnPaint()
{
    CRwView::OnPaint();
    if (m_nDrawnPos != -1 && canDrawLine()) drawLine(m_nDrawnPos);
    if (m_label.m_hWnd && m_label.IsWindowVisible()) m_label.SendMessage(WM_NCPAINT, 0, 0);
}

} // namespace NVorel
