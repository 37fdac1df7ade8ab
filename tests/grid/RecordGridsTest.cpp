// The rules that both record grids (CRGrid, CRwGrid) share, checked on each
// through its host: both hosts have four records, a header row and field 20
// in column 1.
#include "BeamGrid.h"

template <class Grid> using RecordGrids = HostedGrid<Grid>;
using Grids = ::testing::Types<BeamGrid, SimpleBeamGrid>;
TYPED_TEST_SUITE(RecordGrids, Grids);

TYPED_TEST(RecordGrids, DeleteTheSpareRowHostCallsNotificationsAndTheRegistryWorkAlike)
{
    auto& grid = this->grid;
    this->paint();
    const CPoint last = this->cellPoint(4, 0);
    ASSERT_GT(this->inkAround(last), 0);
    grid.SetFocus();
    grid.SelectRange(CGXRange().SetRows(0, 1));
    grid.SelectRange(CGXRange().SetRows(3));
    grid.SelectRange(CGXRange(2, 1, 2, 2));
    platform::desktop().pressKey(VK_DELETE);
    // Row 0 is never a record to remove, cells that are not whole rows are no rows.
    EXPECT_EQ(grid.takeLog(), (Log{"remove 2 2", "remove 0 0"}));
    EXPECT_EQ(grid.GetRowCount(), 2ul);
    // The update lock taken meanwhile is given back, so the grid repaints:
    // the last row's text has gone from the screen.
    EXPECT_FALSE(grid.IsLockUpdate());
    EXPECT_EQ(this->inkAround(last), 0);

    this->clickCell(1, 1);
    platform::desktop().typeText(L"5");
    platform::desktop().pressKey(VK_RETURN);
    this->clickCell(2, 1);
    platform::desktop().typeText(L"320");
    platform::desktop().pressKey(VK_RETURN);
    // The spare row came when editing began in the last row, before its value.
    EXPECT_EQ(grid.takeLog(), (Log{"store 0 20 5", "insert 2 1", "store 1 20 320"}));

    // Removals and the base styles of rows and columns are no cells.
    grid.m_bLogReads = true;
    CGXStyle style;
    style.SetValue(L"y");
    EXPECT_FALSE(grid.StoreStyleRowCol(1, 1, &style, gxRemove, 0));
    EXPECT_FALSE(grid.GetStyleRowCol(1, 1, style, gxCopy, -1));
    EXPECT_EQ(grid.takeLog(), Log{});

    // Notifications are sent at once, to the receiver, else to the parent.
    Receiver receiver;
    ASSERT_TRUE(receiver.CreateEx(0, nullptr, L"", WS_POPUP, CRect(0, 0, 10, 10), nullptr, 0));
    grid.setReceiver(&receiver);
    grid.notify(WM_APP + 7);
    grid.setReceiver(nullptr);
    grid.notify(WM_APP + 8);
    auto windowless = std::make_unique<TypeParam>(); // no window, no receiver: nothing to send to
    windowless->notify(WM_APP + 9);
    EXPECT_EQ(receiver.m_received, std::vector<UINT>{WM_APP + 7});
    EXPECT_EQ(this->frame.m_received, std::vector<UINT>{WM_APP + 8});

    // The registry lists live grids; RedrawAll repaints those with windows.
    using List = std::decay_t<decltype(TypeParam::AllInstances())>;
    EXPECT_EQ(TypeParam::AllInstances(), (List{&grid, windowless.get()}));
    this->paint();
    grid.takeLog();
    TypeParam::RedrawAll();
    platform::desktop().processMessages();
    EXPECT_NE(grid.takeLog(), Log{});
    windowless.reset();
    EXPECT_EQ(TypeParam::AllInstances(), List{&grid});
}
