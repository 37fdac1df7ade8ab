#include "GridDump.h"
#include "TestGrids.h"

#include <gtest/gtest.h>

namespace {

class GXGridCoreView : public ::testing::Test {
protected:
    void SetUp() override { fillThreeByThree(grid); }

    CGXGridCore grid;
};

} // namespace

TEST_F(GXGridCoreView, ANewBlockReplacesTheBlocksItTouchesAndOneCellUncovers)
{
    EXPECT_TRUE(grid.SetCoveredCellsRowCol(1, 1, 2, 2));
    CGXRange range;
    EXPECT_TRUE(grid.GetCellRangeRowCol(2, 2, range));
    EXPECT_EQ(range, CGXRange(1, 1, 2, 2));
    EXPECT_FALSE(grid.GetCellRangeRowCol(3, 3, range));
    EXPECT_EQ(range, CGXRange(3, 3));

    grid.SetCoveredCellsRowCol(0, 2, 0, 3); // untouched by the next one
    grid.SetCoveredCellsRowCol(2, 2, 3, 3); // overlaps the first block
    EXPECT_EQ(GridDump(grid), "0 |   | A  | B  | <  |\n"
                              "1 | 1 | a1 | b1 | c1 |\n"
                              "2 | 2 | a2 | b2 | <  |\n"
                              "3 | 3 | a3 | ^  | ^  |\n");
    grid.SetCoveredCellsRowCol(2, 2, 2, 2); // one cell: the block goes
    grid.SetCoveredCellsRowCol(0, 3, 0, 3); // also from inside a block
    EXPECT_FALSE(grid.GetCellRangeRowCol(3, 3, range) || grid.GetCellRangeRowCol(0, 2, range));
}

TEST_F(GXGridCoreView, NoMoreHeaderRowsOrColumnsThanFrozenOnes)
{
    const auto frozen = [&] {
        return std::vector<ROWCOL>{grid.GetFrozenRows(), grid.GetHeaderRows(), grid.GetFrozenCols(), grid.GetHeaderCols()};
    };
    EXPECT_EQ(frozen(), (std::vector<ROWCOL>{0, 0, 0, 0}));
    grid.SetFrozenRows(1, 1, GX_SMART, gxDo);
    grid.SetFrozenCols(2, 3);
    EXPECT_EQ(frozen(), (std::vector<ROWCOL>{1, 1, 2, 2}));
    grid.SetFrozenRows(0, 2);
    grid.SetFrozenCols(2, 1);
    EXPECT_EQ(frozen(), (std::vector<ROWCOL>{0, 0, 2, 1}));
}

TEST_F(GXGridCoreView, SelectedRowsWithAndWithoutWholeRowsAndTheCurrentCell)
{
    EXPECT_EQ(SelectedRows(grid, FALSE, TRUE), "");
    grid.SetCurrentCell(2, 3);
    EXPECT_EQ(SelectedRows(grid, FALSE, TRUE), "2 ");
    EXPECT_EQ(SelectedRows(grid, FALSE, FALSE), "");

    grid.SelectRange(CGXRange().SetRows(3));
    grid.SelectRange(CGXRange(1, 2, 2, 2));
    grid.SelectRange(CGXRange().SetRows(3)); // selected once
    CGXRangeList list;
    EXPECT_TRUE(grid.CopyRangeList(list, FALSE));
    EXPECT_EQ(list.GetCount(), 2);
    EXPECT_EQ(SelectedRows(grid, FALSE, TRUE), "1 2 3 "); // the current cell's row once
    EXPECT_EQ(SelectedRows(grid, TRUE, FALSE), "3 ");

    grid.SelectRange(CGXRange().SetRows(3), FALSE);
    EXPECT_EQ(SelectedRows(grid, TRUE, TRUE), "2 "); // no whole rows: the current cell
    grid.SelectRange(CGXRange().SetTable());
    EXPECT_EQ(SelectedRows(grid, TRUE, FALSE), "0 1 2 3 ");
    grid.SelectRange(CGXRange().SetTable(), FALSE);
    EXPECT_FALSE(grid.CopyRangeList(list, FALSE));
}

TEST_F(GXGridCoreView, TheCurrentCellIsADataCellAndEntersABlockAtItsTopLeft)
{
    EXPECT_EQ(CurrentCell(grid), "none");
    EXPECT_FALSE(grid.ResetCurrentCell());
    grid.HideCols(2, 2);
    // Not in a header, beyond the rows or in a hidden column.
    EXPECT_FALSE(grid.SetCurrentCell(0, 1) || grid.SetCurrentCell(1, 0) || grid.SetCurrentCell(4, 1) ||
                 grid.SetCurrentCell(1, 2));

    grid.SetCoveredCellsRowCol(2, 1, 3, 3);
    EXPECT_TRUE(grid.SetCurrentCell(3, 3, GX_SCROLLINVIEW | GX_NOSETFOCUS));
    EXPECT_EQ(CurrentCell(grid), "2,1");
    ROWCOL r = 0, *none = nullptr;
    ASSERT_TRUE(grid.GetCurrentCell(&r, none));
    EXPECT_EQ(r, 2u);
    EXPECT_TRUE(grid.ResetCurrentCell(FALSE));
    EXPECT_EQ(CurrentCell(grid), "none");
}
