#include "InputGrid.h"

#include "win/afx/Dialog.h"
#include "win/kernel/Module.h"
#include "win/kernel/ModuleState.h"

using platform::desktop;
using testsupport::drag;
using testsupport::holding;

TEST_F(GridInput, F2EditsTheTextInPlaceAndTheHostMayRefuse)
{
    clickCell(1, 3);
    press({VK_F2, VK_BACK, VK_HOME, 'X', VK_RETURN});
    EXPECT_EQ(takeLog(), "start 1,3; store 1,3 xc");
    // F2 and Enter without a change store nothing.
    press({VK_F2, VK_RETURN});
    EXPECT_EQ(takeLog(), "start 1,3");

    // The host is asked first; read-only cells are not even asked for.
    grid.m_bAllowEditing = FALSE;
    clickCell(1, 1);
    desktop().typeText(L"5");
    desktop().pressKey(VK_F2);
    EXPECT_EQ(takeLog(), "start 1,1; start 1,1");
    grid.m_bAllowEditing = TRUE;
    grid.m_styles[{2, 1}].SetReadOnly(TRUE);
    clickCell(2, 1);
    desktop().typeText(L"5");
    EXPECT_EQ(takeLog(), "");
}

TEST_F(GridInput, ArrowsAndTabMoveTheCurrentCellCommittingTheEditorAndSkipHiddenAndCoveredCells)
{
    clickCell(1, 1);
    desktop().typeText(L"7");
    desktop().pressKey(VK_DOWN);
    EXPECT_EQ(takeLog(), "start 1,1; store 1,1 7");
    EXPECT_EQ(CurrentCell(grid), "2,1");
    press({VK_TAB, VK_RIGHT, VK_RIGHT}); // the last column: stays
    EXPECT_EQ(CurrentCell(grid), "2,3");
    holding(VK_SHIFT, [] { desktop().pressKey(VK_TAB); });
    press({VK_UP, VK_UP}); // row 1 is the first: stays
    EXPECT_EQ(CurrentCell(grid), "1,2");
    // Left and Right move the caret while editing.
    desktop().typeText(L"ab");
    desktop().pressKey(VK_LEFT);
    desktop().typeText(L"X\n");
    EXPECT_EQ(grid.GetValueRowCol(1, 2), L"aXb");

    grid.HideCols(2, 2);
    grid.SetCoveredCellsRowCol(2, 1, 3, 1);
    grid.SetCurrentCell(1, 1);
    desktop().pressKey(VK_RIGHT);
    EXPECT_EQ(CurrentCell(grid), "1,3");
    press({VK_LEFT, VK_DOWN, VK_DOWN}); // into the block at its top-left, out of it
    EXPECT_EQ(CurrentCell(grid), "4,1");
}

TEST_F(GridInput, ClicksSelectRowsColumnsAndTheTableShiftExtendsCtrlAdds)
{
    clickCell(2, 0);
    holding(VK_SHIFT, [&] { clickCell(3, 0); });
    // Whole rows take in their row headers, whole columns their titles.
    EXPECT_EQ(GridDump(grid), "0 |   | A   | B   | C   |\n"
                              "1 |   | a1  | b1  | c1  |\n"
                              "2 | * | a2* | b2* | c2* |\n"
                              "3 | * | a3* | b3* | c3* |\n"
                              "4 |   | a4  | b4  | c4  |\n");
    // The screen shows it at once: row 3 highlighted, row 4 not.
    EXPECT_EQ(Colours({{175, 70}, {175, 90}}), "Hw");
    // Shift again replaces the extension; Ctrl adds a column.
    holding(VK_SHIFT, [&] { clickCell(1, 0); });
    holding(VK_CONTROL, [&] { clickCell(0, 3); });
    EXPECT_EQ(GridDump(grid), "0 |   | A   | B   | C*  |\n"
                              "1 | * | a1* | b1* | c1* |\n"
                              "2 | * | a2* | b2* | c2* |\n"
                              "3 |   | a3  | b3  | c3* |\n"
                              "4 |   | a4  | b4  | c4* |\n");
    EXPECT_EQ(SelectedRows(grid), "1 2 ");
    // The corner takes the table; a plain cell click starts afresh.
    clickCell(0, 0);
    EXPECT_TRUE(grid.IsCellSelected(4, 2));
    clickCell(4, 2);
    holding(VK_SHIFT, [&] { clickCell(3, 3); });
    // The block from the anchor cell to the clicked one; the current cell stays.
    EXPECT_EQ(GridDump(grid), "0 |   | A  | B    | C   |\n"
                              "1 |   | a1 | b1   | c1  |\n"
                              "2 |   | a2 | b2   | c2  |\n"
                              "3 |   | a3 | b3*  | c3* |\n"
                              "4 |   | a4 | b4*@ | c4* |\n");
    // A right click reaches DoRButtonDown and moves the current cell.
    clickCell(3, 1, platform::MouseButton::Right);
    EXPECT_EQ(takeLog(), "right 105,70");
    EXPECT_EQ(CurrentCell(grid), "3,1");
}

TEST_F(GridInput, TheCurrentCellHasAFrame)
{
    clickCell(2, 2);
    // Cell (2, 2) spans client 140..208 x 40..58 inside its grid lines: its
    // frame on the left, right and top edge, none inside it (right of its text)
    // or in the cell below.
    EXPECT_EQ(Colours({{140, 50}, {207, 50}, {170, 40}, {205, 50}, {170, 65}}), "kkkww");
}

