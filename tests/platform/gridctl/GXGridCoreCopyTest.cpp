#include "TestGrids.h"

#include <gtest/gtest.h>

namespace {

class Copy : public ::testing::Test {
protected:
    void SetUp() override
    {
        fillOwnGrid(grid, {{L"", L"A", L"B", L"C"},
                           {L"1", L"a1", L"b1", L"c1"},
                           {L"2", L"a2", L"b2", L"c2"},
                           {L"3", L"a3", L"b3", L"c3"}});
    }

    CString copy(std::initializer_list<CGXRange> ranges)
    {
        CGXRangeList list;
        for (const CGXRange& r : ranges)
            list.AddTail(r);
        return grid.GetCopyTextRanges(list);
    }

    CGXGridCore grid;
};

} // namespace

TEST_F(Copy, CoveredCellsGiveTheirTextOnceAndHiddenCellsNone)
{
    grid.SetCoveredCellsRowCol(1, 1, 1, 2); // a1 over b1
    grid.SetCoveredCellsRowCol(2, 3, 3, 3); // c2 over c3
    grid.HideRows(2, 2);
    EXPECT_EQ(copy({CGXRange(1, 1, 3, 3)}), L"a1\t\tc1\r\n"
                                            L"a3\tb3\t\r\n");
    grid.HideCols(1, 1);
    grid.m_sCellSep = L";";
    EXPECT_EQ(copy({CGXRange().SetTable()}), L";B;C\r\n"
                                             L"1;;c1\r\n"
                                             L"3;b3;\r\n");
}

TEST_F(Copy, SeveralRangesGiveTheirRowsAndColumnsInListOrder)
{
    EXPECT_EQ(copy({CGXRange(3, 2), CGXRange(1, 1, 1, 2)}), L"b3\ta3\r\n"
                                                            L"b1\ta1\r\n");
    EXPECT_EQ(copy({}), L"");
    EXPECT_EQ(copy({CGXRange(5, 1)}), L"");
}

TEST_F(Copy, CanCopyWithASelectionOrACurrentCell)
{
    EXPECT_FALSE(grid.CanCopy());
    grid.SetCurrentCell(1, 1);
    EXPECT_TRUE(grid.CanCopy());
    grid.ResetCurrentCell();
    grid.SelectRange(CGXRange(2, 2));
    EXPECT_TRUE(grid.CanCopy());
}

TEST_F(Copy, CellsThatWouldBreakTheRowsApartAreQuoted)
{
    grid.SetValueRange(CGXRange(1, 1), L"a;b");
    grid.SetValueRange(CGXRange(1, 2), L"say \"hi\"");
    grid.SetValueRange(CGXRange(1, 3), L"two\r\nlines");
    grid.SetValueRange(CGXRange(2, 1), L"tab\there");
    grid.SetValueRange(CGXRange(2, 2), L" m\u00b2 ");
    grid.SetValueRange(CGXRange(2, 3), L"\n");
    // With tabs between the cells, a tab is what must be quoted, not ";".
    EXPECT_EQ(copy({CGXRange(1, 1, 2, 3)}), L"a;b\t\"say \"\"hi\"\"\"\t\"two\r\nlines\"\r\n"
                                            L"\"tab\there\"\t m\u00b2 \t\"\n\"\r\n");
    grid.m_sCellSep = L";";
    EXPECT_EQ(copy({CGXRange(1, 1, 2, 3)}), L"\"a;b\";\"say \"\"hi\"\"\";\"two\r\nlines\"\r\n"
                                            L"tab\there; m\u00b2 ;\"\n\"\r\n");
}
