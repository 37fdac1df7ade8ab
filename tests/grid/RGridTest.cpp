#include "BeamGrid.h"

#include "win/user/Clipboard.h"

#include <algorithm>

using platform::desktop;
using NVorel::CRGrid;

namespace {

constexpr COLORREF gridLine = RGB(192, 192, 192);

} // namespace

TEST_F(RecordGrid, OneHeaderRowShowsTheColumnTitlesOverTheRecords)
{
    EXPECT_EQ(grid.getNonOfHeader(), 1);
    EXPECT_EQ(grid.GetRowCount(), 4ul);
    EXPECT_EQ(grid.GetColCount(), 3ul);
    EXPECT_EQ(grid.row2rec(1), 0);
    EXPECT_EQ(grid.row2rec(0), -1);
    grid.m_bLogReads = true;
    EXPECT_EQ(grid.GetValueRowCol(0, 2), L"h");
    EXPECT_EQ(grid.GetValueRowCol(1, 2), L"600");
    EXPECT_EQ(grid.GetValueRowCol(4, 0), L"B4");
    EXPECT_EQ(grid.takeLog(), (Log{"header 0 30", "get 0 30", "get 3 10"}));
    EXPECT_EQ(grid.GetFrozenRows(), 0ul);
}

TEST_F(RecordGrid, AdjacentColumnsOfAGroupGetAGroupTitleOverTheirOwn)
{
    grid.describe(true);
    EXPECT_EQ(grid.getNonOfHeader(), 2);
    EXPECT_EQ(grid.GetRowCount(), 5ul);
    EXPECT_EQ(grouped(), (std::vector<bool>{false, true, true, false}));
    // One group title over b and h; the other titles are tall, over both rows.
    EXPECT_EQ(blockOf(0, 1), CGXRange(0, 1, 0, 2));
    EXPECT_EQ(blockOf(1, 1), CGXRange(1, 1));
    EXPECT_EQ(blockOf(0, 3), CGXRange(0, 3, 1, 3));
    EXPECT_EQ(blockOf(1, 0), CGXRange(0, 0, 1, 0));
    EXPECT_EQ(grid.GetFrozenRows(), 1ul);
    EXPECT_EQ(grid.GetHeaderRows(), 1ul);

    grid.m_bLogReads = true;
    EXPECT_EQ(grid.GetValueRowCol(0, 1), L"Section");
    EXPECT_EQ(grid.GetValueRowCol(1, 2), L"h");
    EXPECT_EQ(grid.GetValueRowCol(0, 3), L"Note");
    EXPECT_EQ(grid.GetValueRowCol(1, 3), L"Note");
    EXPECT_EQ(grid.GetValueRowCol(2, 1), L"300");
    EXPECT_EQ(grid.takeLog(), (Log{"header 1 7", "header 0 30 grouped", "header 0 40", "header 0 40", "get 0 20"}));

    // On the screen: a grid line under the group title, none across the tall "Note".
    paint();
    EXPECT_EQ(pixel(62, 19), gridLine);
    EXPECT_EQ(pixel(212, 19), GetSysColor(COLOR_BTNFACE));
    EXPECT_EQ(pixel(212, 39), gridLine);
}

TEST_F(RecordGrid, OnlyAdjacentEqualGroupsMakeASecondHeaderRow)
{
    grid.describe(true);
    // Equal groups apart, and -1 next to -1: one header row again, no covering left.
    grid.GetCols() = {{F_NAME, -1, true}, {F_B, 7, true}, {F_H, 8, true}, {F_NOTE, 7, true}};
    grid.ApplyCol2Var();
    EXPECT_EQ(grid.getNonOfHeader(), 1);
    EXPECT_EQ(grouped(), (std::vector<bool>{false, false, false, false}));
    EXPECT_EQ(blockOf(0, 1), CGXRange(0, 1));
    EXPECT_EQ(blockOf(0, 3), CGXRange(0, 3));
    EXPECT_EQ(grid.GetFrozenRows(), 0ul);
    grid.describe(false);
    EXPECT_EQ(grid.getNonOfHeader(), 1);
}

TEST_F(RecordGrid, AHiddenHeaderShowsRecordZeroInTheHeaderRowLikeARecord)
{
    grid.showHeader(false);
    EXPECT_EQ(grid.getNonOfHeader(), 1); // until the layout is applied
    grid.ApplyCol2Var();
    EXPECT_EQ(grid.getNonOfHeader(), 0);
    EXPECT_EQ(grid.GetRowCount(), 3ul);
    CGXStyle s;
    grid.ComposeStyleRowCol(0, 3, &s);
    EXPECT_EQ(s.GetValue(), L"internal");
    EXPECT_EQ(s.GetHorizontalAlignment(), 0u);
    EXPECT_EQ(s.GetInterior(), GetSysColor(COLOR_WINDOW));
    grid.ComposeStyleRowCol(0, 0, &s);
    EXPECT_EQ(s.GetValue(), L"B1");
    EXPECT_EQ(s.GetHorizontalAlignment(), 0u);
    EXPECT_EQ(s.GetInterior(), GetSysColor(COLOR_BTNFACE));
    // Other row headers stay centred.
    grid.ComposeStyleRowCol(1, 0, &s);
    EXPECT_EQ(s.GetValue(), L"B2");
    EXPECT_EQ(s.GetHorizontalAlignment(), 1u);
}

