#include "GridDump.h"
#include "gridctl/GXRangeList.h"

#include <gtest/gtest.h>

#include <utility>
#include <vector>

namespace {

using Pairs = std::vector<std::pair<ROWCOL, ROWCOL>>;

// The list's rows (or columns) as pairs of first and last.
Pairs spans(const CGXRangeList& list, bool rows, ROWCOL nCount, BOOL bWholeOnly)
{
    CRowColArray starts, ends;
    rows ? list.GetRowArray(nCount, starts, ends, bWholeOnly) : list.GetColArray(nCount, starts, ends, bWholeOnly);
    Pairs p;
    for (INT_PTR i = 0; i < starts.GetSize(); ++i)
        p.push_back({starts[i], ends[i]});
    return p;
}

// Which cells of rows 1..6 and columns 1..4 the list holds, a word a row.
std::string held(const CGXRangeList& list)
{
    std::string s;
    for (ROWCOL r = 1; r <= 6; ++r) {
        for (ROWCOL c = 1; c <= 4; ++c)
            s += list.IsCellInList(r, c) ? '#' : '.';
        s += r < 6 ? " " : "";
    }
    return s;
}

} // namespace

TEST(GXRange, BoundsKindsAndSizes)
{
    EXPECT_FALSE(CGXRange().IsValid());
    EXPECT_EQ(CGXRange().GetWidth() + CGXRange().GetHeight(), 0u);

    const CGXRange cells(5, 4, 2, 3); // bounds given in any order
    EXPECT_EQ(cells, CGXRange().SetCells(2, 3, 5, 4));
    EXPECT_EQ(std::vector<ROWCOL>({cells.top, cells.left, cells.bottom, cells.right, cells.GetWidth(), cells.GetHeight()}),
              std::vector<ROWCOL>({2, 3, 5, 4, 2, 4}));
    EXPECT_FALSE(cells.IsRows());

    const CGXRange rows = CGXRange().SetRows(3, 4);
    EXPECT_TRUE(rows.IsRows() && rows.IsCellInRange(3, 0) && rows.IsCellInRange(4, 999));
    EXPECT_FALSE(rows.IsCols() || rows.IsCellInRange(5, 1));
    EXPECT_TRUE(CGXRange().SetCols(2).IsCols() && CGXRange().SetTable().IsTable());

    CGXRange table = CGXRange().SetTable();
    ASSERT_TRUE(table.ClipTo(7, 3));
    EXPECT_EQ(table, CGXRange(0, 0, 7, 3));
    EXPECT_FALSE(CGXRange(9, 1, 12, 2).ClipTo(7, 3));
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
    EXPECT_EQ(std::vector<CGXRange>(list.begin(), list.end()),
              (std::vector<CGXRange>{CGXRange().SetRows(2, 3), CGXRange().SetRows(5, 6), CGXRange(1, 1)}));
    list.Subtract(CGXRange(2, 3, 5, 3)); // a hole through rows 2..5, column 3
    EXPECT_EQ(held(list), "#... ##.# ##.# .... ##.# ####");
}

TEST(GXRangeList, RowAndColumnArraysFollowTheListOrderAndGiveEachRowOnce)
{
    CGXRangeList list;
    list.AddTail(CGXRange(5, 2, 7, 3));
    list.AddTail(CGXRange().SetRows(1, 2));
    list.AddTail(CGXRange(6, 5, 9, 6)); // rows 6..7 were given already
    list.AddTail(CGXRange(3, 4, 40, 4)); // cut at the row count

    EXPECT_EQ(spans(list, true, 10, FALSE), (Pairs{{5, 7}, {1, 2}, {8, 9}, {3, 4}, {10, 10}}));
    EXPECT_EQ(spans(list, true, 10, TRUE), (Pairs{{1, 2}}));
    // The whole rows span every column, 0 included.
    EXPECT_EQ(spans(list, false, 6, FALSE), (Pairs{{2, 3}, {0, 1}, {4, 6}}));
    EXPECT_EQ(spans(list, false, 6, TRUE), Pairs{});

    CGXRangeList table;
    table.AddTail(CGXRange().SetTable());
    EXPECT_EQ(spans(table, true, 3, TRUE), (Pairs{{0, 3}}));
    EXPECT_EQ(spans(table, false, 2, TRUE), (Pairs{{0, 2}}));

    CRowColArray starts, ends;
    starts.Add(1); // left from an earlier call
    EXPECT_FALSE(CGXRangeList().GetRowArray(5, starts, ends, FALSE));
    EXPECT_EQ(starts.GetSize(), 0);
}
