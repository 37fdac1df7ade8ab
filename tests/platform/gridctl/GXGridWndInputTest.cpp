#include "InputGrid.h"

#include "win/afx/Dialog.h"
#include "win/kernel/Module.h"
#include "win/kernel/ModuleState.h"
#include "win/user/Clipboard.h"
#include "win/user/Input.h"
#include "win/gdi/SysColors.h"

using platform::desktop;

TEST_F(GridInput, TypingStartsEditingAndEnterStoresTheValue)
{
    clickCell(2, 2);
    desktop().typeText(L"42");
    EXPECT_TRUE(grid.IsActiveCurrentCell());
    EXPECT_EQ(takeLog(), "start 2,2");
    EXPECT_EQ(grid.GetValueRowCol(2, 2), L"b2"); // nothing stored while typing
    desktop().pressKey(VK_RETURN);
    EXPECT_FALSE(grid.IsActiveCurrentCell());
    EXPECT_EQ(takeLog(), "store 2,2 42");
    EXPECT_EQ(grid.GetValueRowCol(2, 2), L"42");
    EXPECT_TRUE(grid.IsModified());
}

TEST_F(GridInput, F2EditsTheTextInPlaceAndEscCancels)
{
    clickCell(1, 3);
    desktop().pressKey(VK_F2);
    desktop().pressKey(VK_BACK);
    desktop().pressKey(VK_HOME);
    desktop().typeText(L"x");
    desktop().pressKey(VK_RETURN);
    EXPECT_EQ(takeLog(), "start 1,3; store 1,3 xc");

    desktop().typeText(L"zz");
    desktop().pressKey(VK_ESCAPE);
    EXPECT_FALSE(grid.IsActiveCurrentCell());
    EXPECT_EQ(takeLog(), "start 1,3");
    EXPECT_EQ(grid.GetValueRowCol(1, 3), L"xc");
    // F2 and Enter without a change store nothing.
    desktop().pressKey(VK_F2);
    desktop().pressKey(VK_RETURN);
    EXPECT_EQ(takeLog(), "start 1,3");
}

TEST_F(GridInput, ARefusedStoreKeepsTheOldValue)
{
    grid.m_bAcceptStore = FALSE;
    clickCell(3, 1);
    desktop().typeText(L"9");
    desktop().pressKey(VK_RETURN);
    EXPECT_EQ(takeLog(), "start 3,1; store 3,1 9");
    EXPECT_EQ(grid.GetValueRowCol(3, 1), L"a3");
    EXPECT_FALSE(grid.IsActiveCurrentCell());
    EXPECT_FALSE(grid.IsModified());
}

TEST_F(GridInput, EditingIsAskedForAndReadOnlyCellsAreNotEdited)
{
    grid.m_bAllowEditing = FALSE;
    clickCell(1, 1);
    desktop().typeText(L"5");
    desktop().pressKey(VK_F2);
    EXPECT_FALSE(grid.IsActiveCurrentCell());
    EXPECT_EQ(takeLog(), "start 1,1; start 1,1");

    grid.m_bAllowEditing = TRUE;
    grid.m_styles[{2, 1}].SetReadOnly(TRUE);
    clickCell(2, 1);
    desktop().typeText(L"5");
    EXPECT_FALSE(grid.IsActiveCurrentCell());
    EXPECT_EQ(takeLog(), ""); // not even asked
}

TEST_F(GridInput, ArrowsAndTabMoveTheCurrentCellCommittingTheEditor)
{
    clickCell(1, 1);
    desktop().typeText(L"7");
    desktop().pressKey(VK_DOWN);
    EXPECT_EQ(takeLog(), "start 1,1; store 1,1 7");
    ROWCOL r = 0, c = 0;
    ASSERT_TRUE(grid.GetCurrentCell(r, c));
    EXPECT_EQ(std::make_pair(r, c), std::make_pair(2ul, 1ul));
    desktop().pressKey(VK_TAB);
    desktop().pressKey(VK_RIGHT);
    desktop().pressKey(VK_RIGHT); // the last column: stays
    grid.GetCurrentCell(r, c);
    EXPECT_EQ(std::make_pair(r, c), std::make_pair(2ul, 3ul));
    withKey(VK_SHIFT, [] { desktop().pressKey(VK_TAB); });
    desktop().pressKey(VK_UP);
    desktop().pressKey(VK_UP); // row 1 is the first: stays
    grid.GetCurrentCell(r, c);
    EXPECT_EQ(std::make_pair(r, c), std::make_pair(1ul, 2ul));

    // Left and Right move the caret while editing.
    desktop().typeText(L"ab");
    desktop().pressKey(VK_LEFT);
    desktop().typeText(L"X");
    desktop().pressKey(VK_RETURN);
    EXPECT_EQ(grid.GetValueRowCol(1, 2), L"aXb");
}

