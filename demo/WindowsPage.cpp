// Windows on the virtual desktop: a frame with child windows that paint
// themselves, follow the mouse, take clicks and run a timer, driven by a
// scripted user and a virtual clock, with screenshots of each step.
#include "Pages.h"
#include "Screenshot.h"

#include "win/Afx.h"

#include <vector>

namespace {

// Marks the clicks and draws a cross-hair line under the mouse, erased by
// repainting the strip it covered.
class CanvasWnd : public CWnd {
public:
    std::vector<std::string> m_events;

protected:
    afx_msg void OnPaint()
    {
        CPaintDC dc(this);
        CRect r;
        GetClientRect(&r);
        dc.FillSolidRect(&r, RGB(255, 255, 255));
        for (int x = 0; x < r.right; x += 20) dc.FillSolidRect(x, 0, 1, r.bottom, RGB(225, 230, 240));
        for (int y = 0; y < r.bottom; y += 20) dc.FillSolidRect(0, y, r.right, 1, RGB(225, 230, 240));
        for (const CPoint& p : m_clicks) dc.FillSolidRect(p.x - 4, p.y - 4, 9, 9, RGB(200, 40, 40));
        if (m_lineY >= 0) dc.FillSolidRect(0, m_lineY, r.right, 1, RGB(0, 0, 160));
    }
    afx_msg void OnMouseMove(UINT, CPoint point)
    {
        if (!m_tracking) {
            TRACKMOUSEEVENT tme{sizeof(tme), TME_LEAVE, m_hWnd, 0};
            m_tracking = _TrackMouseEvent(&tme);
        }
        moveLine(point.y);
        m_events.push_back("WM_MOUSEMOVE (" + std::to_string(point.x) + ", " + std::to_string(point.y) + ")");
    }
    afx_msg void OnLButtonDown(UINT, CPoint point)
    {
        m_clicks.push_back(point);
        InvalidateRect(CRect(point.x - 4, point.y - 4, point.x + 5, point.y + 5), FALSE);
        m_events.push_back("WM_LBUTTONDOWN (" + std::to_string(point.x) + ", " + std::to_string(point.y) + ")");
    }
    afx_msg BOOL OnSetCursor(CWnd*, UINT, UINT)
    {
        ::SetCursor(LoadCursor(nullptr, IDC_SIZENS));
        return TRUE;
    }
    afx_msg LRESULT OnMouseLeave(WPARAM, LPARAM)
    {
        m_tracking = FALSE;
        moveLine(-1);
        m_events.push_back("WM_MOUSELEAVE");
        return 0;
    }
    void moveLine(int y)
    {
        CRect r;
        GetClientRect(&r);
        const int old = m_lineY;
        m_lineY = -1;
        if (old >= 0) {
            InvalidateRect(CRect(0, old, r.right, old + 1), FALSE);
            UpdateWindow();
        }
        m_lineY = y;
        if (y < 0) return;
        CClientDC dc(this);
        dc.FillSolidRect(0, y, r.right, 1, RGB(0, 0, 160));
    }

    std::vector<CPoint> m_clicks;
    int m_lineY = -1;
    BOOL m_tracking = FALSE;
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CanvasWnd, CWnd)
    ON_WM_PAINT()
    ON_WM_MOUSEMOVE()
    ON_WM_LBUTTONDOWN()
    ON_WM_SETCURSOR()
    ON_MESSAGE(WM_MOUSELEAVE, OnMouseLeave)
END_MESSAGE_MAP()

// A bar that grows by one step on every tick of timer 1.
class ProgressWnd : public CWnd {
public:
    int m_steps = 0;

protected:
    afx_msg void OnPaint()
    {
        CPaintDC dc(this);
        CRect r;
        GetClientRect(&r);
        dc.FillSolidRect(&r, GetSysColor(COLOR_WINDOW));
        for (int i = 0; i < m_steps; ++i) dc.FillSolidRect(2 + i * 12, 2, 10, r.Height() - 4, GetSysColor(COLOR_HIGHLIGHT));
    }
    afx_msg void OnTimer(UINT_PTR)
    {
        if (++m_steps >= 10) KillTimer(1);
        Invalidate(FALSE);
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(ProgressWnd, CWnd)
    ON_WM_PAINT()
    ON_WM_TIMER()
END_MESSAGE_MAP()

} // namespace

void windowsPage(DemoContext& demo)
{
    Gallery& g = demo.gallery;
    platform::Desktop& desk = platform::desktop();
    g.beginPage("Windows, messages, timers and input",
                "A frame window with child windows on the virtual desktop. A scripted user moves the mouse and "
                "clicks; the virtual clock drives a window timer; every step is a screenshot of the screen.");
    desk.setScreenSize(560, 300);

    CWnd frame;
    CanvasWnd canvas;
    ProgressWnd progress;
    CWnd note;
    createHostFrame(frame, L"vorel on the virtual desktop", CRect(20, 20, 540, 280));
    canvas.CreateEx(WS_EX_CLIENTEDGE, nullptr, L"", WS_CHILD | WS_VISIBLE, CRect(10, 10, 330, 220), &frame, 100);
    progress.CreateEx(WS_EX_CLIENTEDGE, nullptr, L"", WS_CHILD | WS_VISIBLE, CRect(345, 10, 475, 34), &frame, 101);
    note.CreateEx(0, AfxRegisterWndClass(0, nullptr, (HBRUSH)(COLOR_INFOBK + 1)), L"", WS_CHILD | WS_VISIBLE | WS_BORDER,
                  CRect(345, 50, 500, 120), &frame, 102);
    desk.processMessages();
    screenshot(g, "windows-1.png", "The frame paints its caption and dialog frame, the children their client edges and "
                             "contents, parents before children.");

    CRect r;
    canvas.GetWindowRect(&r);
    for (CPoint p : {CPoint(60, 50), CPoint(150, 120), CPoint(260, 80)}) desk.click(r.TopLeft() + CSize(p.x, p.y));
    desk.moveMouse(r.TopLeft() + CSize(200, 150));
    screenshot(g, "windows-2.png", "Three clicks marked; the line follows the mouse over the canvas.");
    const bool sizeCursor = desk.cursor() == LoadCursor(nullptr, IDC_SIZENS);
    desk.moveMouse(CPoint(5, 5));
    std::vector<std::vector<Gallery::Cell>> rows;
    for (const std::string& e : canvas.m_events) rows.push_back({e});
    g.table({"Messages of the canvas, in order"}, rows);
    g.paragraph(std::string("Cursor over the canvas: ") + (sizeCursor ? "IDC_SIZENS, set in WM_SETCURSOR." : "?"));

    progress.SetTimer(1, 100, nullptr);
    desk.advanceClock(450);
    screenshot(g, "windows-3.png", "After 450 ms of virtual time: four ticks of a 100 ms timer.");
    desk.advanceClock(1000);
    note.ShowWindow(SW_HIDE);
    desk.processMessages();
    screenshot(g, "windows-4.png", "The timer ran out after ten ticks; the hidden note's place is painted by its parent.",
         frame);
}
