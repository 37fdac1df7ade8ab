#include "LoggingWnd.h"

namespace testsupport {

// Grouped by kind: lifetime, painting, mouse, keys and focus, the rest.
BEGIN_MESSAGE_MAP(LoggingWnd, CWnd)
    ON_WM_CREATE() ON_WM_DESTROY() ON_WM_SIZE() ON_WM_MOVE() ON_WM_SHOWWINDOW()
    ON_WM_PAINT() ON_WM_NCPAINT() ON_WM_ERASEBKGND()
    ON_WM_MOUSEMOVE() ON_WM_LBUTTONDOWN() ON_WM_LBUTTONUP() ON_WM_LBUTTONDBLCLK() ON_WM_RBUTTONDOWN()
    ON_WM_MOUSELEAVE() ON_WM_MOUSEWHEEL() ON_WM_SETCURSOR() ON_WM_CAPTURECHANGED()
    ON_WM_KEYDOWN() ON_WM_KEYUP() ON_WM_CHAR() ON_WM_SETFOCUS() ON_WM_KILLFOCUS()
    ON_WM_TIMER() ON_MESSAGE(WM_NCHITTEST, OnNcHitTest) ON_MESSAGE(WM_APP, OnApp)
END_MESSAGE_MAP()

BOOL LoggingWnd::create(CWnd* parent, const CRect& r, DWORD style, UINT id, LPCWSTR cls)
{
    if (parent) return Create(cls, L"", style, r, parent, id);
    return CreateEx(0, cls, L"", style | WS_POPUP, r, nullptr, 0);
}

std::string LoggingWnd::nameOf(CWnd* w)
{
    auto* logging = dynamic_cast<LoggingWnd*>(w);
    return logging ? logging->m_name : w ? "?" : "-";
}

void LoggingWnd::OnPaint()
{
    CPaintDC dc(this);
    m_lastPaint = dc.m_ps.rcPaint;
    log("paint");
    if (m_paint != CLR_INVALID) dc.FillSolidRect(-1000, -1000, 3000, 3000, m_paint);
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

} // namespace testsupport
