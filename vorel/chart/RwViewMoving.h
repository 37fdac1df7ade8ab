#pragma once
// CRwViewMoving: a result view that follows the mouse with a one-pixel cross
// line (horizontal through the cursor, or vertical) over the picture and a
// popup label beside the cursor with the host's text for the world point
// under it. The line is erased by copying its strip back from the off-screen
// bitmap, so the picture is never redrawn for it.
//
// The label follows small moves at once; a move of m_nHideShift pixels or
// more from where it was last placed (its anchor) hides label and line until
// the mouse has rested m_nShowDelay ms (timer 100), after which a 1 ms timer
// (101) places it once more. A one-pixel border of the client area, and
// leaving the window, hide both. The host reaches OnMouseMove through its own
// WM_MOUSEMOVE entry (the base view's entry announces positions to the
// parent); the label lives in the view's parent, made by init().
//
// The label is kept inside its boundary (the view's window, or the main
// window's client area): its left and top edges one pixel in, its right and
// bottom edges 20 pixels plus the displacement away from the boundary's.
//
// Beyond the classic contract:
// - across the line, the label goes to the other side of the cursor when it
//   has no room on its own side, so it never covers the cursor or the line;
// - a repaint of the view draws the line and the label again over the picture;
// - erasing covers the pen's whole width, and changing the direction or the
//   pen erases the line first, so the line leaves no trace;
// - when timer 100 cannot be started, a jump is followed at once;
// - a host that gives plain text after rich text gets its plain text shown;
// - a view without its bitmap draws no line; a negative delay counts as 0.
#include "chart/PopupLabel.h"
#include "chart/RwView.h"

#include <vector>

namespace NVorel {

class CRwViewMoving : public CRwView {
public:
    enum { TIMER_SHOW = 100, TIMER_PLACE = 101 };

    CRwViewMoving();
    ~CRwViewMoving() override;

    // The bitmap, then the label as a child of the view's parent.
    void init();
    // true: a vertical line at the cursor's x; false: horizontal at its y.
    void SetLineDir(bool bVertical);
    void SetLinePen(int nStyle, int nWidth, COLORREF cr);
    // Null leaves the cursor to the window's default handling.
    void SetCursor(HICON hCursor);
    void SetParentBoundary(bool bParent);
    void SetLabelDisplacement(int x, int y);
    void SetHideLabelMouseShift(int nShift);
    void SetShowLabelDelay(int nDelay);

    virtual void OnMouseMove(UINT nFlags, CPoint point);
    // Label and line for a client point; both hidden for null.
    virtual void movingService(const CPoint* pt);

protected:
    // The host's label text for a world point: rich runs, or else plain text.
    virtual void OnGetLabelText(Pellix::CPoint2d pt, std::vector<CPopupLabel::TextItem>& items);
    virtual void OnGetLabelText(Pellix::CPoint2d pt, CString& text);

    void MovKillTimer();
    // Erases the line on the screen and draws the pending one.
    void PaintOnMove();

    afx_msg void OnTimer(UINT_PTR nIDEvent);
    afx_msg BOOL OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message);
    afx_msg LRESULT OnMouseLeave(WPARAM wParam, LPARAM lParam);
    afx_msg void OnPaint();

    CPopupLabel m_label{0x7FFFFFFF};
    int m_nLinePos = -1;  // client x or y of the line to draw, -1 none
    int m_nDrawnPos = -1; // of the line on the screen, -1 none
    bool m_bLineDir = false;
    CPen m_pen;
    bool m_bPen = false;
    HICON m_hCursor;
    bool m_bParentBoundary = true;
    CPoint m_ptDisplacement{5, 7};
    int m_nHideShift = 20;
    int m_nShowDelay = 250;
    BOOL m_bTracking = FALSE;
    CPoint m_ptCur;
    CPoint m_ptShown{-1, -1};
    bool m_bTimer = false;

    DECLARE_MESSAGE_MAP()

private:
    void follow();
    void updateLabelText(const Pellix::CPoint2d& world);
    void placeLabel(const CPoint& pt);
    CRect labelBoundary(const CRect& view) const;
    void removeLine();
    bool canDrawLine() const;
    CRect lineStrip(int pos) const;
    void drawLine(int pos);
    void eraseLine(int pos);
};

} // namespace NVorel
