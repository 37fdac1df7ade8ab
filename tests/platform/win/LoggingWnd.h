#pragma once
// A window for tests that writes the messages it handles into a shared log,
// one readable line each ("A size 100x50"), and can paint itself in a colour.
#include "win/Afx.h"

#include <string>
#include <utility>
#include <vector>

namespace testsupport {

// The lines written since the last take().
inline std::vector<std::string>& messageLog()
{
    static std::vector<std::string> log;
    return log;
}
inline std::vector<std::string> takeLog() { return std::exchange(messageLog(), {}); }

class LoggingWnd : public CWnd {
public:
    explicit LoggingWnd(std::string name, COLORREF paint = CLR_INVALID) : m_name(std::move(name)), m_paint(paint) {}

    // A child of the parent (client coordinates) or, without one, a popup.
    BOOL create(CWnd* parent, const CRect& r, DWORD style = WS_VISIBLE, UINT id = 0, LPCWSTR cls = nullptr);

    std::string m_name;
    COLORREF m_paint; // CLR_INVALID: paint nothing
    CRect m_lastPaint; // rcPaint of the last WM_PAINT
    HCURSOR m_cursor = nullptr; // set in WM_SETCURSOR when not null
    LRESULT m_hitTest = HTCLIENT - 100; // answered to WM_NCHITTEST unless it is this default

protected:
    void log(const std::string& what) const { messageLog().push_back(m_name + " " + what); }
    // "what x,y", then the flags unless they are left out.
    void log(const std::string& what, CPoint p, int flags = -1) const
    {
        std::string line = what + " " + std::to_string(p.x) + "," + std::to_string(p.y);
        if (flags >= 0) line.append(" ").append(std::to_string(flags));
        log(line);
    }
    static std::string nameOf(CWnd* w);
    void PostNcDestroy() override { log("ncdestroy"); }

    afx_msg int OnCreate(LPCREATESTRUCT cs) { log("create"); return CWnd::OnCreate(cs); }
    afx_msg void OnDestroy() { log("destroy"); CWnd::OnDestroy(); }
    afx_msg void OnSize(UINT, int cx, int cy) { log("size " + std::to_string(cx) + "x" + std::to_string(cy)); }
    afx_msg void OnMove(int x, int y) { log("move", CPoint(x, y)); }
    afx_msg void OnShowWindow(BOOL bShow, UINT) { log("show " + std::to_string(bShow)); }
    afx_msg void OnPaint();
    afx_msg void OnNcPaint() { log("ncpaint"); CWnd::OnNcPaint(); }
    afx_msg BOOL OnEraseBkgnd(CDC* pDC) { log("erase"); return CWnd::OnEraseBkgnd(pDC); }
    afx_msg void OnTimer(UINT_PTR id) { log("timer " + std::to_string(id) + " @" + std::to_string(GetTickCount())); }
    afx_msg void OnMouseMove(UINT nFlags, CPoint p) { log("mousemove", p, (int)nFlags); }
    afx_msg void OnLButtonDown(UINT nFlags, CPoint p) { log("lbuttondown", p, (int)nFlags); }
    afx_msg void OnLButtonUp(UINT nFlags, CPoint p) { log("lbuttonup", p, (int)nFlags); }
    afx_msg void OnLButtonDblClk(UINT, CPoint p) { log("lbuttondblclk", p); }
    afx_msg void OnRButtonDown(UINT nFlags, CPoint p) { log("rbuttondown", p, (int)nFlags); }
    afx_msg void OnMouseLeave() { log("mouseleave"); }
    // Logged, then left to the default, which hands it on to the parent.
    afx_msg BOOL OnMouseWheel(UINT nFlags, short zDelta, CPoint p)
    {
        log("wheel " + std::to_string(zDelta) + " at", p, (int)nFlags);
        return CWnd::OnMouseWheel(nFlags, zDelta, p);
    }
    afx_msg BOOL OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message);
    afx_msg void OnKeyDown(UINT nChar, UINT nRepCnt, UINT);
    afx_msg void OnKeyUp(UINT nChar, UINT, UINT) { log("keyup " + std::to_string(nChar)); }
    afx_msg void OnChar(UINT nChar, UINT, UINT) { log("char " + std::to_string(nChar)); }
    afx_msg void OnSetFocus(CWnd* pOldWnd) { log("setfocus from " + nameOf(pOldWnd)); }
    afx_msg void OnKillFocus(CWnd* pNewWnd) { log("killfocus to " + nameOf(pNewWnd)); }
    afx_msg void OnCaptureChanged(CWnd* pWnd) { log("capturechanged to " + nameOf(pWnd)); }
    afx_msg LRESULT OnNcHitTest(WPARAM, LPARAM) { return m_hitTest == HTCLIENT - 100 ? Default() : m_hitTest; }
    // WM_APP carries a number, for tests of the queue's order.
    afx_msg LRESULT OnApp(WPARAM w, LPARAM)
    {
        log("app " + std::to_string(w));
        return 0;
    }

    DECLARE_MESSAGE_MAP()
};

// A small screen filled with the desktop's background, for pixel checks.
inline void useSmallScreen(int width = 200, int height = 150) { platform::desktop().setScreenSize(width, height); }
inline COLORREF desktopColor() { return RGB(58, 110, 165); }

} // namespace testsupport
