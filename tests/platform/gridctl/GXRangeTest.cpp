#include "gridctl/GXRangeList.h"

#include <gtest/gtest.h>

#include <utility>
#include <vector>

namespace {

using Pairs = std::vector<std::pair<ROWCOL, ROWCOL>>;

Pairs pairs(const CRowColArray& starts, const CRowColArray& ends)
{
    Pairs p;
    for (INT_PTR i = 0; i < starts.GetSize(); ++i)
        p.push_back({starts[i], ends[i]});
    return p;
}

Pairs rowArray(const CGXRangeList& list, ROWCOL nRowCount, BOOL bRowsOnly)
{
    CRowColArray starts, ends;
    list.GetRowArray(nRowCount, starts, ends, bRowsOnly);
    return pairs(starts, ends);
}

Pairs colArray(const CGXRangeList& list, ROWCOL nColCount, BOOL bColsOnly)
{
    CRowColArray starts, ends;
    list.GetColArray(nColCount, starts, ends, bColsOnly);
    return pairs(starts, ends);
}

} // namespace

TEST(GXRange, BoundsKindsAndSizes)
{
    CGXRange none;
    EXPECT_FALSE(none.IsValid());
    EXPECT_EQ(none.GetWidth(), 0u);
    EXPECT_EQ(none.GetHeight(), 0u);

    CGXRange cells(5, 4, 2, 3); // bounds given in any order
    EXPECT_EQ(cells, CGXRange().SetCells(2, 3, 5, 4));
    EXPECT_EQ(cells.top, 2u);
    EXPECT_EQ(cells.left, 3u);
    EXPECT_EQ(cells.bottom, 5u);
    EXPECT_EQ(cells.right, 4u);
    EXPECT_EQ(cells.GetWidth(), 2u);
    EXPECT_EQ(cells.GetHeight(), 4u);
    EXPECT_FALSE(cells.IsRows());

    const CGXRange rows = CGXRange().SetRows(3, 4);
    EXPECT_TRUE(rows.IsRows());
    EXPECT_FALSE(rows.IsCols());
    EXPECT_TRUE(rows.IsCellInRange(3, 0));
    EXPECT_TRUE(rows.IsCellInRange(4, 999));
    EXPECT_FALSE(rows.IsCellInRange(5, 1));
    EXPECT_TRUE(CGXRange().SetCols(2).IsCols());
    EXPECT_TRUE(CGXRange().SetTable().IsTable());

    CGXRange table = CGXRange().SetTable();
    ASSERT_TRUE(table.ClipTo(7, 3));
    EXPECT_EQ(table, CGXRange(0, 0, 7, 3));
    CGXRange beyond(9, 1, 12, 2);
    EXPECT_FALSE(beyond.ClipTo(7, 3));
}

TEST(GXRange, FollowsInsertedAndRemovedRows)
{
    CGXRange r(3, 1, 5, 2);
    r.OnInsertRows(6, 2); // below: unchanged
    EXPECT_EQ(r, CGXRange(3, 1, 5, 2));
    r.OnInsertRows(4, 2); // inside: grows
    EXPECT_EQ(r, CGXRange(3, 1, 7, 2));
    r.OnInsertRows(3, 1); // at its top: moves
    EXPECT_EQ(r, CGXRange(4, 1, 8, 2));

    EXPECT_TRUE(r.OnRemoveRows(2, 5)); // cuts its top, moves up
    EXPECT_EQ(r, CGXRange(2, 1, 4, 2));
    EXPECT_TRUE(r.OnRemoveRows(4, 9)); // cuts its bottom
    EXPECT_EQ(r, CGXRange(2, 1, 3, 2));
    EXPECT_FALSE(r.OnRemoveRows(1, 3)); // all rows gone

    CGXRange cols = CGXRange().SetCols(2); // whole columns stay whole
    cols.OnInsertRows(1, 5);
    EXPECT_TRUE(cols.OnRemoveRows(2, 3));
    EXPECT_TRUE(cols.IsCols());
}

TEST(GXRangeList, SubtractingSplitsRangesIntoThePiecesThatStay)
{
    CGXRangeList list;
    list.AddTail(CGXRange().SetRows(2, 6));
    list.AddTail(CGXRange(1, 1, 1, 1));
    list.Subtract(CGXRange().SetRows(4));
    ASSERT_EQ(list.GetCount(), 3);
    EXPECT_EQ(list.GetAt(0), CGXRange().SetRows(2, 3)); // still whole rows
    EXPECT_EQ(list.GetAt(1), CGXRange().SetRows(5, 6));
    EXPECT_EQ(list.GetAt(2), CGXRange(1, 1));

    list.Subtract(CGXRange(2, 3, 5, 3)); // a hole through rows 2..5, column 3
    EXPECT_FALSE(list.IsCellInList(2, 3));
    EXPECT_FALSE(list.IsCellInList(5, 3));
    EXPECT_TRUE(list.IsCellInList(2, 2));
    EXPECT_TRUE(list.IsCellInList(3, 4));
    EXPECT_TRUE(list.IsCellInList(6, 3));
    EXPECT_FALSE(list.IsCellInList(4, 1));
}

TEST(GXRangeList, RowAndColumnArraysFollowTheListOrderAndGiveEachRowOnce)
{
    CGXRangeList list;
    list.AddTail(CGXRange(5, 2, 7, 3));
    list.AddTail(CGXRange().SetRows(1, 2));
    list.AddTail(CGXRange(6, 5, 9, 6)); // rows 6..7 were given already
    list.AddTail(CGXRange(3, 4, 40, 4)); // cut at the row count

    EXPECT_EQ(rowArray(list, 10, FALSE), (Pairs{{5, 7}, {1, 2}, {8, 9}, {3, 4}, {10, 10}}));
    EXPECT_EQ(rowArray(list, 10, TRUE), (Pairs{{1, 2}}));
    // The whole rows span every column, 0 included.
    EXPECT_EQ(colArray(list, 6, FALSE), (Pairs{{2, 3}, {0, 1}, {4, 6}}));
    EXPECT_EQ(colArray(list, 6, TRUE), Pairs{});

    CGXRangeList table;
    table.AddTail(CGXRange().SetTable());
    EXPECT_EQ(rowArray(table, 3, TRUE), (Pairs{{0, 3}}));
    EXPECT_EQ(colArray(table, 2, TRUE), (Pairs{{0, 2}}));

    CGXRangeList empty;
    CRowColArray starts, ends;
    EXPECT_FALSE(empty.GetRowArray(5, starts, ends, FALSE));
    EXPECT_EQ(starts.GetSize(), 0);
}
