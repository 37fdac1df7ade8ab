#include "BeamGrid.h"

#include "support/GridText.h"
#include "support/Input.h"
#include "win/user/Clipboard.h"

#include <cstdio>

using NVorel::CRGrid;
using platform::desktop;
using testsupport::gridText;

namespace {

// Header rows, frozen and header rows of the grid library, each descriptor's
// Grouped flag.
std::string headers(BeamGrid& grid)
{
    std::string s = std::to_string(grid.getNonOfHeader()) + " header, frozen " + std::to_string(grid.GetFrozenRows()) +
                    "/" + std::to_string(grid.GetHeaderRows()) + ", grouped";
    for (const CRGrid::SColDsc& d : grid.GetCols())
        s += d.Grouped ? " 1" : " 0";
    return s;
}

const std::string records = "B1|300|600|internal\n"
                            "B2|250|500|edge\n"
                            "B3|300|750|internal\n"
                            "B4|200|400|roof\n";

} // namespace

TEST_F(RecordGrid, AdjacentColumnsOfAGroupGetAGroupTitleOverTheirOwn)
{
    EXPECT_EQ(headers(grid), "1 header, frozen 0/0, grouped 0 0 0 0");
    EXPECT_EQ(gridText(grid), "Beam|b|h|Note\n" + records);

    // One group title over b and h; the other titles are tall, over both rows.
    grid.describe(true);
    EXPECT_EQ(headers(grid), "2 header, frozen 1/1, grouped 0 1 1 0");
    EXPECT_EQ(gridText(grid), "Beam|Section|<|Note\n"
                              "^|b|h|^\n" +
                                  records);
    EXPECT_EQ(grid.row2rec(2), 0);
    grid.m_bLogReads = true;
    EXPECT_EQ(grid.GetValueRowCol(1, 2), L"h");
    EXPECT_EQ(grid.GetValueRowCol(1, 3), L"Note");
    EXPECT_EQ(grid.takeLog(), (Log{"header 0 30 grouped", "header 0 40"}));

    // Equal groups apart, and -1 next to -1: one header row again, no covering left.
    grid.GetCols() = {{F_NAME, 7, true}, {F_B, -1, true}, {F_H, -1, true}, {F_NOTE, 7, true}};
    grid.ApplyCol2Var();
    EXPECT_EQ(headers(grid), "1 header, frozen 0/0, grouped 0 0 0 0");
    EXPECT_EQ(gridText(grid), "Beam|b|h|Note\n" + records);
}

TEST_F(RecordGrid, AHiddenHeaderShowsRecordZeroInTheHeaderRowLikeARecord)
{
    grid.showHeader(false);
    EXPECT_EQ(grid.getNonOfHeader(), 1); // until the layout is applied
    grid.ApplyCol2Var();
    EXPECT_EQ(gridText(grid), records);
    // Record 0 left-aligned, on the window or (its title) the button face;
    // the other row headers stay centred.
    auto look = [&](ROWCOL r, ROWCOL c) {
        CGXStyle s;
        grid.ComposeStyleRowCol(r, c, &s);
        char text[40];
        std::snprintf(text, sizeof text, " align %u #%06X, ", (unsigned)s.GetHorizontalAlignment(),
                      (unsigned)s.GetInterior());
        return toUtf8(s.GetValue().str()) + text;
    };
    EXPECT_EQ(look(0, 3) + look(0, 0) + look(1, 0), "internal align 0 #FFFFFF, B1 align 0 #C8D0D4, B2 align 1 #C8D0D4, ");
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
    EXPECT_EQ(grid.takeLog(), Log{});
}

class RecordGridBase : public testsupport::GridOnDesktop<CRGrid> {};

TEST_F(RecordGridBase, AHostThatAnswersNothingGetsAnEmptyWorkingGrid)
{
    EXPECT_EQ(grid.GetColCount(), 0ul);
    EXPECT_EQ(grid.GetRowCount(), 0ul);
    EXPECT_EQ(grid.GetColWidth(0), 70);
    CGXStyle s;
    EXPECT_FALSE(grid.GetStyleRowCol(0, 0, s, gxCopy, 0));
    grid.SendMessage(WM_COMMAND, 57642);
    grid.SendMessage(WM_COMMAND, 57634);
    EXPECT_EQ(platform::ClipboardText(), L"\r\n");

    // Columns without a host behind them: titles and cells are empty, a
    // typed value is not stored, and the grid stays as it was.
    grid.GetCols() = {{1, -1, false}, {2, -1, false}};
    grid.ApplyCol2Var();
    EXPECT_EQ(gridText(grid), "|\n");
    EXPECT_FALSE(grid.SetValueRange(CGXRange(0, 1), L"x"));
    EXPECT_EQ(grid.UpdateGridData(0), 1);
    ASSERT_TRUE(OpenClipboard(nullptr));
    EmptyClipboard();
    CloseClipboard();
}