TEST_F(GridInput, MovingSkipsHiddenColumnsAndCoveredCells)
{
    grid.HideCols(2, 2);
    grid.SetCoveredCellsRowCol(2, 1, 3, 1);
    grid.SetCurrentCell(1, 1);
    grid.SetFocus();
    desktop().pressKey(VK_RIGHT);
    ROWCOL r = 0, c = 0;
    grid.GetCurrentCell(r, c);
    EXPECT_EQ(c, 3ul);
    desktop().pressKey(VK_LEFT);
    desktop().pressKey(VK_DOWN); // into the block at its top-left
    desktop().pressKey(VK_DOWN); // out of it
    grid.GetCurrentCell(r, c);
    EXPECT_EQ(std::make_pair(r, c), std::make_pair(4ul, 1ul));
}

TEST_F(GridInput, ClicksSelectRowsColumnsAndTheTableShiftExtendsCtrlAdds)
{
    click(cellPoint(2, 0));
    withKey(VK_SHIFT, [&] { click(cellPoint(3, 0)); });
    // Whole rows take in their row headers, whole columns their titles.
    EXPECT_EQ(GridDump(grid), "0 |   | A   | B   | C   |\n"
                              "1 |   | a1  | b1  | c1  |\n"
                              "2 | * | a2* | b2* | c2* |\n"
                              "3 | * | a3* | b3* | c3* |\n"
                              "4 |   | a4  | b4  | c4  |\n");
    // Shift again replaces the extension; Ctrl adds a column.
    withKey(VK_SHIFT, [&] { click(cellPoint(1, 0)); });
    withKey(VK_CONTROL, [&] { click(cellPoint(0, 3)); });
    EXPECT_EQ(GridDump(grid), "0 |   | A   | B   | C*  |\n"
                              "1 | * | a1* | b1* | c1* |\n"
                              "2 | * | a2* | b2* | c2* |\n"
                              "3 |   | a3  | b3  | c3* |\n"
                              "4 |   | a4  | b4  | c4* |\n");
    CRowColArray rows;
    grid.GetSelectedRows(rows, TRUE, FALSE);
    EXPECT_EQ(rows, (CRowColArray{{1, 2}}));
    // The corner takes the table; a plain cell click starts afresh.
    click(cellPoint(0, 0));
    EXPECT_TRUE(grid.IsCellSelected(4, 2));
    clickCell(4, 2);
    withKey(VK_SHIFT, [&] { clickCell(3, 3); });
    // The block from the anchor cell to the clicked one; the current cell stays.
    EXPECT_EQ(GridDump(grid), "0 |   | A  | B    | C   |\n"
                              "1 |   | a1 | b1   | c1  |\n"
                              "2 |   | a2 | b2   | c2  |\n"
                              "3 |   | a3 | b3*  | c3* |\n"
                              "4 |   | a4 | b4*@ | c4* |\n");
}

TEST_F(GridInput, ASelectedRowIsHighlightedOnTheScreen)
{
    click(cellPoint(3, 0));
    const CPoint inRow = cellPoint(3, 2), above = cellPoint(2, 2);
    EXPECT_EQ(screenPixel(inRow.x + 30, inRow.y), GetSysColor(COLOR_HIGHLIGHT));
    EXPECT_EQ(screenPixel(above.x + 30, above.y), GetSysColor(COLOR_WINDOW));
}

