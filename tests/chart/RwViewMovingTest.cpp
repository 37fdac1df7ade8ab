#include "chart/RwChart.h"
#include "chart/RwViewMoving.h"
#include "ViewHost.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace viewtest;
using NVorel::CPopupLabel;
using Pellix::CPoint2d;
using Pellix::CRectDouble;

namespace {

constexpr COLORREF lineColour = RGB(255, 0, 255);
constexpr COLORREF positive = RGB(0, 150, 0), negative = RGB(200, 0, 0);

// A host's tracking view: a chart over positions 0..10 (upward) with values
// across 0..20, and a rich label "x | value" with the value coloured by sign.
// Its WM_MOUSEMOVE entry runs both the base view's reaction and the tracking.
class TrackingView : public NVorel::CRwViewMoving {
public:
    TrackingView()
    {
        for (int i = 0; i <= 20; ++i) {
            const double y = i * 0.5;
            m_chart.push_back(NVorel::CChartZone(y, std::sin(y), std::sin(y + 0.5)));
        }
    }
    CRectDouble globalRect() override { return CRectDouble(0, 0, 20, 10); }
    void draw(Pellix::CPainter* p) override
    {
        clearBackground(p, WHITENESS);
        m_chart.draw(p);
    }

    CPopupLabel& label() { return m_label; }
    CRect labelRect() const
    {
        CRect r;
        m_label.GetWindowRect(&r);
        return r;
    }
    bool labelShown() const { return m_label.IsWindowVisible(); }

    std::vector<CPoint2d> m_asked; // world points the label text was asked for
    bool m_bPlainRight = false;    // plain text right of x = 10

protected:
    void OnGetLabelText(CPoint2d pt, std::vector<CPopupLabel::TextItem>& items) override
    {
        m_asked.push_back(pt);
        if (m_bPlainRight && pt.x > 10) return;
        CString x, value;
        x.Format(L"%.2f", pt.y);
        value.Format(L"%.2f", pt.x - 10);
        items = {{CPopupLabel::DEFAULT_COLOR, x, CPopupLabel::TEXT},
                 {0, L"", CPopupLabel::NEXT_COLUMN},
                 {pt.x < 10 ? negative : positive, value, CPopupLabel::TEXT}};
    }
    void OnGetLabelText(CPoint2d pt, CString& text) override { text.Format(L"plain %.1f", pt.x); }

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

    void SetUp() override
    {
        freshDesktop();
        desk().moveMouse(CPoint(399, 299));
        frame.create(CRect(0, 0, 400, 300));
        view.Create(nullptr, L"", WS_VISIBLE, CRect(left, top, left + width, top + height), &frame, 1);
        view.init();
        view.SetLinePen(PS_SOLID, 1, lineColour);
        picture = view.bitmap();
        desk().processMessages();
    }
    void TearDown() override { desk().refuseTimers(false); }

    void mouseAt(int x, int y) { desk().moveMouse(CPoint(left + x, top + y)); }
    // The view's pixels in the line colour.
    int linePixels() const
    {
        int n = 0;
        for (int y = top; y < top + height; ++y)
            for (int x = left; x < left + width; ++x) n += screenAt(x, y) == lineColour;
        return n;
    }
    // Every pixel of the horizontal line at client row y, and nothing else of it.
    void expectLineAtRow(int y)
    {
        for (int x : {0, 1, 150, width - 2}) EXPECT_EQ(screenAt(left + x, top + y), lineColour) << x << ", " << y;
        EXPECT_NE(screenAt(left + width - 1, top + y), lineColour); // the line leaves out its end
        EXPECT_EQ(linePixels(), width - 1);
    }
    // The label window beside the client point: displaced by (5, 7).
    void expectLabelAt(int x, int y)
    {
        ASSERT_TRUE(view.labelShown());
        EXPECT_EQ(view.labelRect().TopLeft(), CPoint(left + x + 5, top + y + 7));
    }
    // Label and line gone, the picture on the screen exactly as in the bitmap.
    void expectCleanPicture()
    {
        EXPECT_FALSE(view.labelShown());
        EXPECT_EQ(differencesFromBitmap(view, picture), "");
    }
    // The picture as in the bitmap except where the label and the line are.
    void expectPictureAround(int lineRow)
    {
        CRect label = view.labelRect();
        label.OffsetRect(-left, -top);
        EXPECT_EQ(differencesFromBitmap(view, picture, {label, CRect(0, lineRow, width, lineRow + 1)}), "");
    }

    HostFrame frame;
    TrackingView view;
    HBITMAP picture = nullptr;
};

} // namespace