TEST_F(RecordGrid, HostCallsCarryRecordNumbersAndFieldsAndStopAtTheLastColumn)
{
    grid.describe(true);
    EXPECT_TRUE(grid.SetValueRange(CGXRange(2, 2), L"650"));
    EXPECT_FALSE(grid.SetValueRange(CGXRange(1, 1), L"x")); // the second header row: record -1
    EXPECT_FALSE(grid.SetValueRange(CGXRange(0, 1), L"y")); // row 0 is never stored
    // Past the descriptors: no style, nothing stored, the host not asked.
    CGXStyle style;
    style.SetValue(L"z");
    grid.m_bLogReads = true;
    for (ROWCOL c : {4ul, 100000ul}) {
        EXPECT_FALSE(grid.StoreStyleRowCol(3, c, &style, gxOverride, 0));
        EXPECT_FALSE(grid.GetStyleRowCol(0, c, style, gxCopy, 0));
    }
    EXPECT_EQ(grid.takeLog(), (Log{"store 0 30 650", "store -1 20 x"}));
}

TEST_F(RecordGrid, InsertedAndRemovedRowsReachTheHostAsRecords)
{
    grid.describe(true); // records start at grid row 2
    EXPECT_TRUE(grid.InsertRows(2, 2));
    EXPECT_FALSE(grid.InsertRows(1, 1)); // before the records: the host is not asked
    EXPECT_TRUE(grid.RemoveRows(1, 3));  // from the header on: records 0 and 1
    EXPECT_FALSE(grid.RemoveRows(1, 1)); // the header alone
    grid.m_bAccept = false;
    EXPECT_FALSE(grid.RemoveRows(2, 2));
    EXPECT_EQ(grid.GetRowCount(), 5ul);
    EXPECT_EQ(grid.takeLog(), (Log{"insert 0 2", "remove 0 1", "remove 0 0"}));
}

TEST_F(RecordGrid, WidthsAreCachedPerFieldAndFollowTheField)
{
    // A width the user drags (b's border at client x 129) survives the next layout.
    paint();
    testsupport::drag(CPoint(10 + 129, 10 + 10), CPoint(10 + 159, 10 + 10));
    EXPECT_EQ(grid.GetColWidth(1), 100);
    grid.describe(true);
    EXPECT_EQ(grid.GetColWidth(1), 100);

    // After a reset each field's width is asked once; without a descriptor, the default.
    grid.takeLog();
    grid.resetColWidth();
    EXPECT_EQ(grid.GetColWidth(1), 70);
    EXPECT_EQ(grid.GetColWidth(1), 70);
    EXPECT_EQ(grid.GetColWidth(9), 70);
    EXPECT_EQ(grid.takeLog(), Log{"width 20"});

    // Set under the field: moved columns keep their widths, through ApplyCol2Var.
    grid.SetColWidth(2, 0, 99);
    grid.GetCols() = {{F_NAME, -1, false}, {F_H, -1, false}, {F_B, -1, false}, {F_NOTE, -1, false}};
    grid.ApplyCol2Var();
    EXPECT_EQ(grid.GetColWidth(1), 99);
    EXPECT_EQ(grid.GetColWidth(2), 70);

    // An array is read at the columns' own indexes; a field in two columns shares one width.
    int widths[] = {0, 11, 22, 33};
    grid.SetColWidth(1, 2, 0, widths);
    EXPECT_EQ(grid.GetColWidth(2), 22);
    grid.GetCols()[3].Field = F_H;
    EXPECT_EQ(grid.GetColWidth(3), 11);
}

TEST_F(RecordGrid, TheGridIsSetUpForRecordsAndOffersALabelStyle)
{
    EXPECT_FALSE(grid.GetParam()->IsEnableUndo());
    EXPECT_FALSE(grid.GetParam()->IsEnableMoveCols());
    EXPECT_FALSE(grid.GetParam()->IsEnableMoveRows());
    EXPECT_NE(grid.GetParam()->GetStylesMap(), nullptr);

    // Wrapped, centred, raised, disabled and read-only, bold on the button face.
    CGXStyle label, expected;
    EXPECT_EQ(grid.modifyStyle(label), 1);
    expected.SetWrapText(TRUE)
        .SetVerticalAlignment(DT_VCENTER)
        .SetHorizontalAlignment(DT_CENTER)
        .SetDraw3dFrame(gxFrameRaised)
        .SetEnabled(FALSE)
        .SetReadOnly(TRUE)
        .SetInterior(RGB(212, 208, 200) | 0xEF000000)
        .SetFont(CGXFont().SetBold(TRUE));
    EXPECT_TRUE(label == expected);
}
