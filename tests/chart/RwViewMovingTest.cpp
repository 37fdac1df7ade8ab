#include "chart/RwChart.h"
#include "chart/RwViewMoving.h"
#include "ViewHost.h"
#include "support/Ink.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace viewtest;
using NVorel::CPopupLabel;
using Pellix::CPoint2d;

namespace {

constexpr COLORREF lineColour = RGB(255, 0, 255), positive = RGB(0, 150, 0), negative = RGB(200, 0, 0);

// A host's tracking view: a chart over positions 0..10 (upward) with values
// across 0..20, and a label coloured by the sign of x - 10, or plain text.
// Its WM_MOUSEMOVE entry runs both the base view's reaction and the tracking.
class TrackingView : public NVorel::CRwViewMoving {
public:
    TrackingView()
    {
        for (double y = 0; y <= 10; y += 0.5) m_chart.push_back(NVorel::CChartZone(y, std::sin(y), std::sin(y + 0.5)));
    }
    Pellix::CRectDouble globalRect() override { return Pellix::CRectDouble(0, 0, 20, 10); }
    void draw(Pellix::CPainter* p) override
    {
        clearBackground(p, WHITENESS);
        m_chart.draw(p);
    }
    CRect labelRect() const { return windowRect(m_label); }
    // The label's text in a colour, against its background and the other run colours.
    int labelInk(COLORREF colour) const
    {
        const CRect r = labelRect();
        const COLORREF back = screenAt(r.left + 1, r.top + 1);
        return testsupport::Ink{colour, back, {positive, negative, black}}.count(desk().screen(), r);
    }
    bool labelShown() const { return m_label.IsWindowVisible(); }

    std::vector<CPoint2d> m_asked; // world points the label text was asked for
    bool m_bPlain = false;

protected:
    void OnGetLabelText(CPoint2d pt, std::vector<CPopupLabel::TextItem>& items) override
    {
        m_asked.push_back(pt);
        if (!m_bPlain) items = {{pt.x < 10 ? negative : positive, L"value", CPopupLabel::TEXT}};
    }
    void OnGetLabelText(CPoint2d, CString& text) override { text = L"plain"; }
    afx_msg void OnMouseMove(UINT nFlags, CPoint point) override
    {
        CRwView::OnMouseMove(nFlags, point);
        CRwViewMoving::OnMouseMove(nFlags, point);
    }
    DECLARE_MESSAGE_MAP()

    NVorel::CRwChart m_chart;
};

BEGIN_MESSAGE_MAP(TrackingView, NVorel::CRwViewMoving)
    ON_WM_MOUSEMOVE()
END_MESSAGE_MAP()

// A frame over the screen with a 300 x 200 tracking view at (20, 20).
class Tracking : public ::testing::Test {
protected:
    static constexpr int left = 20, top = 20, width = 300, height = 200;
    const CRect client{left, top, left + width, top + height};

    void SetUp() override
    {
        freshDesktop();
        desk().moveMouse(CPoint(399, 299));
        frame.create(CRect(0, 0, 400, 300));
        view.Create(nullptr, L"", WS_VISIBLE, client, &frame, 1);
        view.init();
        view.SetLinePen(PS_SOLID, 1, lineColour);
        picture = view.bitmap();
        desk().processMessages();
    }
    void TearDown() override { desk().refuseTimers(false); }

    void mouseAt(int x, int y, int rest = 0)
    {
        desk().moveMouse(CPoint(left + x, top + y));
        desk().advanceClock(rest);
    }
    void leave() { desk().moveMouse(CPoint(5, 5)); } // onto the frame: the view hears WM_MOUSELEAVE
    int linePixels() const { return colourCount(client, lineColour); }
    // The label beside the client point, displaced by (5, 7); the horizontal
    // line at that row, all of it but its end pixel; the rest as in the bitmap.
    void expectLabelAndLineAt(int x, int y)
    {
        ASSERT_TRUE(view.labelShown());
        EXPECT_EQ(view.labelRect().TopLeft(), CPoint(left + x + 5, top + y + 7));
        EXPECT_EQ(colourBox(client, lineColour), CRect(left, top + y, left + width - 1, top + y + 1));
        EXPECT_EQ(linePixels(), width - 1);
        CRect label = view.labelRect();
        label.OffsetRect(-left, -top);
        EXPECT_EQ(differencesFromBitmap(view, picture, {label, CRect(0, y, width, y + 1)}), "");
    }
    // Label and line gone, the picture on the screen exactly as in the bitmap.
    void expectCleanPicture()
    {
        EXPECT_FALSE(view.labelShown());
        EXPECT_EQ(differencesFromBitmap(view, picture), "");
    }

