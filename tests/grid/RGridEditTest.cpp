#include "BeamGrid.h"

using platform::desktop;
using platform::MouseButton;
using platform::user;

namespace {

std::vector<std::wstring> names(const BeamGrid& grid)
{
    std::vector<std::wstring> n;
    for (const Beam& b : grid.m_beams)
        n.push_back(b.name);
    return n;
}

ROWCOL currentRow(BeamGrid& grid)
{
    ROWCOL r = 0, c = 0;
    return grid.GetCurrentCell(r, c) ? r : 0;
}

} // namespace

TEST_F(RecordGrid, DeleteAndInsertWorkOnTheSelectedRowsLastFirst)
{
    grid.SetFocus();
    grid.SelectRange(CGXRange().SetRows(2));
    grid.SelectRange(CGXRange().SetRows(4));
    desktop().pressKey(VK_DELETE);
    EXPECT_EQ(grid.takeLog(), (Log{"remove 3 3", "remove 1 1"}));
    EXPECT_EQ(names(grid), (std::vector<std::wstring>{L"B1", L"B3"}));

    // Shift and Ctrl do not matter; each new record goes before its row.
    grid.SelectRange(CGXRange().SetTable(), FALSE);
    grid.SelectRange(CGXRange().SetRows(1, 2));
    pressWith(VK_SHIFT, VK_INSERT);
    EXPECT_EQ(grid.takeLog(), (Log{"insert 1 1", "insert 0 1"}));
    EXPECT_EQ(names(grid), (std::vector<std::wstring>{L"", L"B1", L"", L"B3"}));

    // Row 0 is never a record to remove; cells that are not whole rows are no rows.
    grid.SelectRange(CGXRange().SetTable(), FALSE);
    grid.SelectRange(CGXRange().SetRows(0, 1));
    pressWith(VK_CONTROL, VK_DELETE);
    EXPECT_EQ(grid.takeLog(), Log{"remove 0 0"});
    grid.SelectRange(CGXRange().SetTable(), FALSE);
    grid.SelectRange(CGXRange(1, 1, 2, 3));
    desktop().pressKey(VK_DELETE);
    desktop().pressKey(VK_INSERT);
    EXPECT_TRUE(grid.takeLog().empty());
    EXPECT_EQ(grid.m_beams.size(), 3u);
}

TEST_F(RecordGrid, EditingTheLastRowAddsASpareRowBelowIt)
{
    clickCell(2, 1);
    desktop().typeText(L"5");
    desktop().pressKey(VK_RETURN);
    EXPECT_EQ(grid.takeLog(), Log{"store 1 20 5"});

    clickCell(4, 1);
    desktop().typeText(L"320");
    EXPECT_EQ(grid.GetRowCount(), 5ul); // the spare row is there while typing
    desktop().pressKey(VK_RETURN);
    EXPECT_EQ(grid.takeLog(), (Log{"insert 4 1", "store 3 20 320"}));
    EXPECT_EQ(grid.m_beams.size(), 5u);
    EXPECT_EQ(grid.m_beams[3].b, L"320");
}

TEST_F(RecordGrid, CtrlASelectsTheWholeTableLikeTheSelectAllCommand)
{
    clickCell(2, 2);
    pressWith(VK_CONTROL, 'A');
    EXPECT_FALSE(grid.IsActiveCurrentCell()); // the character started no editing
    CGXRangeList byKey, byCommand;
    grid.CopyRangeList(byKey, FALSE);
    ASSERT_EQ(byKey.GetCount(), 1);
    EXPECT_TRUE(byKey.GetAt(0).IsTable());

    grid.SelectRange(CGXRange().SetTable(), FALSE);
    grid.SendMessage(WM_COMMAND, 57642);
    grid.CopyRangeList(byCommand, FALSE);
    ASSERT_EQ(byCommand.GetCount(), 1);
    EXPECT_EQ(byCommand.GetAt(0), byKey.GetAt(0));
}

TEST_F(RecordGrid, TheContextMenuOpensAtTheClickAndRunsTheChosenCommand)
{
    HostResources resources;
    grid.setContextMenu(true);
    const CPoint at = cellPoint(3, 2);
    CRect menu;
    user().chooseMenuCommand(57642, [&](HWND window) { GetWindowRect(window, &menu); });
    desktop().click(at, MouseButton::Right);
    EXPECT_EQ(menu.TopLeft(), at);
    CGXRangeList selection;
    grid.CopyRangeList(selection, FALSE);
    ASSERT_EQ(selection.GetCount(), 1);
    EXPECT_TRUE(selection.GetAt(0).IsTable());
    EXPECT_EQ(currentRow(grid), 0ul); // the click went to the menu, not to the cell

    // Switched off, the right click is the grid's own: the cell becomes current.
    const size_t prompts = user().prompts().size();
    grid.setContextMenu(false);
    grid.SelectRange(CGXRange().SetTable(), FALSE);
    desktop().advanceClock(1000); // no double click
    clickCell(3, 2, MouseButton::Right);
    EXPECT_EQ(currentRow(grid), 3ul);
    EXPECT_EQ(user().prompts().size(), prompts);
}

TEST_F(RecordGrid, WithoutTheMenuResourceTheRightClickIsTheGridsOwn)
{
    // Only the application's resources, which hold no menu 480.
    AfxSetResourceHandle(GetModuleHandleW(nullptr));
    grid.setContextMenu(true);
    const size_t prompts = user().prompts().size();
    clickCell(2, 1, MouseButton::Right);
    EXPECT_EQ(currentRow(grid), 2ul);
    EXPECT_EQ(user().prompts().size(), prompts);
}

