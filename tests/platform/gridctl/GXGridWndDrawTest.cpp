#include "InputGrid.h"

namespace {

// Cells of 70 x 20 pixels, each cell's grid line on its last pixels.
class GridPaint : public GridInput {
protected:
    const COLORREF window = GetSysColor(COLOR_WINDOW), face = GetSysColor(COLOR_BTNFACE);
};

} // namespace

TEST_F(GridPaint, HeadersCellsAndGridLines)
{
    // The corner: a raised header frame around the button face, its grid
    // line; cell a1 (70..139 x 20..39) white with grid lines right and below;
    // right of and below the cells the window colour.
    EXPECT_EQ(Colours({{0, 0}, {68, 18}, {35, 10}, {69, 10}, {130, 30}, {139, 30}, {100, 39}, {250, 30}, {100, 120}}),
              "wsfgwggww");
    EXPECT_GT(Ink(CRect(72, 21, 100, 38), window), 0); // a1's text at the left
    // Column titles are centred: none at the left edge, some in the middle.
    EXPECT_EQ(Ink(CRect(72, 2, 95, 17), face), 0);
    EXPECT_GT(Ink(CRect(95, 2, 115, 17), face), 0);
}

TEST_F(GridPaint, ACoveredBlockIsPaintedOnceAcrossItsCells)
{
    grid.SetCoveredCellsRowCol(1, 1, 1, 2);
    grid.m_styles[{1, 1}].SetHorizontalAlignment(DT_CENTER);
    paint();
    // No grid line between the block's cells, but one below the next row's.
    EXPECT_EQ(Colours({{139, 30}, {139, 50}}), "wg");
    // "a1" is centred over 70..209, not in its own cell: no ink at the left,
    // ink around x 140; b1 is not drawn at all.
    EXPECT_EQ(Ink(CRect(72, 21, 120, 38), window), 0);
    EXPECT_GT(Ink(CRect(125, 21, 155, 38), window), 0);
    EXPECT_EQ(Ink(CRect(160, 21, 208, 38), window), 0);

    // With its last column hidden the block ends without a grid line: its
    // last pixel column shows the window, as beside the cells.
    grid.m_styles[{1, 1}].SetInterior(red);
    paint();
    grid.HideCols(2, 2);
    paint();
    EXPECT_EQ(Colours({{138, 30}, {139, 30}, {139, 50}, {138, 39}}), "rwgg");
}

TEST_F(GridPaint, AHiddenColumnTakesNoRoom)
{
    grid.m_styles[{2, 1}].SetInterior(red);
    grid.m_styles[{2, 2}].SetInterior(green);
    grid.HideCols(1, 1);
    paint();
    // b2 moves to 70..139; column C ends at 209; nothing of a2 is left.
    EXPECT_EQ(Colours({{130, 50}, {139, 50}, {208, 50}, {209, 50}, {230, 50}}), "Ggwgw");
    EXPECT_EQ(Ink(CRect(0, 40, 300, 60), red, true), 0);
}

TEST_F(GridPaint, ASelectedRowIsHighlightedButNotItsHeader)
{
    grid.m_styles[{2, 3}].SetInterior(red); // its own interior gives way
    grid.SelectRange(CGXRange().SetRows(2));
    platform::desktop().processMessages();
    EXPECT_EQ(Colours({{130, 50}, {200, 50}, {35, 50}, {130, 30}, {130, 70}}), "HHfww");
}

TEST_F(GridPaint, EachCellIsDrawnInItsOwnFont)
{
    // Neighbours of one control with the same text, the second bold: the
    // font the control keeps from the first cell must not serve the second.
    for (ROWCOL c : {1, 2})
        grid.m_styles[{2, c}].SetValue(L"MMMM");
    grid.m_styles[{2, 2}].SetFont(CGXFont().SetBold(TRUE));
    paint();
    EXPECT_GT(Ink(CRect(140, 40, 208, 58), window), Ink(CRect(70, 40, 138, 58), window) + 10);
}
