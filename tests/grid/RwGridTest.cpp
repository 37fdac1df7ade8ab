#include "BeamGrid.h"

#include "support/GridText.h"

TEST_F(SimpleRecordGrid, TheHeaderRowIsRecordMinusOneInsertMeansNothingAndWidthsAreScaledByTheDpiFactor)
{
    EXPECT_EQ(testsupport::gridText(grid), "|b|h|Note\n" + beamRows);
    // Stores: never into the header row; row 1 is record 0.
    EXPECT_FALSE(grid.SetValueRange(CGXRange(0, 1), L"x"));
    EXPECT_TRUE(grid.SetValueRange(CGXRange(1, 1), L"130"));
    EXPECT_EQ(grid.takeLog(), Log{"store 0 20 130"});

    grid.SetFocus();
    grid.SelectRange(CGXRange().SetRows(1));
    platform::desktop().pressKey(VK_INSERT);
    EXPECT_EQ(grid.takeLog(), Log{});

    platform::desktop().setDpi(144); // factor 1.5
    grid.ApplyCol2Var();
    EXPECT_EQ(grid.GetColWidth(1), 105);
    platform::desktop().setDpi(120); // factor 1.25: 112.5 truncated
    grid.ApplyCol2Var();
    EXPECT_EQ(grid.GetColWidth(3), 112);

    // A dragged width lasts until the layout is applied again.
    grid.SetColWidth(3, 3, 200);
    EXPECT_EQ(grid.GetColWidth(3), 200);
    grid.ApplyCol2Var();
    EXPECT_EQ(grid.GetColWidth(3), 112);
    platform::desktop().setDpi(96);
}

TEST_F(SimpleRecordGrid, ColumnsBeyondTheFieldsShowAndStoreNothing)
{
    grid.m_bLogReads = true;
    CGXStyle style;
    EXPECT_FALSE(grid.GetStyleRowCol(1, 4, style, gxCopy, 0) || grid.StoreStyleRowCol(1, 4, &style, gxOverride, 0));
    EXPECT_TRUE(style.IsEmpty());

    // No fields at all: no columns, rather than four billion of them.
    grid.GetCols().clear();
    grid.ApplyCol2Var();
    EXPECT_EQ(grid.GetColCount(), 0ul);
    paint();
    EXPECT_EQ(grid.takeLog(), Log{});
}
