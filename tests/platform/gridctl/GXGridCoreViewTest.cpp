#include "GridDump.h"
#include "TestGrids.h"

#include <gtest/gtest.h>

namespace {

CGXGridCore& threeByThree(CGXGridCore& grid)
{
    fillOwnGrid(grid, {{L"", L"A", L"B", L"C"},
                       {L"1", L"a1", L"b1", L"c1"},
                       {L"2", L"a2", L"b2", L"c2"},
                       {L"3", L"a3", L"b3", L"c3"}});
    return grid;
}

std::string rows(CGXGridCore& grid, BOOL bRangeRowsOnly, BOOL bCanUseCurrentCell)
{
    CRowColArray a;
    grid.GetSelectedRows(a, bRangeRowsOnly, bCanUseCurrentCell);
    std::string s;
    for (ROWCOL r : a)
        s += std::to_string(r) + " ";
    return s;
}

} // namespace

TEST(GXGridCoreView, ANewBlockReplacesTheBlocksItTouchesAndOneCellUncovers)
{
    CGXGridCore grid;
    threeByThree(grid);
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
    EXPECT_FALSE(grid.GetCellRangeRowCol(3, 3, range));
    EXPECT_FALSE(grid.GetCellRangeRowCol(0, 2, range));
}

TEST(GXGridCoreView, FrozenAndHeaderRowsAndColumns)
{
    CGXGridCore grid;
    threeByThree(grid);
    EXPECT_EQ(grid.GetFrozenRows(), 0u);
    grid.SetFrozenRows(1, 1, GX_SMART, gxDo);
    EXPECT_EQ(grid.GetHeaderRows(), 1u);
    EXPECT_EQ(GridDump(grid), "0 |   | A  | B  | C  |\n"
                              "1 | 1 | a1 | b1 | c1 |\n"
                              "--+---+----+----+----+\n"
                              "2 | 2 | a2 | b2 | c2 |\n"
                              "3 | 3 | a3 | b3 | c3 |\n");
    grid.SetFrozenRows(0, 2); // no more header rows than frozen ones
    EXPECT_EQ(grid.GetHeaderRows(), 0u);
    grid.SetFrozenCols(2, 1);
    EXPECT_EQ(grid.GetFrozenCols(), 2u);
    EXPECT_EQ(grid.GetHeaderCols(), 1u);
}

TEST(GXGridCoreView, SelectedRowsWithAndWithoutWholeRowsAndTheCurrentCell)
{
    CGXGridCore grid;
    threeByThree(grid);
    EXPECT_EQ(rows(grid, FALSE, TRUE), "");
    grid.SetCurrentCell(2, 3);
    EXPECT_EQ(rows(grid, FALSE, TRUE), "2 ");
    EXPECT_EQ(rows(grid, FALSE, FALSE), "");

    grid.SelectRange(CGXRange().SetRows(3));
    grid.SelectRange(CGXRange(1, 2, 2, 2));
    grid.SelectRange(CGXRange().SetRows(3)); // selected once
    EXPECT_EQ(rows(grid, FALSE, FALSE), "1 2 3 ");
    EXPECT_EQ(rows(grid, TRUE, FALSE), "3 ");

    grid.SelectRange(CGXRange().SetRows(3), FALSE);
    EXPECT_EQ(rows(grid, TRUE, TRUE), "2 "); // no whole rows: the current cell
    grid.SelectRange(CGXRange().SetTable());
    EXPECT_EQ(rows(grid, TRUE, FALSE), "0 1 2 3 ");
    grid.SelectRange(CGXRange().SetTable(), FALSE);
    CGXRangeList list;
    EXPECT_FALSE(grid.CopyRangeList(list, FALSE));
}

TEST(GXGridCoreView, TheCurrentCellIsADataCellAndEntersABlockAtItsTopLeft)
{
    CGXGridCore grid;
    threeByThree(grid);
    ROWCOL r = 0, c = 0;
    EXPECT_FALSE(grid.GetCurrentCell(r, c));
    EXPECT_FALSE(grid.ResetCurrentCell());

    EXPECT_FALSE(grid.SetCurrentCell(0, 1));
    EXPECT_FALSE(grid.SetCurrentCell(1, 0));
    EXPECT_FALSE(grid.SetCurrentCell(4, 1));
    grid.HideCols(2, 2);
    EXPECT_FALSE(grid.SetCurrentCell(1, 2));

    grid.SetCoveredCellsRowCol(2, 1, 3, 3);
    EXPECT_TRUE(grid.SetCurrentCell(3, 3, GX_SCROLLINVIEW | GX_NOSETFOCUS));
    ROWCOL* none = nullptr;
    ASSERT_TRUE(grid.GetCurrentCell(&r, none));
    EXPECT_EQ(r, 2u);
    ASSERT_TRUE(grid.GetCurrentCell(r, c));
    EXPECT_EQ(c, 1u);
    EXPECT_TRUE(grid.ResetCurrentCell(FALSE));
    EXPECT_FALSE(grid.GetCurrentCell(r, c));
}
