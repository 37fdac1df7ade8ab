#include "BeamGrid.h"

#include "platform/gridctl/GridDump.h"
#include "platform/gridctl/TestGrids.h"
#include "support/Input.h"

#include <sstream>

TEST_F(RecordGrid, InsertAddsRecordsBeforeTheSelectedRowsAndCtrlAOrTheContextMenuSelectsAll)
{
    paint();
    const CPoint second = cellPoint(2, 0);
    ASSERT_GT(inkAround(second), 0);
    grid.SetFocus();
    grid.SelectRange(CGXRange().SetRows(2, 3));
    testsupport::pressWith(VK_SHIFT, VK_INSERT); // Shift and Ctrl do not matter
    EXPECT_EQ(grid.takeLog(), (Log{"insert 2 1", "insert 1 1"}));
    // The update lock taken meanwhile is given back, so the grid repaints:
    // the new record's empty title shows where B2's was.
    EXPECT_FALSE(grid.IsLockUpdate());
    EXPECT_EQ(inkAround(second), 0);

    clickCell(2, 2);
    testsupport::pressWith(VK_CONTROL, 'A');
    EXPECT_EQ(SelectedRows(grid), "0 1 2 3 4 5 6 ");
    EXPECT_FALSE(grid.IsActiveCurrentCell()); // the character started no editing

    grid.SelectRange(CGXRange().SetTable(), FALSE);
    CDynLinkLibrary language(englishModule());
    grid.setContextMenu(true);
    const CPoint at = cellPoint(3, 2);
    CRect menu;
    platform::user().chooseMenuCommand(57642, [&](HWND window) { GetWindowRect(window, &menu); });
    platform::desktop().click(at, platform::MouseButton::Right);
    EXPECT_EQ(menu.TopLeft(), at);
    EXPECT_EQ(SelectedRows(grid), "0 1 2 3 4 5 6 ");
    EXPECT_EQ(CurrentCell(grid), "2,2"); // the click went to the menu, not to the cell
}

TEST_F(RecordGrid, WithoutTheMenuResourceTheRightClickIsTheGridsOwn)
{
    // The menu switched off, then only the application's resources (no menu
    // 480): the cell becomes current, and no menu opens.
    const size_t prompts = platform::user().prompts().size();
    {
        CDynLinkLibrary language(englishModule());
        clickCell(3, 1, platform::MouseButton::Right);
        EXPECT_EQ(CurrentCell(grid), "3,1");
    }
    AfxSetResourceHandle(GetModuleHandleW(nullptr));
    grid.setContextMenu(true);
    platform::desktop().advanceClock(1000); // no double click
    clickCell(2, 1, platform::MouseButton::Right);
    EXPECT_EQ(CurrentCell(grid), "2,1");
    EXPECT_EQ(platform::user().prompts().size(), prompts);
}

TEST_F(RecordGrid, CellReadersGiveNumbersDefaultsOrStopAtAnEmptyRequiredCell)
{
    grid.m_beams[0].b = L"2.5";
    grid.m_beams[1].b = L"abc";
    grid.m_beams[2].b = L"";
    grid.m_beams[3].b = L" 7.9";
    // Each read as "taken:value" of the double and the int reader, the
    // defaults 9 and 5; a refused read leaves the value at -1. A cell outside
    // the grid is empty.
    std::ostringstream read;
    for (auto [row, bRequired] :
         {std::pair{1, true}, {2, true}, {4, true}, {3, false}, {99, false}, {3, true}, {-1, true}}) {
        double d = -1;
        int n = -1;
        const bool bDouble = grid.validDblCell(&d, row, 1, bRequired, 9.0);
        read << bDouble << ":" << d << " " << grid.validIntCell(&n, row, 1, bRequired, 5) << ":" << n << ", ";
    }
    EXPECT_EQ(read.str(), "1:2.5 1:2, 1:0 1:0, 1:7.9 1:7, 1:9 1:5, 1:9 1:5, 0:-1 0:-1, 0:-1 0:-1, ");
    // The empty required cell became the current one; a row outside the grid did not.
    EXPECT_EQ(CurrentCell(grid), "3,1");
}

TEST_F(RecordGrid, RecordNumbersOutsideTheRecordsSelectAndScrollNothing)
{
    grid.describe(true);     // two header rows: record n is row n + 2
    grid.m_beams.resize(40); // more than the grid shows
    platform::desktop().processMessages();
    const ROWCOL top = grid.GetTopRow();
    for (int nRec : {-3, -1, 40, 1000000}) {
        grid.selectRowDada(nRec, true);
        grid.scrollRowDataInView(nRec);
    }
    platform::desktop().processMessages();
    EXPECT_EQ(SelectedRows(grid), "");
    EXPECT_EQ(grid.GetTopRow(), top);

    // A record's number selects (or deselects) its whole row, the first and
    // the last alike, and scrolls it into view.
    grid.selectRowDada(39, true);
    EXPECT_EQ(SelectedRows(grid), "41 ");
    grid.selectRowDada(39, false);
    EXPECT_EQ(SelectedRows(grid), "");
    grid.scrollRowDataInView(30);
    platform::desktop().processMessages();
    EXPECT_FALSE(grid.CalcRectFromRowCol(32, 1, 32, 1).IsRectEmpty());
}
