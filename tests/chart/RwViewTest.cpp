#include "ViewHost.h"
#include "support/Points.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace viewtest;
using Pellix::CPoint2d;
using Pellix::CRectDouble;
using testsupport::expectPoint;

namespace {

// Clears the client area with m_rop and the m_back brush and puts a red square
// over the world's low corner, one world unit wide.
class PictureView : public NVorel::CRwView {
public:
    CRectDouble m_world{0, 0, 10, 5};
    COLORREF m_back = green;
    DWORD m_rop = PATCOPY;
    int m_nDraws = 0;
    CRectDouble m_drawnRect; // the painter's global rectangle at the last draw

    CRectDouble globalRect() override { return m_world; }
    void draw(Pellix::CPainter* p) override
    {
        ++m_nDraws;
        m_drawnRect = p->getGlobalRect();
        p->setBrushColor(Pellix::CRGB(m_back));
        clearBackground(p, m_rop);
        p->setPenColor(p->addPenColor(Pellix::CRGB(red), 0, 0));
        p->setBrushColor(Pellix::CRGB(red));
        p->drawRectangle(CPoint2d(m_world.x0, m_world.y0), CPoint2d(m_world.x0 + 1, m_world.y0 + 1));
    }
};

// A frame over the whole screen with a 200 x 200 view at (10, 20).
class RwViewTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        freshDesktop();
        frame.create(CRect(0, 0, 400, 300));
        view.Create(nullptr, L"", WS_VISIBLE, CRect(10, 20, 210, 220), &frame, 1);
        frame.onViewMouse = [this] { seen.push_back(view.m_ptMouse); };
    }
    // Moves the mouse to a client point of the view; the world point it gave.
    CPoint2d mouseAt(int x, int y)
    {
        desk().moveMouse(CPoint(10 + x, 20 + y));
        return view.m_ptMouse;
    }
    void redrawNow()
    {
        view.repaint();
        view.Invalidate(FALSE);
        desk().processMessages();
    }
    void expectDrawn(double x0, double y0, double x1, double y1)
    {
        expectPoint(CPoint2d(view.m_drawnRect.x0, view.m_drawnRect.y0), x0, y0);
        expectPoint(CPoint2d(view.m_drawnRect.x1, view.m_drawnRect.y1), x1, y1);
    }
    COLORREF shown(int x, int y) { return screenAt(10 + x, 20 + y); }
    COLORREF inBitmap(int x, int y) { return platform::BitmapSurface(view.bitmap())->pixel(x, y); }

    HostFrame frame;
    PictureView view;
    std::vector<CPoint2d> seen; // m_ptMouse as the parent read it
};

} // namespace

TEST_F(RwViewTest, AWideWorldIsFittedWithEqualScalesAndRounded)
{
    view.init();
    desk().processMessages();
    ASSERT_EQ(view.m_nDraws, 1);
    // 10 x 5 in 200 x 200: 11 x 11 units, centred with 0.5 and 3 on the sides.
    expectDrawn(-0.5, -3.0, 10.5, 8.0);
    expectPoint(mouseAt(0, 0), -0.5, 8.0);
    expectPoint(mouseAt(199, 199), 10.5, -3.0);
    mouseAt(199, 199); // the same place again is announced again
    ASSERT_EQ(seen.size(), 3u);
    expectPoint(seen[0], -0.5, 8.0); // the parent reads the new position
    // World (0.5, 0.5), inside the red unit square, is at pixel (18, 136); the
    // square spans about pixels 9..27 and 127..145.
    EXPECT_EQ(shown(18, 136), red);
    for (CPoint outside : {CPoint(4, 136), CPoint(33, 136), CPoint(18, 121), CPoint(18, 151), CPoint(0, 0)})
        EXPECT_EQ(shown(outside.x, outside.y), green) << outside.x << ", " << outside.y;
    view.m_nRoundMode = 0; // exact: 10 x 10 units, 2.5 above and below
    redrawNow();
    expectDrawn(0.0, -2.5, 10.0, 7.5);
}

TEST_F(RwViewTest, ATallWorldIsFittedByItsHeight)
{
    view.MoveWindow(10, 20, 200, 100);
    view.m_world = CRectDouble(0, 0, 5, 10);
    view.init();
    desk().processMessages();
    expectDrawn(-8.5, -0.5, 13.5, 10.5); // 5 x 10 in 200 x 100: 11 high, 22 wide, centred with 8.5 and 0.5
    expectPoint(mouseAt(199, 99), 13.5, -0.5);
    view.m_nRoundMode = 2; // any mode but 1 is exact
    view.m_world = CRectDouble(1, 2, 6, 12.4);
    redrawNow();
    expectDrawn(-6.9, 2, 13.9, 12.4); // 10.4 high, 20.8 wide: 7.9 on either side
    view.m_nRoundMode = 1;            // rounds 10.4 up to 11, plus one unit
    redrawNow();
    expectDrawn(3.5 - 12, 2 - 0.8, 3.5 + 12, 12.4 + 0.8);
}

