#include "GridDump.h"
#include "TestGrids.h"

#include <gtest/gtest.h>

namespace {

// Four records with a block over a2..a3, a block over b1..c1, row 3
// selected, 30 pixels high, and the current cell at b4.
class InsertRemove : public ::testing::Test {
protected:
    void SetUp() override
    {
        grid.SetCoveredCellsRowCol(2, 1, 3, 1);
        grid.SetCoveredCellsRowCol(1, 2, 1, 3);
        grid.SelectRange(CGXRange().SetRows(3));
        grid.SetCurrentCell(4, 2);
        grid.SetRowHeight(3, 3, 30);
        before = GridDump(grid);
        ASSERT_EQ(before, "0 |   | A  | B   | C   |\n"
                          "1 |   | a1 | b1  | <   |\n"
                          "2 |   | a2 | b2  | c2  |\n"
                          "3 | * | ^* | b3* | c3* |\n"
                          "4 |   | a4 | b4@ | c4  |\n");
        grid.SetModifiedFlag(FALSE);
    }

    HostGrid grid{{L"A", L"B", L"C"},
                  {{L"a1", L"b1", L"c1"}, {L"a2", L"b2", L"c2"}, {L"a3", L"b3", L"c3"}, {L"a4", L"b4", L"c4"}}};
    std::string before;
};

} // namespace

TEST_F(InsertRemove, AnAcceptedInsertMovesBlocksSelectionCurrentCellAndHeights)
{
    SCOPED_TRACE("before:\n" + before);
    EXPECT_TRUE(grid.InsertRows(3, 1, nullptr, nullptr, nullptr, 0, GX_SMART, gxDo));
    EXPECT_EQ(grid.m_log, "insert 3 1");
    EXPECT_EQ(GridDump(grid), "0 |   | A  | B   | C   |\n"
                              "1 |   | a1 | b1  | <   |\n"
                              "2 |   | a2 | b2  | c2  |\n"
                              "3 |   | ^  |     |     |\n"
                              "4 | * | ^* | b3* | c3* |\n"
                              "5 |   | a4 | b4@ | c4  |\n");
    EXPECT_EQ(Sizes(grid, true, 3, 4), "20 30");
    EXPECT_TRUE(grid.IsModified());
}

TEST_F(InsertRemove, InsertingAtTheCurrentCellsOwnRowKeepsItOnItsRecord)
{
    // The current cell sits on b4; rows inserted at row 4 push b4 down, rows
    // inserted just below it leave it where it is.
    EXPECT_TRUE(grid.InsertRows(4, 2, nullptr, nullptr, nullptr, 0, GX_SMART, gxDo));
    EXPECT_EQ(CurrentCell(grid), "6,2");
    EXPECT_TRUE(grid.InsertRows(7, 1, nullptr, nullptr, nullptr, 0, GX_SMART, gxDo));
    EXPECT_EQ(CurrentCell(grid), "6,2");
}

TEST_F(InsertRemove, AnAcceptedRemovalShrinksBlocksAndDropsSelectedRows)
{
    SCOPED_TRACE("before:\n" + before);
    EXPECT_TRUE(grid.RemoveRows(3, 3));
    EXPECT_EQ(grid.m_log, "remove 3 3");
    // The block a2..a3 is one cell now, so no block; row 3 was the selection.
    EXPECT_EQ(GridDump(grid), "0 |   | A  | B   | C  |\n"
                              "1 |   | a1 | b1  | <  |\n"
                              "2 |   | a2 | b2  | c2 |\n"
                              "3 |   | a4 | b4@ | c4 |\n");
    EXPECT_EQ(grid.GetRowHeight(3), 20);
    // Removing the current cell's row leaves it on the row that moves up, or
    // on the last row.
    EXPECT_TRUE(grid.RemoveRows(3, 3));
    EXPECT_EQ(CurrentCell(grid), "2,2");
}

