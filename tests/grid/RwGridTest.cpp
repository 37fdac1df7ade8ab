#include "ResultsGrid.h"

#include "support/GridText.h"

#include <algorithm>

using platform::desktop;

class SimpleRecordGrid : public HostedGrid<ResultsGrid> {
protected:
    void TearDown() override { desktop().setDpi(96); }
};

TEST_F(SimpleRecordGrid, TheHeaderRowIsRecordMinusOneAndTheCornerIsNeverAsked)
{
    EXPECT_EQ(testsupport::gridText(grid), "|N|M\n"
                                           "LC1|120|45.5\n"
                                           "LC2|80|30.1\n"
                                           "LC3|95|-12.0\n"
                                           "LC4|60|7.2\n");
    // A painted grid asks for everything but the corner.
    grid.m_bLogReads = true;
    paint();
    const Log painted = grid.takeLog();
    EXPECT_EQ(std::count(painted.begin(), painted.end(), "get -1 10"), 0);
    EXPECT_GE(std::count(painted.begin(), painted.end(), "get -1 20"), 1);

    // Stores: never into the header row; row 1 is record 0.
    grid.m_bLogReads = false;
    EXPECT_FALSE(grid.SetValueRange(CGXRange(0, 1), L"x"));
    EXPECT_TRUE(grid.SetValueRange(CGXRange(1, 1), L"130"));
    EXPECT_EQ(grid.takeLog(), Log{"store 0 20 130"});
}

TEST_F(SimpleRecordGrid, ColumnsBeyondTheFieldsShowAndStoreNothing)
{
    grid.m_bLogReads = true;
    CGXStyle style;
    EXPECT_FALSE(grid.GetStyleRowCol(1, 3, style, gxCopy, 0));
    EXPECT_FALSE(grid.StoreStyleRowCol(1, 3, &style, gxOverride, 0));
    EXPECT_TRUE(style.IsEmpty());
    EXPECT_EQ(grid.takeLog(), Log{});

    // No fields at all: no columns, rather than four billion of them.
    grid.GetCols().clear();
    grid.ApplyCol2Var();
    EXPECT_EQ(grid.GetColCount(), 0ul);
    paint();
    EXPECT_EQ(grid.takeLog(), Log{});
}

TEST_F(SimpleRecordGrid, WidthsAreTheHostsScaledByTheScreensDpiFactor)
{
    desktop().setDpi(144); // factor 1.5
    grid.ApplyCol2Var();
    EXPECT_EQ(grid.GetColWidth(0), 60);
    EXPECT_EQ(grid.GetColWidth(1), 105);
    desktop().setDpi(120); // factor 1.25: 93.75 truncated
    grid.m_nDefaultWidth = 75;
    grid.ApplyCol2Var();
    EXPECT_EQ(grid.GetColWidth(0), 50);
    EXPECT_EQ(grid.GetColWidth(2), 93);

    // A dragged width lasts until the layout is applied again.
    grid.SetColWidth(2, 2, 200);
    EXPECT_EQ(grid.GetColWidth(2), 200);
    grid.ApplyCol2Var();
    EXPECT_EQ(grid.GetColWidth(2), 93);
}

TEST_F(SimpleRecordGrid, InsertMeansNothing)
{
    grid.SetFocus();
    grid.SelectRange(CGXRange().SetRows(1));
    desktop().pressKey(VK_INSERT);
    EXPECT_EQ(grid.GetRowCount(), 4ul);
    EXPECT_EQ(grid.takeLog(), Log{});
}
