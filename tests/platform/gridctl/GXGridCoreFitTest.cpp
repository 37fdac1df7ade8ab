#include "TestGrids.h"
#include "support/TextCanvas.h"

#include <gtest/gtest.h>

namespace {

class Fit : public ::testing::Test {
protected:
    void SetUp() override
    {
        fillOwnGrid(grid, {{L"", L"Title\n(m)", L"B"}, {L"1", L"one", L""}, {L"2", L"a\nb\nc\nd", L"x"}});
        line = grid.GetFontHeight();
    }
    // The height of a cell of n lines.
    int lines(int n) const { return n * line + 2 * CGXGridCore::GX_CELL_MARGIN_Y; }
    std::vector<int> heights(ROWCOL from, ROWCOL to)
    {
        std::vector<int> v;
        for (ROWCOL r = from; r <= to; ++r)
            v.push_back(grid.GetRowHeight(r));
        return v;
    }

    CGXGridCore grid;
    int line = 0;
};

// The width of a text in the grid's standard font.
int textWidth(CGXGridCore& grid, LPCWSTR text)
{
    LOGFONTW lf{};
    grid.StandardStyle().GetFont().GetLogFont(lf, 100);
    return testsupport::TextCanvas(1, 1, lf).extent(text).cx;
}

} // namespace

TEST_F(Fit, RowsTakeTheHeightOfTheirHighestCell)
{
    EXPECT_GT(line, 10); // a 10-point font
    ASSERT_TRUE(grid.ResizeRowHeightsToFit(CGXRange().SetRows(0, 2), TRUE, GX_SMART));
    EXPECT_EQ(heights(0, 2), std::vector<int>({lines(2), lines(1), lines(4)}));
    EXPECT_FALSE(grid.ResizeRowHeightsToFit(CGXRange().SetRows(7)));
    grid.HideRows(2, 2); // nor is a hidden row fitted
    EXPECT_FALSE(grid.ResizeRowHeightsToFit(CGXRange().SetRows(2)));

    // A bigger standard font makes every line higher.
    grid.StandardStyle().SetFont(CGXFont().SetSize(20));
    EXPECT_GT(grid.GetFontHeight(), line);
    grid.ResizeRowHeightsToFit(CGXRange().SetRows(1));
    EXPECT_GT(grid.GetRowHeight(1), lines(1));
    EXPECT_EQ(grid.GetRowHeight(0), lines(2)); // outside the range
}

TEST_F(Fit, ACellOverSeveralRowsSpreadsItsHeightOnlyWhenAskedTo)
{
    grid.SetCoveredCellsRowCol(1, 2, 2, 2); // "" over rows 1..2
    grid.SetValueRange(CGXRange(1, 2), L"1\n2\n3\n4\n5");
    grid.SetValueRange(CGXRange(2, 1), L"short");
    grid.ResizeRowHeightsToFit(CGXRange().SetRows(1, 2), FALSE);
    EXPECT_EQ(heights(1, 2), std::vector<int>(2, lines(1)));
    grid.ResizeRowHeightsToFit(CGXRange().SetRows(1, 2), TRUE);
    ASSERT_EQ(lines(5) % 2, 1); // so that the share is rounded up
    EXPECT_EQ(heights(1, 2), std::vector<int>(2, (lines(5) + 1) / 2));
}

TEST_F(Fit, WrappedTextBreaksToTheCellsWidth)
{
    grid.SetValueRange(CGXRange(1, 1), L"mm mm mm");
    grid.StoreStyleRowCol(1, 1, &CGXStyle().SetWrapText(TRUE), gxOverride, 0);
    // Room for "mm m" inside the grid line and the text margins: one word a line.
    const int inner = textWidth(grid, L"mm") + textWidth(grid, L" m");
    grid.SetColWidth(1, 1, inner + 1 + 2 * CGXControl::GX_TEXT_MARGIN_X);
    grid.ResizeRowHeightsToFit(CGXRange().SetRows(1));
    EXPECT_EQ(grid.GetRowHeight(1), lines(3));
    grid.SetColWidth(1, 1, 300);
    grid.ResizeRowHeightsToFit(CGXRange().SetRows(1));
    EXPECT_EQ(grid.GetRowHeight(1), lines(1));
}

TEST_F(Fit, ChangedRowsFitAgainOnlyWhenTheyWereFittedBefore)
{
    grid.ResizeRowHeightsToFit(CGXRange().SetRows(1));
    grid.SetValueRange(CGXRange(1, 1), L"two\nlines");
    grid.SetValueRange(CGXRange(2, 2), L"1\n2\n3\n4\n5\n6"); // row 2 was never fitted
    const int before = grid.GetRowHeight(2);
    EXPECT_TRUE(grid.UpdateChangedRowHeights());
    EXPECT_EQ(heights(1, 2), std::vector<int>({lines(2), before}));
    EXPECT_FALSE(grid.UpdateChangedRowHeights()); // nothing changed since
}
