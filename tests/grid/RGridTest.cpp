#include "BeamGrid.h"

#include "support/GridText.h"
#include "win/user/Clipboard.h"

#include <algorithm>
#include <cstdio>

TEST_F(RecordGrid, HeaderRowsShowTheTitlesAndHostCallsCarryRecordNumbersFieldsAndWidths)
{
    // One group title over b and h, the other titles tall over both rows, frozen.
    grid.describe(true);
    EXPECT_EQ(testsupport::gridText(grid), "Beam|Section|<|Note\n^|b|h|^\n--\n" + beamRows);
    const auto& cols = grid.GetCols();
    EXPECT_TRUE(!cols[0].Grouped && cols[1].Grouped && cols[2].Grouped && !cols[3].Grouped);
    EXPECT_EQ(grid.GetHeaderRows(), 1ul);
    grid.m_bLogReads = true;
    grid.GetValueRowCol(1, 2);
    grid.GetValueRowCol(1, 3);
    EXPECT_EQ(grid.takeLog(), (Log{"grouped header 0 30", "header 0 40"}));
    grid.m_bLogReads = false;
    // A host's title of a quantity carries its unit on a second line.
    CDynLinkLibrary language(englishModule());
    EXPECT_EQ(grid.makeColName(39955, qemet::QT_REINF_AREA), L"Spacing\n (cm\u00b2/m)");

    // Equal groups apart, and -1 next to -1: one header row again, no covering left.
    grid.GetCols() = {{F_NAME, 7, true}, {F_B, -1, true}, {F_H, -1, true}, {F_NOTE, 7, true}};
    grid.ApplyCol2Var();
    EXPECT_EQ(testsupport::gridText(grid), "Beam|b|h|Note\n" + beamRows);
    EXPECT_TRUE(std::none_of(cols.begin(), cols.end(), [](const NVorel::CRGrid::SColDsc& d) { return d.Grouped; }));

    // A hidden header leaves the header row to record 0.
    grid.showHeader(false);
    grid.ApplyCol2Var();
    EXPECT_EQ(testsupport::gridText(grid), beamRows);
    // Record 0 left-aligned, on the window or (its title) the button face;
    // the other row headers stay centred.
    std::string looks;
    for (CPoint cell : {CPoint(3, 0), CPoint(0, 0), CPoint(0, 1)}) {
        CGXStyle s;
        grid.ComposeStyleRowCol((ROWCOL)cell.y, (ROWCOL)cell.x, &s);
        char look[40];
        std::snprintf(look, sizeof look, " align %u #%06X, ", (unsigned)s.GetHorizontalAlignment(),
                      (unsigned)s.GetInterior());
        looks += toUtf8(s.GetValue().str()) + look;
    }
    EXPECT_EQ(looks, "internal align 0 #FFFFFF, B1 align 0 #C8D0D4, B2 align 1 #C8D0D4, ");

    grid.showHeader(true);
    grid.GetCols() = {{F_NAME, -1, false}, {F_H, -1, false}, {F_B, -1, false}, {F_NOTE, -1, false}};
    grid.ApplyCol2Var();

    // After a reset each field's width is asked once; without a descriptor, the default.
    grid.takeLog();
    grid.resetColWidth();
    for (ROWCOL c : {2, 2, 9})
        EXPECT_EQ(grid.GetColWidth(c), 70);
    EXPECT_EQ(grid.takeLog(), Log{"width 20"});

    // An array is read at the columns' own indexes; a field in two columns shares one width.
    int widths[] = {0, 11, 22, 33};
    grid.SetColWidth(1, 2, 0, widths);
    grid.GetCols()[3].Field = F_H;
    EXPECT_EQ(grid.GetColWidth(2), 22);
    EXPECT_EQ(grid.GetColWidth(3), 11);

    grid.describe(true); // records start at grid row 2
    grid.takeLog();
    EXPECT_TRUE(grid.SetValueRange(CGXRange(2, 2), L"650"));
    EXPECT_FALSE(grid.SetValueRange(CGXRange(1, 1), L"x")); // the second header row: record -1
    EXPECT_FALSE(grid.SetValueRange(CGXRange(0, 1), L"y")); // row 0 is never stored
    EXPECT_TRUE(grid.InsertRows(2, 2));
    EXPECT_FALSE(grid.InsertRows(1, 1)); // before the records: the host is not asked
    EXPECT_TRUE(grid.RemoveRows(1, 3));  // from the header on: records 0 and 1
    EXPECT_FALSE(grid.RemoveRows(1, 1)); // the header alone
    grid.m_bAccept = false;
    EXPECT_FALSE(grid.RemoveRows(2, 2));
    EXPECT_EQ(grid.takeLog(), (Log{"store 0 30 650", "store -1 20 x", "insert 0 2", "remove 0 1", "remove 0 0"}));

    // Past the descriptors: no style, nothing stored, the host not asked.
    CGXStyle style;
    grid.m_bLogReads = true;
    for (ROWCOL c : {4ul, 100000ul})
        EXPECT_FALSE(grid.StoreStyleRowCol(3, c, &style, gxOverride, 0) || grid.GetStyleRowCol(0, c, style, gxCopy, 0));
    EXPECT_EQ(grid.takeLog(), Log{});
}