TEST_F(GridInput, TheCurrentCellHasAFrame)
{
    clickCell(2, 2);
    // Cell (2, 2) spans client 140..208 x 40..58 inside its grid lines.
    EXPECT_EQ(screenPixel(10 + 140, 10 + 50), GetSysColor(COLOR_WINDOWTEXT));
    EXPECT_EQ(screenPixel(10 + 207, 10 + 50), GetSysColor(COLOR_WINDOWTEXT));
    EXPECT_EQ(screenPixel(10 + 170, 10 + 40), GetSysColor(COLOR_WINDOWTEXT));
    EXPECT_EQ(screenPixel(10 + 142, 10 + 50), GetSysColor(COLOR_WINDOW));
    EXPECT_EQ(screenPixel(10 + 170, 10 + 60 + 5), GetSysColor(COLOR_WINDOW)); // the cell below has none
}

TEST_F(GridInput, ARightClickReachesDoRButtonDownAndMovesTheCurrentCell)
{
    desktop().click(cellPoint(3, 1), platform::MouseButton::Right);
    EXPECT_EQ(takeLog(), "right 105,70");
    ROWCOL r = 0, c = 0;
    ASSERT_TRUE(grid.GetCurrentCell(r, c));
    EXPECT_EQ(std::make_pair(r, c), std::make_pair(3ul, 1ul));
}

TEST_F(GridInput, DraggingAHeaderBorderResizesAColumnWhenAllowed)
{
    // Column 1's border is its grid line at client x 139.
    desktop().moveMouse(CPoint(10 + 139, 10 + 10));
    EXPECT_EQ(desktop().cursor(), LoadCursorW(nullptr, IDC_SIZEWE));
    desktop().pressButton();
    desktop().moveMouse(CPoint(10 + 169, 10 + 10));
    desktop().releaseButton();
    EXPECT_EQ(grid.GetColWidth(1), 100);
    EXPECT_EQ(grid.GetColWidth(2), 70);
    // Column 2 now ends at 239; its border is refused.
    grid.m_nFixedCol = 2;
    desktop().moveMouse(CPoint(10 + 239, 10 + 10));
    EXPECT_NE(desktop().cursor(), LoadCursorW(nullptr, IDC_SIZEWE));
    desktop().pressButton();
    desktop().moveMouse(CPoint(10 + 280, 10 + 10));
    desktop().releaseButton();
    EXPECT_EQ(grid.GetColWidth(2), 70);
    // A border below the header rows is no grip.
    desktop().moveMouse(CPoint(10 + 169, 10 + 30));
    desktop().pressButton();
    desktop().moveMouse(CPoint(10 + 200, 10 + 30));
    desktop().releaseButton();
    EXPECT_EQ(grid.GetColWidth(1), 100);
}

namespace {

// The screen pixels of one column (x) or one row (y) of the grid's cells.
std::vector<COLORREF> gridLine(CGXGridWnd& grid, int at, bool vertical)
{
    CRect r = grid.GetGridRect();
    grid.ClientToScreen(&r);
    std::vector<COLORREF> pixels;
    const auto& screen = desktop().screen();
    if (vertical)
        for (int y = r.top; y < r.bottom; ++y) pixels.push_back(screen.pixel(r.left + at, y));
    else
        for (int x = r.left; x < r.right; ++x) pixels.push_back(screen.pixel(x, r.top + at));
    return pixels;
}

std::vector<COLORREF> inverted(std::vector<COLORREF> pixels)
{
    for (COLORREF& c : pixels) c ^= 0x00FFFFFF;
    return pixels;
}

} // namespace