TEST_F(InsertRemove, RowsOutsideTheGridAreRefusedBeforeTheStore)
{
    EXPECT_FALSE(grid.InsertRows(0, 1) || grid.InsertRows(6, 1) || grid.InsertRows(2, 0));
    EXPECT_FALSE(grid.RemoveRows(0, 1) || grid.RemoveRows(3, 2) || grid.RemoveRows(4, 5));
    EXPECT_EQ(grid.m_log, "");
    // Refused by the host, they change nothing.
    grid.m_bAccept = FALSE;
    EXPECT_FALSE(grid.InsertRows(3, 1) || grid.RemoveRows(2, 3));
    EXPECT_EQ(grid.m_log, "insert 3 1; remove 2 3");
    EXPECT_EQ(GridDump(grid), before);
    EXPECT_EQ(grid.GetRowHeight(3), 30);
    EXPECT_FALSE(grid.IsModified());
    grid.m_bAccept = TRUE;
    EXPECT_TRUE(grid.InsertRows(5, 1)); // right after the last row
}

TEST(GXGridCoreRows, OwnDataRowsMoveWithTheirCellsHeightsAndHiddenState)
{
    CGXGridCore grid;
    fillOwnGrid(grid, {{L"", L"A"}, {L"1", L"r1"}, {L"2", L"r2"}, {L"3", L"r3"}});
    grid.SetRowHeight(2, 2, 33);
    grid.HideRows(3, 3);

    int heights[] = {40, 41};
    const std::vector<CGXStyle> headers{CGXStyle().SetValue(L"n1"), CGXStyle().SetValue(L"n2")};
    const std::vector<CGXStyle> cells{CGXStyle().SetValue(L"x1"), CGXStyle().SetValue(L"x2")};
    ASSERT_TRUE(grid.InsertRows(2, 2, heights, &cells, &headers, 1));
    EXPECT_EQ(GridDump(grid), "0 |    | A  |\n"
                              "1 | 1  | r1 |\n"
                              "2 | n1 | x1 |\n"
                              "3 | n2 | x2 |\n"
                              "4 | 2  | r2 |\n"
                              "hidden rows: 5; cols:\n");
    EXPECT_EQ(Sizes(grid, true, 2, 4), "40 41 33");

    ASSERT_TRUE(grid.RemoveRows(1, 3));
    EXPECT_EQ(GridDump(grid), "0 |   | A  |\n"
                              "1 | 2 | r2 |\n"
                              "hidden rows: 2; cols:\n");
}

TEST(GXGridCoreRows, WidthsAndHeightsHaveDefaultsAndHiddenOnesMeasureZero)
{
    CGXGridCore grid;
    grid.SetColCount(4);
    grid.SetRowCount(4);
    EXPECT_EQ(grid.GetColWidth(3), 70);
    EXPECT_EQ(grid.GetRowHeight(3), 20);
    grid.SetDefaultColWidth(64);
    EXPECT_EQ(grid.GetColWidth(0), 64);

    EXPECT_TRUE(grid.SetColWidth(1, 2, 50));
    EXPECT_FALSE(grid.SetColWidth(3, 2, 10));
    // Arrays are read at the absolute column or row number.
    int widths[] = {0, 0, 0, 11, 12};
    grid.SetColWidth(3, 4, 99, widths);
    EXPECT_EQ(Sizes(grid, false, 1, 4), "50 50 11 12");
    int rowHeights[] = {0, 0, 25};
    grid.SetRowHeight(2, 2, 99, rowHeights);
    EXPECT_EQ(grid.GetRowHeight(2), 25);

    grid.HideCols(2, 3);
    EXPECT_TRUE(grid.IsColHidden(2));
    EXPECT_EQ(Sizes(grid, false, 1, 4), "50 0 0 12");
    BOOL show[] = {FALSE, FALSE, FALSE, TRUE};
    grid.HideCols(2, 3, TRUE, show); // only column 3 stays hidden
    EXPECT_TRUE(grid.IsColHidden(3));
    EXPECT_EQ(Sizes(grid, false, 1, 4), "50 50 0 12");
    grid.HideCols(3, 3, FALSE);
    EXPECT_EQ(grid.GetColWidth(3), 11);

    grid.HideRows(2, 2);
    EXPECT_EQ(Sizes(grid, true, 1, 2), "20 0");
    EXPECT_TRUE(grid.IsRowHidden(2));
    EXPECT_FALSE(grid.IsRowHidden(1));
    EXPECT_TRUE(grid.OnTrackColWidth(1));
}