TEST_F(GridInput, DraggingAHeaderBorderResizesAColumnOrWithTrackingOnARow)
{
    // Column 1's border is its grid line at client x 139; its grip reaches
    // two pixels either side, and a drag from the outer one still resizes it.
    const auto grip = [](CPoint pt, LPCWSTR cursor) {
        desktop().moveMouse(pt);
        return desktop().cursor() == LoadCursorW(nullptr, cursor);
    };
    std::string grips;
    for (int x : {136, 137, 139, 141, 142})
        grips += grip(at(x, 10), IDC_SIZEWE) ? 'g' : '.';
    EXPECT_EQ(grips, ".ggg.");
    drag(at(141, 10), at(171, 10));
    EXPECT_EQ(Sizes(grid, false, 1, 2), "100 70");
    // Column 2 now ends at 239; its border is refused. A border below the
    // header rows is no grip.
    grid.m_nFixedCol = 2;
    EXPECT_FALSE(grip(at(239, 10), IDC_SIZEWE));
    drag(at(239, 10), at(280, 10));
    drag(at(169, 30), at(200, 30));
    EXPECT_EQ(Sizes(grid, false, 1, 2), "100 70");

    // Row 2's border is its grid line at client y 59, in the row header;
    // it is no grip until row-height tracking is on.
    EXPECT_FALSE(grip(at(35, 59), IDC_SIZENS));
    drag(at(35, 59), at(35, 74));
    EXPECT_EQ(Sizes(grid, true, 1, 3), "20 20 20");
    grid.GetParam()->EnableTrackRowHeight(GX_TRACK_DEFAULT);
    EXPECT_TRUE(grip(at(35, 59), IDC_SIZENS));
    drag(at(35, 59), at(35, 74));
    EXPECT_EQ(Sizes(grid, true, 1, 3), "20 35 20");
    // Dragged above its top the row keeps a pixel; a row border in a data
    // column is no grip.
    drag(at(35, 74), at(35, 14));
    drag(at(105, 19), at(105, 29));
    EXPECT_EQ(Sizes(grid, true, 1, 2), "20 1");
}

TEST_F(GridInput, ADraggedBorderShowsItsLineAtTheMouseAcrossTheGridUntilTheRelease)
{
    // What became of client columns 160..199 of the cells since the drag
    // began: '.' the same, 'i' inverted all the way down, '?' anything else.
    const auto column = [&](int x, COLORREF invert) {
        std::vector<COLORREF> pixels;
        for (int y = 0; y < grid.GetGridRect().bottom; ++y) pixels.push_back(pixel(x, y) ^ invert);
        return pixels;
    };
    std::vector<std::vector<COLORREF>> before;
    for (int x = 160; x < 200; ++x) before.push_back(column(x, 0));
    ASSERT_GT(before[0].size(), 50u);
    const auto changes = [&] {
        std::string s;
        for (int x = 160; x < 200; ++x)
            s += column(x, 0) == before[x - 160] ? '.' : column(x, 0x00FFFFFF) == before[x - 160] ? 'i' : '?';
        return s;
    };
    desktop().moveMouse(at(139, 10));
    desktop().pressButton();
    desktop().moveMouse(at(169, 10));
    // One pixel wide, over the whole height of the cells; the width waits.
    EXPECT_EQ(changes(), ".........i..............................");
    EXPECT_EQ(grid.GetColWidth(1), 70);
    // It follows the mouse, even below the header.
    desktop().moveMouse(at(189, 60));
    EXPECT_EQ(changes(), ".............................i..........");
    desktop().releaseButton();
    EXPECT_EQ(grid.GetColWidth(1), 120);
    // Nothing of it stays: the grid painted afresh looks the same.
    before.clear();
    for (int x = 160; x < 200; ++x) before.push_back(column(x, 0));
    paint();
    EXPECT_EQ(changes(), std::string(40, '.'));
}

TEST_F(GridInput, ScrollCellInViewBringsRowsBelowTheFrozenOnesIntoView)
{
    grid.m_records.resize(30, {L"x", L"y", L"z"});
    grid.SetFrozenRows(1, 0);
    // 200 pixels show rows 0 and 1 (frozen) and rows 2..9 from the top.
    EXPECT_TRUE(grid.ScrollCellInView(12, 1));
    EXPECT_EQ(grid.GetTopRow(), 5ul); // rows 0, 1 and 5..12: 10 rows of 20
    EXPECT_FALSE(grid.ScrollCellInView(8, 1) || grid.ScrollCellInView(1, 1)); // shown, or frozen
    EXPECT_TRUE(grid.ScrollCellInView(3, 1));
    EXPECT_EQ(grid.GetTopRow(), 3ul);
    // The keyboard scrolls with the current cell; clicks hit the scrolled rows.
    grid.SetCurrentCell(10, 1);
    grid.SetFocus();
    desktop().pressKey(VK_DOWN);
    EXPECT_EQ(grid.GetTopRow(), 4ul);
    desktop().click(at(105, 50)); // the first row below the frozen one
    EXPECT_EQ(CurrentCell(grid), "4,1");
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
    desktop().typeText(L"a\n\tb");
    desktop().pressKey(VK_ESCAPE);
    EXPECT_EQ(inDialog.m_log, "start 1,1; store 1,1 a; start 1,2");
    EXPECT_EQ(CWnd::GetFocus(), &inDialog);
    EXPECT_TRUE(dlg.m_commands.empty());
    // Alt with the letter still reaches the button.
    testsupport::pressWith(VK_MENU, 'A');
    EXPECT_EQ(dlg.m_commands, std::vector<int>{12});
}