TEST_F(RecordGrid, AHiddenHeaderWithoutRecordsShowsNoRowsAndAsksForNone)
{
    grid.m_beams.clear();
    grid.showHeader(false);
    grid.ApplyCol2Var();
    EXPECT_EQ(grid.GetRowCount(), 0ul);
    grid.m_bLogReads = true;
    paint();
    EXPECT_EQ(grid.takeLog(), Log{});
}

// Rows of 20 pixels: the 200 pixels show the header row and records 0..8 of
// twenty, all four fields each.
TEST_F(RecordGrid, APaintAsksTheHostOnceForEachShownCell)
{
    grid.m_beams.resize(20);
    grid.ApplyCol2Var();
    grid.m_bLogReads = true;
    paint();
    Log asked = grid.takeLog(), shown;
    for (int nField : {F_NAME, F_B, F_H, F_NOTE}) {
        shown.push_back("header 0 " + std::to_string(nField));
        for (int nRec = 0; nRec <= 8; ++nRec)
            shown.push_back("get " + std::to_string(nRec) + " " + std::to_string(nField));
    }
    std::sort(asked.begin(), asked.end());
    std::sort(shown.begin(), shown.end());
    EXPECT_EQ(asked, shown);
}

class RecordGridBase : public testsupport::GridOnDesktop<NVorel::CRGrid> {};

TEST_F(RecordGridBase, AHostThatAnswersNothingGetsAnEmptyWorkingGrid)
{
    EXPECT_EQ(testsupport::gridText(grid), "\n"); // no rows, no columns
    CGXGridParam* param = grid.GetParam();        // records stay in place: no undo, no moving
    EXPECT_FALSE(param->IsEnableUndo() || param->IsEnableMoveCols() || param->IsEnableMoveRows());
    grid.SendMessage(WM_COMMAND, 57642);
    grid.SendMessage(WM_COMMAND, 57634);
    EXPECT_EQ(platform::ClipboardText(), L"\r\n");

    // Columns without a host behind them: titles and cells are empty, a
    // typed value is not stored, and the grid stays as it was.
    grid.GetCols() = {{1, -1, false}, {2, -1, false}};
    grid.ApplyCol2Var();
    EXPECT_EQ(testsupport::gridText(grid), "|\n");
    EXPECT_FALSE(grid.SetValueRange(CGXRange(0, 1), L"x"));
}

// A structural engineer reads numbers all day: at 96 DPI the digits of "300"
// stand apart, a column lighter than the midpoint of text and background
// between each two of them.
TEST_F(RecordGrid, TheDigitsOfAValueStandApartAt96Dpi)
{
    ASSERT_EQ(platform::desktop().dpi(), 96);
    paint();
    ASSERT_EQ(grid.GetValueRowCol(1, 1), CString(L"300"));
    CRect cell = grid.CalcRectFromRowCol(1, 1, 1, 1);
    grid.ClientToScreen(&cell);
    const testsupport::Ink ink{GetSysColor(COLOR_WINDOWTEXT), GetSysColor(COLOR_WINDOW)};
    std::string columns;
    int digits = 0;
    for (int x = cell.left + 1; x < cell.right - 1; ++x) {
        columns += ink.count(platform::desktop().screen(), CRect(x, cell.top + 1, x + 1, cell.bottom - 1)) ? '#' : '.';
        digits += columns.size() > 1 && columns.back() == '#' && columns[columns.size() - 2] == '.';
    }
    EXPECT_EQ(digits + (columns[0] == '#'), 3) << columns;
}