TEST_F(RecordGrid, CellReadersGiveNumbersDefaultsOrStopAtAnEmptyRequiredCell)
{
    grid.m_beams[0].b = L"2.5";
    grid.m_beams[1].b = L"abc";
    grid.m_beams[2].b = L"";
    grid.m_beams[3].b = L" 7.9";
    double d = -1;
    EXPECT_TRUE(grid.validDblCell(&d, 1, 1, true, 9.0));
    EXPECT_EQ(d, 2.5);
    EXPECT_TRUE(grid.validDblCell(&d, 2, 1, true, 9.0)); // not a number: 0, accepted
    EXPECT_EQ(d, 0.0);
    d = -1;
    EXPECT_FALSE(grid.validDblCell(&d, 3, 1, true, 9.0));
    EXPECT_EQ(d, -1.0);
    EXPECT_EQ(currentRow(grid), 3ul);
    EXPECT_TRUE(grid.validDblCell(&d, 3, 1, false, 9.0));
    EXPECT_EQ(d, 9.0);

    int n = -1;
    EXPECT_TRUE(grid.validIntCell(&n, 4, 1, true, 0));
    EXPECT_EQ(n, 7);
    EXPECT_TRUE(grid.validIntCell(&n, 1, 1, true, 0));
    EXPECT_EQ(n, 2);
    // A cell outside the grid is empty; the current cell stays.
    EXPECT_TRUE(grid.validIntCell(&n, 99, 1, false, 5));
    EXPECT_EQ(n, 5);
    EXPECT_FALSE(grid.validIntCell(&n, -1, 1, true, 6));
    EXPECT_EQ(n, 5);
    EXPECT_EQ(currentRow(grid), 3ul);
}

TEST_F(RecordGrid, ColumnNamesCarryTheUnitOnASecondLine)
{
    HostResources resources;
    EXPECT_EQ(grid.makeColName(IDS_WIDTH, qemet::QT_SECTION_SIZE), L"Width\n (cm)");
    EXPECT_EQ(grid.makeColName(IDS_WIDTH, qemet::QT_REINF_AREA), L"Width\n (cm\u00b2/m)");
    EXPECT_EQ(grid.makeColName(IDS_WIDTH, qemet::QT_NUMBER), L"Width\n ()");
    qemet::Qemet::SetUnitSystem(qemet::US_IMPERIAL);
    EXPECT_EQ(grid.makeColName(IDS_WIDTH, qemet::QT_SECTION_SIZE), L"Width\n (in)");
    qemet::Qemet::SetUnitSystem(qemet::US_METRIC);
}

TEST_F(RecordGrid, NotificationsGoToTheReceiverElseToTheParentAtOnce)
{
    Receiver receiver;
    ASSERT_TRUE(receiver.CreateEx(0, nullptr, L"", WS_POPUP, CRect(0, 0, 10, 10), nullptr, 0));
    grid.setReceiver(&receiver);
    grid.notify(WM_APP + 7);
    EXPECT_EQ(receiver.m_received, std::vector<UINT>{WM_APP + 7}); // before notify returned
    EXPECT_TRUE(frame.m_received.empty());
    grid.setReceiver(nullptr);
    grid.notify(WM_APP + 8);
    EXPECT_EQ(frame.m_received, std::vector<UINT>{WM_APP + 8});

    BeamGrid alone; // no window, no receiver: nothing to send to
    alone.notify(WM_APP + 9);
    EXPECT_EQ(frame.m_received.size(), 1u);
    EXPECT_EQ(receiver.m_received.size(), 1u);
}

TEST_F(RecordGrid, RecordsAreSelectedAndScrolledIntoViewByTheirNumber)
{
    grid.describe(true);
    grid.selectRowDada(1, true);
    EXPECT_TRUE(grid.IsCellSelected(3, 0));
    EXPECT_TRUE(grid.IsCellSelected(3, 3));
    EXPECT_FALSE(grid.IsCellSelected(2, 1));
    grid.selectRowDada(1, false);
    EXPECT_FALSE(grid.IsCellSelected(3, 1));

    grid.m_beams.resize(40);
    grid.scrollRowDataInView(30);
    desktop().processMessages();
    EXPECT_GT(grid.GetTopRow(), 2ul);
    EXPECT_FALSE(grid.CalcRectFromRowCol(32, 1, 32, 1).IsRectEmpty());
}

TEST_F(RecordGrid, RecordNumbersOutsideTheRecordsSelectAndScrollNothing)
{
    grid.describe(true); // two header rows: record n is row n + 2
    grid.m_beams.resize(40); // more than the grid shows
    desktop().processMessages();
    const size_t records = grid.m_beams.size();
    const ROWCOL top = grid.GetTopRow();
    for (int nRec : {-3, -1, (int)records, 1000000}) {
        grid.selectRowDada(nRec, true);
        grid.scrollRowDataInView(nRec);
    }
    desktop().processMessages();
    CRowColArray rows;
    grid.GetSelectedRows(rows, TRUE, FALSE);
    EXPECT_EQ(rows.GetSize(), 0) << rows[0];
    EXPECT_EQ(grid.GetTopRow(), top);
    // The last record is still selected by its number.
    grid.selectRowDada((int)records - 1, true);
    grid.GetSelectedRows(rows, TRUE, FALSE);
    ASSERT_EQ(rows.GetSize(), 1);
    EXPECT_EQ(rows[0], (ROWCOL)records + 1);
}