TEST_F(RwViewTest, PaintCopiesTheBitmapAndRedrawsOnlyWhenAsked)
{
    view.init();
    desk().processMessages();
    view.m_back = blue; // not drawn until asked
    view.Invalidate();
    desk().processMessages();
    EXPECT_EQ(shown(100, 50), green);
    CBitmap& bitmap = view.bitmap(); // redraws at once, even when current
    EXPECT_EQ(platform::BitmapSurface(bitmap)->pixel(100, 50), blue);
    desk().processMessages();
    EXPECT_EQ(view.m_nDraws, 2);
    EXPECT_EQ(differencesFromBitmap(view, bitmap), "");

    view.m_back = white;
    view.repaint(); // marks the picture only
    desk().processMessages();
    EXPECT_EQ(shown(100, 50), blue);
    view.Invalidate(FALSE);
    desk().processMessages();
    EXPECT_EQ(view.m_nDraws, 3);
    EXPECT_EQ(shown(100, 50), white);
    // The raster operation of clearBackground.
    for (auto [rop, colour] : {std::pair<DWORD, COLORREF>{WHITENESS, white}, {BLACKNESS, black}}) {
        view.m_rop = rop;
        EXPECT_EQ(inBitmap(199, 0), colour);
    }

    // The bitmap follows the client size; a second init replaces it and makes the picture due.
    view.MoveWindow(10, 20, 120, 80);
    EXPECT_EQ(platform::BitmapSurface(view.bitmap())->bounds(), CRect(0, 0, 120, 80));
    view.MoveWindow(10, 20, 150, 90);
    view.init();
    desk().processMessages();
    EXPECT_EQ(view.m_nDraws, 7);
    EXPECT_EQ(platform::BitmapSurface(view.bitmap())->bounds(), CRect(0, 0, 150, 90));
}

// A client area or world that cannot be fitted keeps the last picture and its
// transformation, and the picture is drawn once the sizes are sound again.
TEST_F(RwViewTest, UnusableSizesKeepThePictureAndItsTransformation)
{
    view.init();
    desk().processMessages();
    view.m_back = blue;
    for (CRectDouble world : {CRectDouble(), CRectDouble(3, 0, 1, 5), CRectDouble(0, NAN, 10, 5),
                              CRectDouble(0, 0, INFINITY, 5), CRectDouble(0, 0, 1e308, 1), CRectDouble(5, 5, 5, 5)}) {
        view.m_nRoundMode = world.x0 == 5 ? 0 : 1; // a single point has no extent when it is not rounded
        view.m_world = world;
        redrawNow();
        EXPECT_TRUE(view.m_nDraws == 1 && shown(18, 136) == red && shown(100, 50) == green) << world.x1;
        expectPoint(mouseAt(0, 0), -0.5, 8.0);
    }
    view.m_world = CRectDouble(0, 0, 10, 5);
    view.m_nRoundMode = 1;
    for (CSize size : {CSize(0, 0), CSize(0, 200), CSize(200, 0), CSize(1, 1)}) {
        view.MoveWindow(10, 20, size.cx, size.cy);
        view.bitmap();
        EXPECT_EQ(view.m_nDraws, 1) << size.cx << " x " << size.cy;
    }
    view.MoveWindow(10, 20, 200, 200);
    desk().processMessages();
    EXPECT_EQ(view.m_nDraws, 2); // still due: drawn at the first paint in a sound size
    EXPECT_EQ(shown(100, 50), blue);
    view.m_world = CRectDouble(5, 5, 5, 5); // a point, rounded: one unit around it
    redrawNow();
    expectDrawn(4.5, 4.5, 5.5, 5.5);
}

TEST_F(RwViewTest, AViewWithoutItsBitmapPaintsNothing)
{
    EXPECT_EQ(view.bitmap().GetSafeHandle(), nullptr); // no init()
    desk().processMessages();
    EXPECT_EQ(view.m_nDraws, 0);
    EXPECT_EQ(shown(100, 50), frameColour);
    // Until a picture is drawn, positions go through the neutral transformation
    // (pixel y 0 is world y 1, y grows downward in pixels and upward in the world).
    expectPoint(mouseAt(3, 2), 3.0, -1.0);
    view.init();
    view.Invalidate();
    desk().processMessages();
    EXPECT_EQ(shown(100, 50), green);
}

TEST_F(RwViewTest, AViewWithoutParentConvertsAndSendsNothing)
{
    PictureView lone;
    lone.CreateEx(0, nullptr, L"", WS_POPUP | WS_VISIBLE, CRect(300, 200, 340, 240), nullptr, 0);
    lone.init();
    desk().processMessages();
    desk().moveMouse(CPoint(300, 200));
    expectPoint(lone.m_ptMouse, -0.5, 8.0); // 10 x 5 in 40 x 40: 11 x 11 units from (-0.5, -3)
    EXPECT_EQ(frame.m_nViewMessages, 0);
}
