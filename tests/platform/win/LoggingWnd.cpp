#include "LoggingWnd.h"

namespace testsupport {

std::vector<std::string>& messageLog()
{
    static std::vector<std::string> log;
    return log;
}

std::vector<std::string> takeLog()
{
    std::vector<std::string> lines;
    lines.swap(messageLog());
    return lines;
}

void useSmallScreen(int width, int height)
{
    platform::desktop().setScreenSize(width, height);
}

COLORREF desktopColor()
{
    return RGB(58, 110, 165);
}

BEGIN_MESSAGE_MAP(LoggingWnd, CWnd)
    ON_WM_CREATE()
    ON_WM_DESTROY()
    ON_WM_SIZE()
    ON_WM_MOVE()
    ON_WM_SHOWWINDOW()
    ON_WM_PAINT()
    ON_WM_NCPAINT()
    ON_WM_ERASEBKGND()
    ON_WM_TIMER()
    ON_WM_MOUSEMOVE()
    ON_WM_LBUTTONDOWN()
    ON_WM_LBUTTONUP()
    ON_WM_LBUTTONDBLCLK()
    ON_WM_RBUTTONDOWN()
    ON_WM_MOUSELEAVE()
    ON_WM_MOUSEWHEEL()
    ON_WM_SETCURSOR()
    ON_WM_KEYDOWN()
    ON_WM_KEYUP()
    ON_WM_CHAR()
    ON_WM_SETFOCUS()
    ON_WM_KILLFOCUS()
    ON_WM_CAPTURECHANGED()
    ON_MESSAGE(WM_NCHITTEST, OnNcHitTest)
END_MESSAGE_MAP()

BOOL LoggingWnd::create(CWnd* parent, const CRect& r, DWORD style, UINT id, LPCWSTR cls)
{
    if (parent) return Create(cls, L"", style, r, parent, id);
    return CreateEx(0, cls, L"", style | WS_POPUP, r, nullptr, 0);
}

void LoggingWnd::log(const std::string& what) const
{
    messageLog().push_back(m_name + " " + what);
}

std::string LoggingWnd::nameOf(CWnd* w)
{
    auto* logging = dynamic_cast<LoggingWnd*>(w);
    return logging ? logging->m_name : w ? "?" : "-";
}

void LoggingWnd::PostNcDestroy()
{
    log("ncdestroy");
}

int LoggingWnd::OnCreate(LPCREATESTRUCT cs)
{
    log("create");
    return CWnd::OnCreate(cs);
}

void LoggingWnd::OnDestroy()
{
    log("destroy");
    CWnd::OnDestroy();
}

void LoggingWnd::OnSize(UINT, int cx, int cy)
{
    log("size " + std::to_string(cx) + "x" + std::to_string(cy));
}

void LoggingWnd::OnMove(int x, int y)
{
    log("move " + std::to_string(x) + "," + std::to_string(y));
}

void LoggingWnd::OnShowWindow(BOOL bShow, UINT)
{
    log("show " + std::to_string(bShow));
}

void LoggingWnd::OnPaint()
{
    CPaintDC dc(this);
    m_lastPaint = dc.m_ps.rcPaint;
    log("paint");
    if (m_paint != CLR_INVALID) dc.FillSolidRect(-1000, -1000, 3000, 3000, m_paint);
}

void LoggingWnd::OnNcPaint()
{
    log("ncpaint");
    CWnd::OnNcPaint();
}

BOOL LoggingWnd::OnEraseBkgnd(CDC* pDC)
{
    log("erase");
    return CWnd::OnEraseBkgnd(pDC);
}

void LoggingWnd::OnTimer(UINT_PTR nIDEvent)
{
    log("timer " + std::to_string(nIDEvent) + " @" + std::to_string(GetTickCount()));
}

// Left to the default, which hands it on to the parent.
BOOL LoggingWnd::OnMouseWheel(UINT nFlags, short zDelta, CPoint pt)
{
    log("wheel " + std::to_string(zDelta) + " at " + std::to_string(pt.x) + "," + std::to_string(pt.y) + " " +
        std::to_string(nFlags));
    return CWnd::OnMouseWheel(nFlags, zDelta, pt);
}

void LoggingWnd::OnMouseMove(UINT nFlags, CPoint point)
{
    log("mousemove " + std::to_string(point.x) + "," + std::to_string(point.y) + " " + std::to_string(nFlags));
}

void LoggingWnd::OnLButtonDown(UINT nFlags, CPoint point)
{
    log("lbuttondown " + std::to_string(point.x) + "," + std::to_string(point.y) + " " + std::to_string(nFlags));
}

void LoggingWnd::OnLButtonUp(UINT nFlags, CPoint point)
{
    log("lbuttonup " + std::to_string(point.x) + "," + std::to_string(point.y) + " " + std::to_string(nFlags));
}

void LoggingWnd::OnLButtonDblClk(UINT, CPoint point)
{
    log("lbuttondblclk " + std::to_string(point.x) + "," + std::to_string(point.y));
}

void LoggingWnd::OnRButtonDown(UINT nFlags, CPoint point)
{
    log("rbuttondown " + std::to_string(point.x) + "," + std::to_string(point.y) + " " + std::to_string(nFlags));
}

void LoggingWnd::OnMouseLeave()
{
    log("mouseleave");
}

BOOL LoggingWnd::OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message)
{
    log("setcursor " + nameOf(pWnd) + " " + std::to_string((int)nHitTest) + " " + std::to_string(message));
    if (!m_cursor) return CWnd::OnSetCursor(pWnd, nHitTest, message);
    ::SetCursor(m_cursor);
    return TRUE;
}

void LoggingWnd::OnKeyDown(UINT nChar, UINT nRepCnt, UINT)
{
    log("keydown " + std::to_string(nChar) + " x" + std::to_string(nRepCnt) +
        (GetKeyState(VK_CONTROL) < 0 ? " ctrl" : "") + (GetKeyState(VK_SHIFT) < 0 ? " shift" : ""));
}

void LoggingWnd::OnKeyUp(UINT nChar, UINT, UINT)
{
    log("keyup " + std::to_string(nChar));
}

void LoggingWnd::OnChar(UINT nChar, UINT, UINT)
{
    log("char " + std::to_string(nChar));
}

void LoggingWnd::OnSetFocus(CWnd* pOldWnd)
{
    log("setfocus from " + nameOf(pOldWnd));
}

void LoggingWnd::OnKillFocus(CWnd* pNewWnd)
{
    log("killfocus to " + nameOf(pNewWnd));
}

void LoggingWnd::OnCaptureChanged(CWnd* pWnd)
{
    log("capturechanged to " + nameOf(pWnd));
}

LRESULT LoggingWnd::OnNcHitTest(WPARAM, LPARAM)
{
    return m_hitTest == HTCLIENT - 100 ? Default() : m_hitTest;
}

} // namespace testsupport