TEST_F(GridInput, ADraggedBorderShowsItsLineAtTheMouseAcrossTheGridUntilTheRelease)
{
    const std::vector<COLORREF> at169 = gridLine(grid, 169, true), at168 = gridLine(grid, 168, true),
                                at170 = gridLine(grid, 170, true), at189 = gridLine(grid, 189, true);
    ASSERT_GT(at169.size(), 50u);
    desktop().moveMouse(CPoint(10 + 139, 10 + 10));
    desktop().pressButton();
    desktop().moveMouse(CPoint(10 + 169, 10 + 10));
    // One pixel wide, inverted over the whole height of the cells.
    EXPECT_EQ(gridLine(grid, 169, true), inverted(at169));
    EXPECT_EQ(gridLine(grid, 168, true), at168);
    EXPECT_EQ(gridLine(grid, 170, true), at170);
    EXPECT_EQ(grid.GetColWidth(1), 70); // not yet
    // It follows the mouse, even below the header.
    desktop().moveMouse(CPoint(10 + 189, 10 + 60));
    EXPECT_EQ(gridLine(grid, 169, true), at169);
    EXPECT_EQ(gridLine(grid, 189, true), inverted(at189));
    desktop().releaseButton();
    EXPECT_EQ(grid.GetColWidth(1), 120);
    // Nothing of it stays: the grid painted afresh looks the same.
    const std::vector<COLORREF> released = gridLine(grid, 189, true);
    grid.Invalidate();
    grid.UpdateWindow();
    EXPECT_EQ(gridLine(grid, 189, true), released);
}

TEST_F(GridInput, TheColumnBorderGripReachesTwoPixelsEitherSideOfTheGridLine)
{
    // Column 1's grid line is at client x 139: the grip spans 137..141.
    const HCURSOR sizeWE = LoadCursorW(nullptr, IDC_SIZEWE);
    for (int x : {137, 139, 141}) {
        desktop().moveMouse(CPoint(10 + x, 10 + 10));
        EXPECT_EQ(desktop().cursor(), sizeWE) << x;
    }
    for (int x : {136, 142}) {
        desktop().moveMouse(CPoint(10 + x, 10 + 10));
        EXPECT_NE(desktop().cursor(), sizeWE) << x;
    }
    // A drag from the outer pixel on the right still resizes column 1.
    desktop().moveMouse(CPoint(10 + 141, 10 + 10));
    desktop().pressButton();
    desktop().moveMouse(CPoint(10 + 151, 10 + 10));
    desktop().releaseButton();
    EXPECT_EQ(grid.GetColWidth(1), 80);
    EXPECT_EQ(grid.GetColWidth(2), 70);
}

TEST_F(GridInput, ScrollCellInViewBringsRowsBelowTheFrozenOnesIntoView)
{
    grid.m_records.resize(30, {L"x", L"y", L"z"});
    grid.SetFrozenRows(1, 0);
    // 200 pixels show rows 0 and 1 (frozen) and rows 2..9 from the top.
    EXPECT_TRUE(grid.ScrollCellInView(12, 1));
    EXPECT_EQ(grid.GetTopRow(), 5ul); // rows 0, 1 and 5..12: 10 rows of 20
    EXPECT_FALSE(grid.ScrollCellInView(8, 1));
    EXPECT_FALSE(grid.ScrollCellInView(1, 1)); // frozen: always shown
    EXPECT_TRUE(grid.ScrollCellInView(3, 1));
    EXPECT_EQ(grid.GetTopRow(), 3ul);

    // The keyboard scrolls with the current cell; clicks hit the scrolled rows.
    grid.SetCurrentCell(10, 1);
    grid.SetFocus();
    desktop().pressKey(VK_DOWN);
    EXPECT_EQ(grid.GetTopRow(), 4ul);
    clickCell(2, 1); // the first row below the frozen one
    ROWCOL r = 0, c = 0;
    grid.GetCurrentCell(r, c);
    EXPECT_EQ(r, 4ul);
}

TEST_F(GridInput, CtrlCCopiesTheSelectionWithItsHardCellsQuoted)
{
    grid.m_records[1][0] = L"a\t2";
    clickCell(2, 0); // row 2, whole
    withKey(VK_CONTROL, [&] { desktop().pressKey('C'); });
    EXPECT_EQ(platform::ClipboardText(), L"\t\"a\t2\"\tb2\tc2\r\n");
    // A plain C types into the current cell instead.
    clickCell(3, 3);
    desktop().pressKey('C');
    EXPECT_EQ(platform::ClipboardText(), L"\t\"a\t2\"\tb2\tc2\r\n");
    EXPECT_TRUE(grid.IsActiveCurrentCell());
    // Leave the clipboard as the other tests expect to find it.
    ASSERT_TRUE(OpenClipboard(nullptr));
    EmptyClipboard();
    CloseClipboard();
}