TEST_F(RecordGrid, AHiddenHeaderWithoutRecordsShowsNoRowsAndAsksForNone)
{
    grid.m_beams.clear();
    grid.showHeader(false);
    grid.ApplyCol2Var();
    EXPECT_EQ(grid.GetRowCount(), 0ul);
    grid.m_bLogReads = true;
    paint();
    CGXStyle s;
    EXPECT_FALSE(grid.GetStyleRowCol(0, 1, s, gxCopy, 0));
    EXPECT_TRUE(grid.takeLog().empty());
}

TEST(RecordGridBase, AHostThatAnswersNothingGetsAnEmptyWorkingGrid)
{
    CWnd frame;
    ASSERT_TRUE(frame.CreateEx(0, nullptr, L"", WS_POPUP | WS_VISIBLE, CRect(10, 10, 410, 310), nullptr, 0));
    CRGrid grid;
    ASSERT_TRUE(grid.Create(WS_VISIBLE, CRect(0, 0, 360, 200), &frame, 1));
    EXPECT_EQ(grid.GetColCount(), 0ul);
    EXPECT_EQ(grid.GetRowCount(), 0ul);
    EXPECT_EQ(grid.GetColWidth(0), 70);
    CGXStyle s;
    EXPECT_FALSE(grid.GetStyleRowCol(0, 0, s, gxCopy, 0));
    desktop().processMessages();
    grid.SendMessage(WM_COMMAND, 57642);
    grid.SendMessage(WM_COMMAND, 57634);
    EXPECT_EQ(platform::ClipboardText(), L"\r\n");

    // Columns without a host behind them: titles and cells are empty, a
    // typed value is not stored, and the grid stays as it was.
    grid.GetCols() = {{1, -1, false}, {2, -1, false}};
    grid.ApplyCol2Var();
    EXPECT_EQ(grid.GetColCount(), 1ul);
    EXPECT_EQ(grid.GetValueRowCol(0, 1), L"");
    EXPECT_FALSE(grid.SetValueRange(CGXRange(0, 1), L"x"));
    EXPECT_EQ(grid.UpdateGridData(0), 1);
    ASSERT_TRUE(OpenClipboard(nullptr));
    EmptyClipboard();
    CloseClipboard();
}

TEST_F(RecordGrid, HostCallsCarryRecordNumbersAndFieldsAndStopAtTheLastColumn)
{
    grid.describe(true);
    grid.takeLog();
    EXPECT_TRUE(grid.SetValueRange(CGXRange(2, 2), L"650"));
    EXPECT_EQ(grid.m_beams[0].h, L"650");
    EXPECT_FALSE(grid.SetValueRange(CGXRange(1, 1), L"x")); // the second header row: record -1
    EXPECT_FALSE(grid.SetValueRange(CGXRange(0, 1), L"y")); // row 0 is never stored
    CGXStyle value;
    value.SetValue(L"z");
    EXPECT_FALSE(grid.StoreStyleRowCol(3, 1, &value, gxRemove, 0));
    EXPECT_FALSE(grid.StoreStyleRowCol(3, 1, &value, gxOverride, -1));
    // Past the descriptors: no style, nothing stored, the host not asked.
    EXPECT_FALSE(grid.StoreStyleRowCol(3, 4, &value, gxOverride, 0));
    EXPECT_FALSE(grid.StoreStyleRowCol(3, 100000, &value, gxOverride, 0));
    grid.m_bLogReads = true;
    CGXStyle style;
    EXPECT_FALSE(grid.GetStyleRowCol(3, 4, style, gxCopy, 0));
    EXPECT_FALSE(grid.GetStyleRowCol(0, 100000, style, gxCopy, 0));
    EXPECT_TRUE(style.IsEmpty());
    EXPECT_EQ(grid.takeLog(), (Log{"store 0 30 650", "store -1 20 x"}));
}

TEST_F(RecordGrid, InsertedAndRemovedRowsReachTheHostAsRecords)
{
    grid.describe(true); // records start at grid row 2
    grid.takeLog();
    EXPECT_TRUE(grid.InsertRows(2, 2));
    EXPECT_EQ(grid.m_beams.size(), 6u);
    EXPECT_FALSE(grid.InsertRows(1, 1)); // before the records: the host is not asked
    EXPECT_TRUE(grid.RemoveRows(1, 3));  // from the header on: records 0 and 1
    EXPECT_EQ(grid.m_beams.size(), 4u);
    EXPECT_FALSE(grid.RemoveRows(1, 1)); // the header alone
    grid.m_bAccept = false;
    EXPECT_FALSE(grid.RemoveRows(2, 2));
    EXPECT_EQ(grid.GetRowCount(), 5ul);
    EXPECT_EQ(grid.takeLog(), (Log{"insert 0 2", "remove 0 1", "remove 0 0"}));
}