TEST_F(Tracking, TheLabelWaitsAfterTheFirstMoveAndThenFollowsSmallMoves)
{
    mouseAt(100, 80); // far from the anchor (-1, -1)
    EXPECT_FALSE(view.labelShown());
    EXPECT_EQ(linePixels(), 0);
    desk().advanceClock(249);
    EXPECT_FALSE(view.labelShown());
    desk().advanceClock(1); // rested 250 ms
    expectLabelAt(100, 80);
    expectLineAtRow(80);
    expectPictureAround(80);

    mouseAt(110, 95); // 18 pixels away: at once
    expectLabelAt(110, 95);
    expectLineAtRow(95);
    expectPictureAround(95);
    mouseAt(100, 85); // up again, the line passes where the label was
    expectLabelAt(100, 85);
    expectLineAtRow(85);
    expectPictureAround(85);
    desk().advanceClock(1000); // nothing is pending
    expectLabelAt(100, 85);

    // The base view's reaction runs too: every move is announced to the parent.
    EXPECT_EQ(frame.m_nViewMessages, 3);
}

TEST_F(Tracking, AJumpHidesLabelAndLineUntilTheMouseRests)
{
    mouseAt(100, 80);
    desk().advanceClock(250);
    mouseAt(100, 99); // 19 pixels: followed
    expectLabelAt(100, 99);
    mouseAt(100, 119); // 20 pixels: a jump
    expectCleanPicture();
    desk().advanceClock(200);
    mouseAt(150, 120); // still far from the anchor: the wait starts again
    desk().advanceClock(200);
    expectCleanPicture();
    desk().advanceClock(50);
    expectLabelAt(150, 120);
    expectLineAtRow(120);

    mouseAt(30, 30); // a jump, then back near the anchor: shown at once
    expectCleanPicture();
    mouseAt(155, 110);
    expectLabelAt(155, 110);
    desk().advanceClock(1000); // the wait was given up
    expectLabelAt(155, 110);
}

TEST_F(Tracking, TheBorderAndLeavingRestoreThePictureExactly)
{
    mouseAt(100, 80);
    desk().advanceClock(250);
    for (CPoint border : {CPoint(0, 80), CPoint(100, 0), CPoint(width - 1, 80), CPoint(100, height - 1)}) {
        mouseAt(100, 80);
        expectLabelAt(100, 80);
        mouseAt(border.x, border.y);
        expectCleanPicture();
    }
    mouseAt(101, 81);
    expectLineAtRow(81);
    desk().moveMouse(CPoint(5, 5)); // onto the frame: the view hears WM_MOUSELEAVE
    expectCleanPicture();

    mouseAt(120, 120); // back in, far from the anchor: a jump
    desk().moveMouse(CPoint(5, 5));
    desk().advanceClock(1000); // the wait ended with the leave
    expectCleanPicture();
}

TEST_F(Tracking, TheLabelShowsTheHostsTextForTheWorldPointUnderTheCursor)
{
    mouseAt(100, 80);
    desk().advanceClock(250);
    ASSERT_FALSE(view.m_asked.empty());
    // 20 x 10 in 300 x 200 is fitted as 21 x 14 units from (-0.5, -2).
    const CPoint2d asked = view.m_asked.back();
    EXPECT_NEAR(asked.x, -0.5 + 100 * 21.0 / 299, 1e-9);
    EXPECT_NEAR(asked.y, 12.0 - 80 * 14.0 / 199, 1e-9);
    EXPECT_NEAR(view.m_ptMouse.x, asked.x, 1e-9);
    const CRect label = view.labelRect();
    EXPECT_FALSE(colourBox(label, negative).IsRectEmpty()); // x < 10: a negative value
    EXPECT_TRUE(colourBox(label, positive).IsRectEmpty());

    view.m_bPlainRight = true;
    mouseAt(110, 80);
    EXPECT_FALSE(colourBox(view.labelRect(), negative).IsRectEmpty());
    mouseAt(230, 80); // beyond a jump: rests, then the host gives plain text
    desk().advanceClock(250);
    const CRect plain = view.labelRect();
    EXPECT_TRUE(colourBox(plain, negative).IsRectEmpty());
    EXPECT_TRUE(colourBox(plain, positive).IsRectEmpty());
    EXPECT_FALSE(colourBox(plain, black).IsRectEmpty());
}