    HostFrame frame;
    TrackingView view;
    HBITMAP picture = nullptr;
};

} // namespace

TEST_F(Tracking, TheLabelWaitsThenFollowsSmallMovesWithTheHostsText)
{
    mouseAt(100, 80, 249); // far from the anchor (-1, -1)
    EXPECT_FALSE(view.labelShown());
    EXPECT_EQ(linePixels(), 0);
    desk().advanceClock(1); // rested 250 ms
    expectLabelAndLineAt(100, 80);
    // The host's text for the world point under the cursor: 20 x 10 in 300 x
    // 200 is fitted as 21 x 14 units from (-0.5, -2).
    ASSERT_FALSE(view.m_asked.empty());
    EXPECT_NEAR(view.m_asked.back().x, -0.5 + 100 * 21.0 / 299, 1e-9);
    EXPECT_NEAR(view.m_asked.back().y, 12.0 - 80 * 14.0 / 199, 1e-9);
    EXPECT_TRUE(view.labelInk(negative) > 0 && view.labelInk(positive) == 0);

    mouseAt(110, 95); // 18 pixels away: at once
    expectLabelAndLineAt(110, 95);
    mouseAt(100, 85, 1000); // up again, the line passes where the label was; nothing is pending
    expectLabelAndLineAt(100, 85);
    EXPECT_EQ(frame.m_nViewMessages, 3); // the base view's reaction runs too
    EXPECT_EQ(desk().cursor(), LoadCursor(nullptr, IDC_SIZENS));

    view.m_bPlain = true;
    mouseAt(230, 80, 250); // beyond a jump: rests, then the host gives plain text
    EXPECT_TRUE(view.labelInk(negative) + view.labelInk(positive) == 0);
    EXPECT_GT(view.labelInk(black), 0);
    view.SetCursor(LoadCursor(nullptr, IDC_CROSS));
    mouseAt(231, 80);
    EXPECT_EQ(desk().cursor(), LoadCursor(nullptr, IDC_CROSS));
    view.SetCursor(nullptr); // the window's own: the arrow of its class
    mouseAt(232, 80);
    EXPECT_EQ(desk().cursor(), LoadCursor(nullptr, IDC_ARROW));
}

TEST_F(Tracking, AJumpHidesLabelAndLineUntilTheMouseRests)
{
    mouseAt(100, 80, 250);
    mouseAt(100, 99); // 19 pixels: followed
    expectLabelAndLineAt(100, 99);
    mouseAt(100, 119); // 20 pixels: a jump
    expectCleanPicture();
    desk().advanceClock(200);
    mouseAt(150, 120, 200); // still far from the anchor: the wait starts again
    expectCleanPicture();
    desk().advanceClock(50);
    expectLabelAndLineAt(150, 120);
    mouseAt(30, 30); // a jump, then back near the anchor: shown at once, the wait given up
    expectCleanPicture();
    mouseAt(155, 110, 1000);
    expectLabelAndLineAt(155, 110);
}

TEST_F(Tracking, TheBorderAndLeavingRestoreThePictureExactly)
{
    mouseAt(100, 80, 250);
    for (CPoint border : {CPoint(0, 80), CPoint(100, 0), CPoint(width - 1, 80), CPoint(100, height - 1)}) {
        mouseAt(100, 80);
        expectLabelAndLineAt(100, 80);
        mouseAt(border.x, border.y);
        expectCleanPicture();
    }
    mouseAt(101, 81);
    leave();
    expectCleanPicture();
    mouseAt(120, 120); // back in, far from the anchor: a jump
    leave();
    desk().advanceClock(1000); // the wait ended with the leave
    expectCleanPicture();
}