TEST_F(RecordGrid, WidthsAreCachedPerFieldAndFollowTheField)
{
    grid.resetColWidth();
    EXPECT_EQ(grid.GetColWidth(1), 70);
    EXPECT_EQ(grid.GetColWidth(1), 70);
    EXPECT_EQ(grid.takeLog(), Log{"width 20"});
    EXPECT_EQ(grid.GetColWidth(9), 70); // no descriptor: the default, the host not asked
    EXPECT_TRUE(grid.takeLog().empty());

    // Set under the field: moved columns keep their widths, through ApplyCol2Var.
    grid.SetColWidth(2, 0, 99);
    grid.GetCols() = {{F_NAME, -1, false}, {F_H, -1, false}, {F_B, -1, false}, {F_NOTE, -1, false}};
    grid.ApplyCol2Var();
    EXPECT_EQ(grid.GetColWidth(1), 99);
    EXPECT_EQ(grid.GetColWidth(2), 70);
    grid.resetColWidth();
    EXPECT_EQ(grid.GetColWidth(1), 80);

    // An array is read at the columns' own indexes; a field in two columns shares one width.
    int widths[] = {0, 11, 22, 33};
    grid.SetColWidth(1, 2, 0, widths);
    EXPECT_EQ(grid.GetColWidth(1), 11);
    EXPECT_EQ(grid.GetColWidth(2), 22);
    grid.GetCols()[3].Field = F_H;
    EXPECT_EQ(grid.GetColWidth(3), 11);
}

TEST_F(RecordGrid, AWidthTheUserDragsSurvivesTheNextLayout)
{
    paint();
    // Column 1 (b, 70 pixels from x 60) has its border at client x 129.
    desktop().moveMouse(CPoint(10 + 129, 10 + 10));
    desktop().pressButton();
    desktop().moveMouse(CPoint(10 + 159, 10 + 10));
    desktop().releaseButton();
    EXPECT_EQ(grid.GetColWidth(1), 100);
    grid.describe(true);
    EXPECT_EQ(grid.GetColWidth(1), 100);
    grid.resetColWidth();
    EXPECT_EQ(grid.GetColWidth(1), 70);
}

TEST_F(RecordGrid, TheRegistryListsLiveGridsAndRedrawAllRepaintsThoseWithWindows)
{
    const std::vector<CRGrid*>& all = CRGrid::AllInstances();
    EXPECT_EQ(std::count(all.begin(), all.end(), &grid), 1);
    auto a = std::make_unique<BeamGrid>();
    auto b = std::make_unique<BeamGrid>();
    ASSERT_GE(all.size(), 3u);
    EXPECT_EQ(all[all.size() - 2], a.get());
    EXPECT_EQ(all.back(), b.get());
    a.reset();
    EXPECT_EQ(std::count(all.begin(), all.end(), a.get()), 0);
    EXPECT_EQ(all.back(), b.get());

    // The windowed grid paints again, the windowless one is passed over.
    paint();
    grid.m_bLogReads = true;
    desktop().processMessages();
    EXPECT_TRUE(grid.takeLog().empty());
    CRGrid::RedrawAll();
    desktop().processMessages();
    const Log reads = grid.takeLog();
    EXPECT_NE(std::find(reads.begin(), reads.end(), "get 0 20"), reads.end());
    b.reset();
    EXPECT_EQ(std::count(all.begin(), all.end(), &grid), 1);
}

TEST_F(RecordGrid, TheGridIsSetUpForRecordsAndOffersALabelStyle)
{
    EXPECT_FALSE(grid.GetParam()->IsEnableUndo());
    EXPECT_FALSE(grid.GetParam()->IsEnableMoveCols());
    EXPECT_FALSE(grid.GetParam()->IsEnableMoveRows());
    EXPECT_NE(grid.GetParam()->GetStylesMap(), nullptr);

    CGXStyle s;
    EXPECT_EQ(grid.modifyStyle(s), 1);
    EXPECT_TRUE(s.GetWrapText());
    EXPECT_EQ(s.GetVerticalAlignment(), 4u);
    EXPECT_EQ(s.GetHorizontalAlignment(), 1u);
    EXPECT_EQ(s.GetDraw3dFrame(), gxFrameRaised);
    EXPECT_FALSE(s.GetEnabled());
    EXPECT_TRUE(s.GetReadOnly());
    EXPECT_EQ(s.GetInterior(), RGB(212, 208, 200) | 0xEF000000);
    EXPECT_TRUE(s.GetFont().GetBold());
    EXPECT_FALSE(s.GetFont().GetIncludeFaceName());
}
