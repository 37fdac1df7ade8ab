// A bending-moment diagram in a tracking view, as a host's result window shows
// it: a scripted mouse path across the beam with the cross line and a rich
// two-column label (position, and moment coloured by sign), the label hidden
// after a jump and back after the delay, and the picture restored on leaving.
#include "MomentView.h"
#include "Pages.h"
#include "Screenshot.h"

#include "chart/RwChart.h"
#include "chart/RwViewMoving.h"
#include "units/Qemet.h"
#include "win/Afx.h"

#include <cmath>

namespace {

// The host's result window: its caption shows the world position the view
// announces with every mouse move.
class ResultFrame : public CWnd {
public:
    MomentView* m_pView = nullptr;
    int m_nAnnounced = 0;

protected:
    afx_msg LRESULT OnViewMouse(WPARAM, LPARAM)
    {
        ++m_nAnnounced;
        CString title;
        title.Format(L"Beam B12, bending moment (y = %.2f m)", m_pView->m_ptMouse.y);
        SetWindowText(title);
        return 0;
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(ResultFrame, CWnd)
    ON_MESSAGE(NVorel::WM_RWVIEW_MOUSE, OnViewMouse)
END_MESSAGE_MAP()

} // namespace

void trackingViewPage(DemoContext& demo)
{
    Gallery& g = demo.gallery;
    platform::Desktop& desk = platform::desktop();
    g.beginPage("Tracking view with cross line and popup label",
                "A host's result window shows the bending moment of a two-span beam (2 x 6 m, 20 kN/m) in a "
                "tracking view: the positions run upward, the moments across, with the value scale below. The "
                "view draws its picture once into an off-screen bitmap; while the mouse moves, only a one-pixel "
                "cross line is drawn and erased again from that bitmap, and a popup label beside the cursor "
                "shows the host's text for the point under it: the position in the display unit and the "
                "moment, green where it sags and red where it hogs. Small moves are followed at once; after a "
                "jump the label waits until the mouse has rested 250 ms on the virtual clock.");
    desk.setScreenSize(560, 420);

    ResultFrame frame;
    MomentView view;
    frame.m_pView = &view;
    createHostFrame(frame, L"Beam B12, bending moment", CRect(20, 20, 540, 400));
    view.Create(nullptr, L"", WS_VISIBLE | WS_BORDER, CRect(10, 10, 500, 340), &frame, 1);
    view.init();
    view.SetLinePen(PS_SOLID, 1, RGB(220, 0, 140));
    desk.processMessages();
    const HBITMAP picture = view.bitmap();
    desk.processMessages();

    CRect client;
    view.GetClientRect(&client);
    view.ClientToScreen(&client);
    const auto at = [&](int x, int y) { return CPoint(client.left + x, client.top + y); };
    std::vector<std::vector<Gallery::Cell>> steps;
    const auto step = [&](const std::string& what, CPoint p) {
        const std::string where = client.PtInRect(p) ? "(" + std::to_string(p.x - client.left) + ", " +
                                                           std::to_string(p.y - client.top) + ")"
                                                     : "outside";
        steps.push_back({what, where, view.labelShown() ? "shown" : "hidden", view.labelShown() ? view.m_lastText : ""});
    };

    CPoint p = at(250, 250);
    desk.moveMouse(p);
    step("first move: far from the label's anchor, so it waits", p);
    desk.advanceClock(250);
    step("rested 250 ms: label and line appear", p);
    for (int y = 244; y >= 196; y -= 12) {
        p = at(250 + (244 - y) / 4, y);
        desk.moveMouse(p);
    }
    step("small moves up the beam: followed at once", p);
    screenshot(g, "tracking-1.png", "The cross line at the cursor's position and the label with position and "
                                    "sagging moment (green).", frame);
    for (int y = 184; y >= 148; y -= 12) {
        p = at(262, y);
        desk.moveMouse(p);
    }
    step("on to the middle support", p);
    screenshot(g, "tracking-2.png", "Near the middle support the moment hogs: the value turns red.", frame);

    p = at(180, 60);
    desk.moveMouse(p);
    step("a jump of 110 pixels: label and line hidden", p);
    screenshot(g, "tracking-3.png", "After a jump the label and the line are gone; the picture underneath is "
                                    "whole again.", frame);
    desk.advanceClock(120);
    p = at(190, 70);
    desk.moveMouse(p);
    step("still far from the old place: the wait starts again", p);
    desk.advanceClock(250);
    step("rested: back at the new place", p);
    screenshot(g, "tracking-4.png", "250 ms after the mouse came to rest the label is back at the new place.", frame);

    p = at(470, 110);
    desk.moveMouse(p);
    desk.advanceClock(250);
    step("near the right edge: the label is kept inside the view", p);
    screenshot(g, "tracking-5.png", "Near the edge the label is pushed back inside the view, beside the line "
                                    "and clear of the cursor.", frame);

    desk.moveMouse(CPoint(30, 400));
    step("leaving the view", CPoint(30, 400));
    g.table({"mouse step", "client point", "label", "label text"}, steps);

    const platform::Surface& bitmap = *platform::BitmapSurface(picture);
    int differing = 0;
    for (int y = 0; y < client.Height(); ++y)
        for (int x = 0; x < client.Width(); ++x)
            differing += bitmap.pixel(x, y) != desk.screen().pixel(client.left + x, client.top + y);
    g.paragraph("After the mouse left the view, " + std::to_string(differing) + " of its " +
                std::to_string(client.Width() * client.Height()) +
                " pixels differ from the off-screen picture: the line left no trace. The view announced " +
                std::to_string(frame.m_nAnnounced) +
                " mouse moves to its host window (message 0x8003), which shows the position in its caption.");
    screenshot(g, "tracking-6.png", "The mouse has left: no line, no label.", frame);
}
