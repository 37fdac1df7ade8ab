#pragma once
// A window for tests that writes the messages it handles into a shared log,
// one readable line each ("A size 100x50"), and can paint itself in a colour.
#include "win/Afx.h"

#include <string>
#include <vector>

namespace testsupport {

// The lines written since the last take().
std::vector<std::string>& messageLog();
std::vector<std::string> takeLog();

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
    void log(const std::string& what) const;
    static std::string nameOf(CWnd* w);
    void PostNcDestroy() override;

    afx_msg int OnCreate(LPCREATESTRUCT cs);
    afx_msg void OnDestroy();
    afx_msg void OnSize(UINT nType, int cx, int cy);
    afx_msg void OnMove(int x, int y);
    afx_msg void OnShowWindow(BOOL bShow, UINT nStatus);
    afx_msg void OnPaint();
    afx_msg void OnNcPaint();
    afx_msg BOOL OnEraseBkgnd(CDC* pDC);
    afx_msg void OnTimer(UINT_PTR nIDEvent);
    afx_msg void OnMouseMove(UINT nFlags, CPoint point);
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnLButtonUp(UINT nFlags, CPoint point);
    afx_msg void OnLButtonDblClk(UINT nFlags, CPoint point);
    afx_msg void OnRButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnMouseLeave();
    afx_msg BOOL OnMouseWheel(UINT nFlags, short zDelta, CPoint pt);
    afx_msg BOOL OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message);
    afx_msg void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg void OnKeyUp(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg void OnChar(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg void OnSetFocus(CWnd* pOldWnd);
    afx_msg void OnKillFocus(CWnd* pNewWnd);
    afx_msg void OnCaptureChanged(CWnd* pWnd);
    afx_msg LRESULT OnNcHitTest(WPARAM wParam, LPARAM lParam);

    DECLARE_MESSAGE_MAP()
};

// A small screen filled with the desktop's background, for pixel checks.
void useSmallScreen(int width = 200, int height = 150);
COLORREF desktopColor();

} // namespace testsupport