// Near the boundary the label is pushed inside it; across the line it goes to
// the cursor's other side, so it covers neither the cursor nor the line.
TEST_F(Tracking, TheLabelStaysInsideItsBoundaryAndOffTheCursor)
{
    const CRect w(left, top, left + width, top + height);
    const auto check = [&](CPoint client, bool vertical) -> CRect {
        mouseAt(client.x, client.y);
        desk().advanceClock(250);
        EXPECT_TRUE(view.labelShown());
        const CRect r = view.labelRect();
        const CPoint cursor(left + client.x, top + client.y);
        EXPECT_GE(r.left, w.left + 1);
        EXPECT_GE(r.top, w.top + 1);
        EXPECT_LE(r.right - 2, w.right - 25); // right and bottom 20 + displacement in
        EXPECT_LE(r.bottom, w.bottom - 27);
        EXPECT_FALSE(r.PtInRect(cursor));
        if (vertical) EXPECT_TRUE(r.right <= cursor.x || r.left > cursor.x) << r.left << ".." << r.right;
        else EXPECT_TRUE(r.bottom <= cursor.y || r.top > cursor.y) << r.top << ".." << r.bottom;
        return r;
    };
    // Right edge, mid height: pushed left to the margin, still below the line.
    CRect r = check(CPoint(290, 60), false);
    EXPECT_EQ(r.right - 2, w.right - 25);
    EXPECT_EQ(r.top, top + 60 + 7);
    // Bottom edge: pushed up to the margin, which is above the cursor here.
    r = check(CPoint(60, 190), false);
    EXPECT_EQ(r.left, left + 60 + 5);
    EXPECT_EQ(r.bottom, w.bottom - 27);
    // Nearer the middle the margin would put it over the cursor: it goes above,
    // its bottom the displacement away.
    r = check(CPoint(60, 160), false);
    EXPECT_EQ(r.bottom, top + 160 - 7);
    check(CPoint(295, 195), false); // the corner

    view.SetLineDir(true); // across a vertical line the label goes left
    r = check(CPoint(290, 60), true);
    EXPECT_EQ(r.right - 2, w.right - 25);
    r = check(CPoint(250, 60), true);
    EXPECT_EQ(r.right, left + 250 - 5);
    EXPECT_EQ(r.top, top + 60 + 7);
    check(CPoint(295, 195), true);

    // Within the main window's client area the label may leave the view.
    AfxGetThread()->m_pMainWnd = &frame;
    view.SetParentBoundary(false);
    view.SetLineDir(false);
    mouseAt(250, 60);
    desk().advanceClock(250);
    EXPECT_EQ(view.labelRect().TopLeft(), CPoint(left + 250 + 5, top + 60 + 7));
    EXPECT_GT(view.labelRect().right, w.right - 25);
    AfxGetThread()->m_pMainWnd = nullptr;
}

TEST_F(Tracking, RefusedTimersLetTheLabelFollowJumpsAtOnce)
{
    desk().refuseTimers(true);
    mouseAt(100, 80);
    expectLabelAt(100, 80);
    expectLineAtRow(80);
    mouseAt(150, 120);
    expectLabelAt(150, 120);
    expectLineAtRow(120);
    desk().moveMouse(CPoint(5, 5));
    expectCleanPicture();
}

TEST_F(Tracking, ARepaintKeepsLineAndLabelOverTheNewPicture)
{
    mouseAt(100, 80);
    desk().advanceClock(250);
    const CRect label = view.labelRect();
    const COLORREF labelBack = screenAt(label.left + 1, label.top + 1);
    view.repaint();
    frame.Invalidate(); // the host repaints everything
    desk().processMessages();
    expectLineAtRow(80);
    EXPECT_EQ(screenAt(label.left + 1, label.top + 1), labelBack);
    view.Invalidate(); // the view alone
    desk().processMessages();
    expectLineAtRow(80);
    EXPECT_EQ(screenAt(label.left + 1, label.top + 1), labelBack);
    expectPictureAround(80);
    desk().moveMouse(CPoint(5, 5));
    expectCleanPicture();
}

TEST_F(Tracking, WidePensAndDirectionChangesLeaveNoTrace)
{
    view.SetLinePen(PS_SOLID, 3, lineColour);
    view.SetLineDir(true);
    mouseAt(100, 80);
    desk().advanceClock(250);
    for (int x : {99, 100, 101})
        for (int y : {0, 100, 198}) EXPECT_EQ(screenAt(left + x, top + y), lineColour) << x << ", " << y;
    EXPECT_NE(screenAt(left + 98, top + 100), lineColour);
    EXPECT_NE(screenAt(left + 102, top + 100), lineColour);
    mouseAt(110, 85);
    EXPECT_NE(screenAt(left + 100, top + 100), lineColour);
    view.SetLineDir(false); // the line goes before the direction changes
    EXPECT_EQ(linePixels(), 0);
    mouseAt(112, 86);
    view.SetLinePen(PS_SOLID, 1, RGB(0, 0, 1)); // so does a pen change
    EXPECT_EQ(linePixels(), 0);
    desk().moveMouse(CPoint(5, 5));
    expectCleanPicture();
}

TEST_F(Tracking, TheViewSetsItsCursor)
{
    mouseAt(100, 80);
    EXPECT_EQ(desk().cursor(), LoadCursor(nullptr, IDC_SIZENS));
    view.SetCursor(LoadCursor(nullptr, IDC_CROSS));
    mouseAt(101, 80);
    EXPECT_EQ(desk().cursor(), LoadCursor(nullptr, IDC_CROSS));
    view.SetCursor(nullptr); // the window's own: the arrow of its class
    mouseAt(102, 80);
    EXPECT_EQ(desk().cursor(), LoadCursor(nullptr, IDC_ARROW));
}

TEST_F(Tracking, AViewWithoutItsBitmapDrawsNoLine)
{
    TrackingView bare;
    bare.Create(nullptr, L"", WS_VISIBLE, CRect(330, 20, 390, 80), &frame, 2);
    bare.SetLinePen(PS_SOLID, 1, lineColour);
    desk().refuseTimers(true);
    desk().moveMouse(CPoint(350, 40));
    desk().moveMouse(CPoint(352, 44));
    EXPECT_EQ(colourBox(CRect(330, 20, 390, 80), lineColour), CRect());
}