// Near the boundary the label is pushed inside it; across the line it goes to
// the cursor's other side, so it covers neither the cursor nor the line.
TEST_F(Tracking, TheLabelStaysInsideItsBoundaryAndOffTheCursor)
{
    const int pushedRight = client.right - 25 + 2, pushedBottom = client.bottom - 27; // 20 + displacement in
    const struct {
        CPoint at;
        bool vertical;
        int left, top, right, bottom; // 0: not checked
    } cases[] = {
        {{290, 60}, false, 0, top + 60 + 7, pushedRight, 0},   // pushed left, still below the line
        {{60, 190}, false, left + 60 + 5, 0, 0, pushedBottom}, // pushed up, above the cursor here
        {{60, 160}, false, 0, 0, 0, top + 160 - 7},            // the margin would cover the cursor: above it
        {{295, 195}, false, 0, 0, 0, 0},                       // the corner
        {{290, 60}, true, 0, 0, pushedRight, 0},               // across a vertical line the label goes left
        {{250, 60}, true, 0, top + 60 + 7, left + 250 - 5, 0},
        {{295, 195}, true, 0, 0, 0, 0},
    };
    for (const auto& c : cases) {
        view.SetLineDir(c.vertical);
        mouseAt(c.at.x, c.at.y, 250);
        const CRect r = view.labelRect();
        const CPoint cursor(left + c.at.x, top + c.at.y);
        SCOPED_TRACE(std::to_string(c.at.x) + ", " + std::to_string(c.at.y));
        EXPECT_TRUE(view.labelShown() && r.left > left && r.top > top && r.right <= pushedRight &&
                    r.bottom <= pushedBottom);
        if (c.vertical) EXPECT_TRUE(r.right <= cursor.x || r.left > cursor.x);
        else EXPECT_TRUE(r.bottom <= cursor.y || r.top > cursor.y);
        for (auto [actual, expected] :
             {std::pair{r.left, c.left}, {r.top, c.top}, {r.right, c.right}, {r.bottom, c.bottom}})
            if (expected) EXPECT_EQ(actual, expected);
    }
    // Within the main window's client area the label may leave the view.
    AfxGetThread()->m_pMainWnd = &frame;
    view.SetParentBoundary(false);
    view.SetLineDir(false);
    mouseAt(250, 60, 250);
    EXPECT_EQ(view.labelRect().TopLeft(), CPoint(left + 250 + 5, top + 60 + 7));
    EXPECT_GT(view.labelRect().right, pushedRight);
    AfxGetThread()->m_pMainWnd = nullptr;
}

TEST_F(Tracking, RefusedTimersLetTheLabelFollowJumpsAtOnce)
{
    desk().refuseTimers(true);
    mouseAt(100, 80);
    expectLabelAndLineAt(100, 80);
    mouseAt(150, 120);
    expectLabelAndLineAt(150, 120);
    leave();
    expectCleanPicture();
}

TEST_F(Tracking, ARepaintKeepsLineAndLabelOverTheNewPicture)
{
    mouseAt(100, 80, 250);
    const CRect label = view.labelRect();
    const COLORREF labelBack = screenAt(label.left + 1, label.top + 1);
    view.repaint();
    for (CWnd* repainted : {(CWnd*)&frame, (CWnd*)&view}) { // the host repaints everything, or the view alone
        repainted->Invalidate();
        desk().processMessages();
        expectLabelAndLineAt(100, 80);
        EXPECT_EQ(screenAt(label.left + 1, label.top + 1), labelBack);
    }
    leave();
    expectCleanPicture();
}

TEST_F(Tracking, WidePensAndDirectionChangesLeaveNoTrace)
{
    view.SetLinePen(PS_SOLID, 3, lineColour);
    view.SetLineDir(true);
    mouseAt(100, 80, 250);
    const CRect line = colourBox(client, lineColour);
    EXPECT_TRUE(line.left == left + 99 && line.right == left + 102 && line.Height() >= height - 1) << line.left;
    mouseAt(110, 85);
    EXPECT_NE(screenAt(left + 100, top + 100), lineColour);
    view.SetLineDir(false); // the line goes before the direction changes
    EXPECT_EQ(linePixels(), 0);
    mouseAt(112, 86);
    view.SetLinePen(PS_SOLID, 1, RGB(0, 0, 1)); // so does a pen change
    EXPECT_EQ(linePixels(), 0);
    leave();
    expectCleanPicture();
}

TEST_F(Tracking, AViewWithoutItsBitmapDrawsNoLine)
{
    TrackingView bare;
    bare.Create(nullptr, L"", WS_VISIBLE, CRect(330, 20, 390, 80), &frame, 2);
    bare.SetLinePen(PS_SOLID, 1, lineColour);
    desk().refuseTimers(true);
    desk().moveMouse(CPoint(350, 40));
    desk().moveMouse(CPoint(352, 44));
    EXPECT_EQ(colourCount(CRect(330, 20, 390, 80), lineColour), 0);
}
