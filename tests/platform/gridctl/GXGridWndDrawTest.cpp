#include "TestGrids.h"
#include "support/GridOnDesktop.h"
#include "win/gdi/SysColors.h"

#include <gtest/gtest.h>

namespace {

constexpr COLORREF gridLine = RGB(192, 192, 192);
constexpr COLORREF red = RGB(200, 0, 0);
constexpr COLORREF green = RGB(0, 160, 0);

// A painted grid of three columns and three rows with headers: columns 70
// and rows 20 pixels by default, each cell's grid line on its last pixels.
class GridPaint : public testsupport::GridOnDesktop<CGXGridWnd> {
protected:
    GridPaint() { m_gridRect = CRect(0, 0, 300, 200); }
    void SetUp() override
    {
        GridOnDesktop::SetUp();
        fillOwnGrid(grid, {{L"", L"A", L"B", L"C"},
                           {L"1", L"a1", L"b1", L"c1"},
                           {L"2", L"a2", L"b2", L"c2"},
                           {L"3", L"a3", L"b3", L"c3"}});
        paint();
    }
    // How many pixels of a rectangle differ from the colour (text ink), or
    // match it.
    int ink(const CRect& r, COLORREF background, bool match = false)
    {
        int n = 0;
        for (int y = r.top; y < r.bottom; ++y)
            for (int x = r.left; x < r.right; ++x)
                n += (pixel(x, y) == background) == match;
        return n;
    }
    void colourCell(ROWCOL row, ROWCOL col, COLORREF interior)
    {
        grid.StoreStyleRowCol(row, col, &CGXStyle().SetInterior(interior), gxOverride, 0);
    }
    const COLORREF face = GetSysColor(COLOR_BTNFACE), window = GetSysColor(COLOR_WINDOW);
};

} // namespace

TEST_F(GridPaint, HeadersCellsAndGridLines)
{
    // The corner: a raised header frame around the button face.
    EXPECT_EQ(pixel(0, 0), GetSysColor(COLOR_BTNHIGHLIGHT));
    EXPECT_EQ(pixel(68, 18), GetSysColor(COLOR_BTNSHADOW));
    EXPECT_EQ(pixel(35, 10), face);
    EXPECT_EQ(pixel(69, 10), gridLine);
    // Cell a1 (70..139 x 20..39): white, its text at the left, grid lines right and below.
    EXPECT_EQ(pixel(130, 30), window);
    EXPECT_GT(ink(CRect(72, 21, 100, 38), window), 0);
    EXPECT_EQ(pixel(139, 30), gridLine);
    EXPECT_EQ(pixel(100, 39), gridLine);
    // Column titles are centred: none at the left edge, some in the middle.
    EXPECT_EQ(ink(CRect(72, 2, 95, 17), face), 0);
    EXPECT_GT(ink(CRect(95, 2, 115, 17), face), 0);
    // Right of and below the cells lies the window colour.
    EXPECT_EQ(pixel(250, 30), window);
    EXPECT_EQ(pixel(100, 120), window);
}

TEST_F(GridPaint, ACoveredBlockIsPaintedOnceAcrossItsCells)
{
    grid.SetCoveredCellsRowCol(1, 1, 1, 2);
    grid.StoreStyleRowCol(1, 1, &CGXStyle().SetHorizontalAlignment(DT_CENTER), gxOverride, 0);
    paint();
    // No grid line between the block's cells, but one below the next row's.
    EXPECT_EQ(pixel(139, 30), window);
    EXPECT_EQ(pixel(139, 50), gridLine);
    // "a1" is centred over 70..209, not in its own cell: no ink at the left,
    // ink around x 140; b1 is not drawn at all.
    EXPECT_EQ(ink(CRect(72, 21, 120, 38), window), 0);
    EXPECT_GT(ink(CRect(125, 21, 155, 38), window), 0);
    EXPECT_EQ(ink(CRect(160, 21, 208, 38), window), 0);
}

TEST_F(GridPaint, AHiddenColumnTakesNoRoom)
{
    colourCell(2, 1, red);
    colourCell(2, 2, green);
    grid.HideCols(1, 1);
    paint();
    // b2 moves to 70..139; column C ends at 209; nothing of a2 is left.
    EXPECT_EQ(pixel(130, 50), green);
    EXPECT_EQ(pixel(139, 50), gridLine);
    EXPECT_EQ(pixel(208, 50), window);
    EXPECT_EQ(pixel(209, 50), gridLine);
    EXPECT_EQ(pixel(230, 50), window);
    EXPECT_EQ(ink(CRect(0, 40, 300, 60), red, true), 0);
}

TEST_F(GridPaint, ASelectedRowIsHighlightedButNotItsHeader)
{
    colourCell(2, 3, red);
    grid.SelectRange(CGXRange().SetRows(2));
    platform::desktop().processMessages();
    const COLORREF highlight = GetSysColor(COLOR_HIGHLIGHT);
    EXPECT_EQ(pixel(130, 50), highlight);
    EXPECT_EQ(pixel(200, 50), highlight); // its own interior gives way
    EXPECT_EQ(pixel(35, 50), face);
    EXPECT_EQ(pixel(130, 30), window);
    EXPECT_EQ(pixel(130, 70), window);
}