namespace {

// A modeless dialog with an "&Apply" button and a default OK, which records
// the commands it gets.
const winres::DialogItemResource kDialogItems[] = {
    {WC_BUTTON, 12, L"&Apply", WS_CHILD | WS_VISIBLE | WS_TABSTOP, 0, 10, 150, 50, 14},
    {WC_BUTTON, IDOK, L"OK", WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_DEFPUSHBUTTON, 0, 70, 150, 50, 14},
};
const winres::DialogResource kDialogs[] = {
    {701, WS_POPUP | WS_CAPTION | DS_SETFONT, 0, 0, 0, 260, 170, L"Grid", L"MS Shell Dlg", 8, kDialogItems},
};
const winres::ResourceTable kDialogTable{{}, {}, kDialogs, {}};

class GridDialog : public CDialog {
public:
    std::vector<int> m_commands;

protected:
    BOOL OnCommand(WPARAM wParam, LPARAM) override
    {
        m_commands.push_back(LOWORD(wParam));
        return TRUE;
    }
};

} // namespace

TEST_F(GridInput, InADialogTheGridKeepsItsKeysFromTheDialogKeys)
{
    AfxSetResourceHandle(platform::RegisterApplicationModule(&kDialogTable));
    GridDialog dlg;
    ASSERT_TRUE(dlg.Create(701));
    dlg.ShowWindow(SW_SHOW);
    InputGrid inDialog;
    ASSERT_TRUE(inDialog.Create(WS_VISIBLE | WS_TABSTOP, CRect(0, 0, 300, 200), &dlg, 50));
    inDialog.SetCurrentCell(1, 1);
    inDialog.SetFocus();
    desktop().processMessages();

    // 'a' is typed, not Apply's mnemonic; Enter stores, not OK; Tab moves the
    // current cell, not the focus; Esc cancels the editor, not the dialog.
    desktop().typeText(L"a");
    desktop().pressKey(VK_RETURN);
    desktop().pressKey(VK_TAB);
    desktop().typeText(L"b");
    desktop().pressKey(VK_ESCAPE);
    EXPECT_EQ(inDialog.m_log, "start 1,1; store 1,1 a; start 1,2");
    EXPECT_EQ(CWnd::GetFocus(), &inDialog);
    EXPECT_TRUE(dlg.m_commands.empty());
    // Alt with the letter still reaches the button.
    withKey(VK_MENU, [] { desktop().pressKey('A'); });
    EXPECT_EQ(dlg.m_commands, std::vector<int>{12});
}

TEST_F(GridInput, DraggingARowHeaderBorderResizesARowWhenTrackingIsOn)
{
    // Row 2's border is its grid line at client y 59; column 0 is the row header.
    const CPoint border(10 + 35, 10 + 59);
    auto drag = [&](CPoint from, int dy) {
        desktop().moveMouse(from);
        desktop().pressButton();
        desktop().moveMouse(CPoint(from.x, from.y + dy));
        desktop().releaseButton();
    };
    // Off by default: the border is no grip.
    desktop().moveMouse(border);
    EXPECT_NE(desktop().cursor(), LoadCursorW(nullptr, IDC_SIZENS));
    drag(border, 15);
    EXPECT_EQ(grid.GetRowHeight(2), 20);

    grid.GetParam()->EnableTrackRowHeight(GX_TRACK_DEFAULT);
    desktop().moveMouse(border);
    EXPECT_EQ(desktop().cursor(), LoadCursorW(nullptr, IDC_SIZENS));
    drag(border, 15);
    EXPECT_EQ(grid.GetRowHeight(2), 35);
    EXPECT_EQ(grid.GetRowHeight(1), 20);
    EXPECT_EQ(grid.GetRowHeight(3), 20);
    // Dragged above its top the row keeps a pixel.
    drag(CPoint(border.x, 10 + 74), -60);
    EXPECT_EQ(grid.GetRowHeight(2), 1);
    // A row border in a data column is no grip.
    drag(CPoint(10 + 105, 10 + 19), 10);
    EXPECT_EQ(grid.GetRowHeight(1), 20);
}
