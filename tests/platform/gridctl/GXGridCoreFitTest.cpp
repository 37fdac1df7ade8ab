#include "TestGrids.h"
#include "gridctl/GXSysData.h"

#include <gtest/gtest.h>

namespace {

class Fit : public ::testing::Test {
protected:
    void SetUp() override
    {
        fillOwnGrid(grid, {{L"", L"Title\n(m)", L"B"}, {L"1", L"one", L""}, {L"2", L"a\nb\nc\nd", L"x"}});
        line = grid.GetFontHeight();
        margins = 2 * CGXGridCore::GX_CELL_MARGIN_Y;
    }

    CGXGridCore grid;
    int line = 0;
    int margins = 0;
};

} // namespace

TEST_F(Fit, RowsTakeTheHeightOfTheirHighestCell)
{
    EXPECT_GT(line, 10); // a 10-point font
    ASSERT_TRUE(grid.ResizeRowHeightsToFit(CGXRange().SetRows(0, 2), TRUE, GX_SMART));
    EXPECT_EQ(grid.GetRowHeight(0), 2 * line + margins);
    EXPECT_EQ(grid.GetRowHeight(1), line + margins);
    EXPECT_EQ(grid.GetRowHeight(2), 4 * line + margins);

    // A bigger standard font makes every line higher.
    grid.StandardStyle().SetFont(CGXFont().SetSize(20));
    EXPECT_GT(grid.GetFontHeight(), line);
    grid.ResizeRowHeightsToFit(CGXRange().SetRows(1));
    EXPECT_GT(grid.GetRowHeight(1), line + margins);
    EXPECT_EQ(grid.GetRowHeight(0), 2 * line + margins); // outside the range
}

TEST_F(Fit, ACellOverSeveralRowsSpreadsItsHeightOnlyWhenAskedTo)
{
    grid.SetCoveredCellsRowCol(1, 2, 2, 2); // "" over rows 1..2
    grid.SetValueRange(CGXRange(1, 2), L"1\n2\n3\n4\n5\n6");
    grid.SetValueRange(CGXRange(2, 1), L"short");
    grid.ResizeRowHeightsToFit(CGXRange().SetRows(1, 2), FALSE);
    EXPECT_EQ(grid.GetRowHeight(1), line + margins);
    EXPECT_EQ(grid.GetRowHeight(2), line + margins);
    grid.ResizeRowHeightsToFit(CGXRange().SetRows(1, 2), TRUE);
    const int half = (6 * line + margins + 1) / 2;
    EXPECT_EQ(grid.GetRowHeight(1), half);
    EXPECT_EQ(grid.GetRowHeight(2), half);
    EXPECT_FALSE(grid.ResizeRowHeightsToFit(CGXRange().SetRows(7)));
}

TEST(GXSysData, StandardStylesUseTheSystemColours)
{
    CGXGridCore grid;
    EXPECT_EQ(GXGetSysData()->GetSysColor(COLOR_BTNFACE), GetSysColor(COLOR_BTNFACE));
    EXPECT_EQ(grid.StandardStyle().GetInterior(), GetSysColor(COLOR_WINDOW));
    EXPECT_EQ(grid.StandardStyle().GetTextColor(), GetSysColor(COLOR_WINDOWTEXT));
    EXPECT_EQ(grid.ColHeaderStyle().GetInterior(), GetSysColor(COLOR_BTNFACE));
    EXPECT_EQ(grid.RowHeaderStyle().GetTextColor(), GetSysColor(COLOR_BTNTEXT));
}
