// The area-scale grid as the user edits it: every change stored is told to the host once.
#include "AreaScaleHost.h"

#include "win/user/Menu.h"

using platform::desktop;
using platform::MouseButton;
using platform::user;

namespace {
bool checked(HMENU menu, UINT id)
{
    const UINT state = GetMenuState(menu, id, MF_BYCOMMAND);
    return state != (UINT)-1 && (state & MF_CHECKED);
}
} // namespace

TEST_F(AreaScaleEditor, RefusedValuesLeaveTheRowsAsTheyWereAndTellNoOne)
{
    grid.AutoScale(1, 0);
    const std::string before = describe(grid.GetItems());
    // A first bar of 0, no number, a negative second bar, no spacing, no length, a negative area.
    for (auto [col, typed] :
         {std::pair{2ul, L"0"}, {2ul, L"thick"}, {3ul, L"-1"}, {4ul, L"0"}, {4ul, L"5 kg"}, {5ul, L"-3"}})
        typeInto(2, col, typed);
    EXPECT_EQ(describe(grid.GetItems()), before);
    EXPECT_FALSE(grid.IsModified());
    // Nothing is stored outside the rows, and the grid does not claim it was.
    EXPECT_FALSE(grid.SetValueRange(CGXRange(0, 4), L"10"));
    EXPECT_FALSE(grid.SetValueRange(CGXRange(9, 4), L"10"));
    EXPECT_EQ(host.take(), 0u);

    // A second bar is added, and typing 0 takes it away again.
    typeInto(2, 3, L"16");
    EXPECT_DOUBLE_EQ(grid.GetItems()[1].GetDimValue(2), 0.016);
    EXPECT_EQ(text(2, 3), L"16.0");
    typeInto(2, 3, L"0");
    EXPECT_EQ(grid.GetItems()[1].GetDimValue(2), 0.0);
    EXPECT_EQ(text(2, 3), L"");
    EXPECT_EQ(host.m_received, (std::vector<UINT>{0x8000, 0x8000}));
    EXPECT_TRUE(grid.IsModified());
}

TEST_F(AreaScaleEditor, ATypedAreaSetsTheSpacingAndAnEqualAreaMergesTwoRows)
{
    grid.AutoScale(1, 0); // 0.15, 0.15, 0.47, 0.47
    typeInto(3, 5, L"25");
    // 25 cm²/m of 20 mm bars is a spacing of 12.57 cm, the densest range now.
    expectSpacings({0.1256637, 0.1256637, 0.15, 0.15}, 5e-8);
    EXPECT_EQ(text(2, 6), L">20.94");
    EXPECT_EQ(host.take(), 1u);
    typeInto(2, 5, L"20.943951"); // the same area as row 3 (20 mm at 15 cm) leaves one of the two rows
    expectSpacings({0.15, 0.15, 0.15}, 1e-9);
    EXPECT_EQ(host.take(), 1u);
}

TEST_F(AreaScaleEditor, ChosenBarsAreStoredAsPositionsOfTheBarSource)
{
    grid.SetDimType(CGridAreaScale::DIM_ASTM);
    grid.AutoScale(1, 0);
    EXPECT_EQ(style(2, 2).GetControl(), GX_IDS_CTRL_ONEBASED);
    EXPECT_EQ(grid.GetCopyTextRowCol(2, 2), L"#6"); // 20 mm snapped to 19.05 mm
    grid.SetValueRange(CGXRange(2, 2), (DWORD)2);   // line 2 of the list: #4
    EXPECT_DOUBLE_EQ(grid.GetItems()[1].GetDimValue(1), 0.0127);
    // The second bar's list starts with the empty no-bar line.
    EXPECT_EQ(style(2, 3).GetControl(), GX_IDS_CTRL_ZEROBASED);
    grid.SetValueRange(CGXRange(2, 3), (DWORD)3); // #5
    EXPECT_DOUBLE_EQ(grid.GetItems()[1].GetDimValue(2), 0.015875);
    grid.SetValueRange(CGXRange(2, 3), (DWORD)0);
    EXPECT_EQ(grid.GetItems()[1].GetDimValue(2), 0.0);
    EXPECT_EQ(host.take(), 3u);
}

TEST_F(AreaScaleEditor, InsertAddsARowWhoseSpacingFitsItsPlace)
{
    grid.SetSectionCount(3); // 0.13, 0.13, 0.31, 0.94, 0.94
    grid.SetFocus();
    // At row 2 half the spacing, the top row taking the new layout; in the
    // middle the mean of the two rows above; above the zero row twice the one above.
    selectRows({2});
    desktop().pressKey(VK_INSERT);
    selectRows({4});
    desktop().pressKey(VK_INSERT);
    selectRows({7});
    desktop().pressKey(VK_INSERT);
    expectSpacings({0.065, 0.065, 0.13, 0.22, 0.31, 0.94, 1.88, 1.88});
    EXPECT_EQ(host.take(), 3u);
    EXPECT_EQ(text(7, 6), L">0.00");

    // The top row refuses; the grid is still redrawn and the host told.
    selectRows({1});
    desktop().pressKey(VK_INSERT);
    EXPECT_EQ(grid.GetRowCount(), 8ul);
    EXPECT_EQ(host.take(), 1u);
    // Without a selection or a current cell there is no row to insert at.
    grid.SelectRange(CGXRange().SetTable(), FALSE);
    desktop().pressKey(VK_INSERT);
    EXPECT_EQ(host.take(), 0u);
    grid.SetItems(Items(2)); // fewer than 3 rows: nothing is inserted, and the grid says so
    EXPECT_FALSE(grid.InsertRows(2, 1));
    EXPECT_EQ(grid.GetItems().size(), 2u);
}

TEST_F(AreaScaleEditor, InsertingAtRowTwoHalvesTheFormerRowTwoNotTheTopRow)
{
    Items items = scaleOf({0.2, 0.4});
    items[0].SetSValue(0.1); // a host's rows, not normalised
    grid.SetItems(items);
    ASSERT_TRUE(grid.InsertRows(2, 1));
    expectSpacings({0.1, 0.1, 0.2, 0.4, 0.4});
}

TEST_F(AreaScaleEditor, DeleteRemovesRangeRowsOneAtATimeButNeverTheTopOrZeroRow)
{
    grid.SetItems(scaleOf({0.1, 0.2, 0.3, 0.4}));
    grid.Redraw();
    grid.SetFocus();
    selectRows({2, 3});
    desktop().pressKey(VK_DELETE);
    expectSpacings({0.3, 0.3, 0.4, 0.4});
    EXPECT_EQ(host.take(), 1u);
    selectRows({2, 4}); // with the zero row selected too, it stays
    desktop().pressKey(VK_DELETE);
    expectSpacings({0.4, 0.4, 0.4});
    selectRows({2}); // three rows are the least: nothing more goes
    desktop().pressKey(VK_DELETE);
    EXPECT_EQ(grid.GetRowCount(), 3ul);

    // The top row, a range of rows at once: refused.
    grid.SetItems(scaleOf({0.1, 0.2, 0.3}));
    grid.Redraw();
    EXPECT_FALSE(grid.RemoveRows(1, 1) || grid.RemoveRows(2, 3) || grid.RemoveRows(5, 5));
    EXPECT_TRUE(grid.RemoveRows(3, 3));
    EXPECT_EQ(grid.GetItems().size(), 4u);
}

TEST_F(AreaScaleEditor, TheContextMenuChecksTheCurrentChoicesAndRunsItsCommands)
{
    grid.AutoScale(1, 0);
    // The menu's check marks: names, values, arithmetic, geometric; and whether it had items.
    std::vector<bool> marks;
    const auto read = [&](HWND window) {
        const HMENU menu = platform::MenuOfWindow(window);
        marks = {checked(menu, 39953), checked(menu, 39954), checked(menu, 39959), checked(menu, 39960),
                 GetMenuItemCount(menu) > 0};
    };
    user().chooseMenuCommand(39960, read); // geometric
    clickCell(2, 5, MouseButton::Right);
    EXPECT_EQ(marks, (std::vector<bool>{false, false, true, false, true})); // metric bars have no item of their own
    EXPECT_EQ(grid.GetScaleType(), CGridAreaScale::SCALE_GEOMETRIC);
    expectSpacings({0.18, 0.18, 0.54, 0.54});

    user().chooseMenuCommand(39954); // bars by value
    clickCell(2, 5, MouseButton::Right);
    EXPECT_EQ(grid.GetDimType(), CGridAreaScale::DIM_LIST_VALUE);
    user().chooseMenuCommand(39957, read); // the two-range scale
    clickCell(2, 5, MouseButton::Right);
    EXPECT_EQ(marks, (std::vector<bool>{false, true, false, true, true}));
    expectSpacings({0.01, 0.01, 0.15, 0.15});
    user().chooseMenuCommand(39956); // the automatic scale
    clickCell(2, 5, MouseButton::Right);
    expectSpacings({0.18, 0.18, 0.54, 0.54});
    selectRows({3}); // insert row works on the selected row
    user().chooseMenuCommand(39958);
    clickCell(3, 5, MouseButton::Right);
    EXPECT_EQ(grid.GetRowCount(), 5ul);
    EXPECT_EQ(host.take(), 5u);
    user().dismissMenu(); // dismissed, nothing happens
    clickCell(2, 5, MouseButton::Right);
    EXPECT_EQ(host.take(), 0u);
}

TEST_F(AreaScaleEditor, AMenuResourceWithoutItsSubMenuLeavesTheRightClickToTheGrid)
{
    static constexpr winres::MenuItemResource flat[] = {{0, 39956, L"Automatic scale", 0}};
    static constexpr winres::MenuResource menus[] = {{481, flat}};
    static constexpr winres::ResourceTable table{{}, menus, {}, {}};
    NVorel::freeLang();
    AfxSetResourceHandle(platform::RegisterApplicationModule(&table));
    grid.AutoScale(1, 0);
    const std::string before = describe(grid.GetItems());
    clickCell(3, 5, MouseButton::Right);
    ROWCOL r = 0, c = 0;
    EXPECT_TRUE(grid.GetCurrentCell(r, c)); // the grid's own right click
    EXPECT_EQ(r, 3ul);
    EXPECT_TRUE(user().prompts().empty());
    EXPECT_EQ(describe(grid.GetItems()), before);
    EXPECT_EQ(host.take(), 0u);
}

TEST_F(AreaScaleEditor, TheColourCellOpensTheColourDialogAndKeepsTheChoice)
{
    grid.AutoScale(1, 0);
    desktop().processMessages();
    const CPoint swatch = cellPoint(2, 1);
    EXPECT_EQ(screenPixel(swatch), RGB(0xDF, 0, 0));
    user().pickColour(RGB(0, 128, 0));
    clickCell(2, 1);
    ASSERT_EQ(user().prompts().size(), 1u);
    EXPECT_EQ(user().prompts()[0].kind, platform::PromptKind::Colour);
    EXPECT_EQ(user().prompts()[0].text, L"#DF0000"); // the cell's colour to start from
    EXPECT_EQ(grid.GetItems()[1].GetColor(), RGB(0, 128, 0));
    EXPECT_EQ(grid.GetItems()[1].GetAutoColor(), 0);
    EXPECT_EQ(host.take(), 1u);
    desktop().processMessages();
    // The whole cell, its edge included, in the chosen colour; the next row keeps its own.
    CRect cell = grid.CalcRectFromRowCol(2, 1, 2, 1);
    grid.ClientToScreen(&cell);
    for (CPoint p : {swatch, cell.TopLeft(), CPoint(cell.right - 2, cell.bottom - 2)})
        EXPECT_EQ(screenPixel(p), RGB(0, 128, 0)) << p.x << ", " << p.y;
    EXPECT_EQ(screenPixel(cellPoint(3, 1)), RGB(0xFF, 0x7F, 0x3F));

    user().cancel(); // cancelled: nothing changes and no one is told
    clickCell(2, 1);
    EXPECT_EQ(grid.GetItems()[1].GetColor(), RGB(0, 128, 0));
    EXPECT_EQ(host.take(), 0u);

    user().chooseMenuCommand(39961); // automatic colours from the menu bring the ramp back at once
    clickCell(2, 5, MouseButton::Right);
    EXPECT_EQ(host.take(), 1u);
    desktop().processMessages();
    EXPECT_EQ(screenPixel(swatch), RGB(0xDF, 0, 0));
}

TEST_F(AreaScaleEditor, TheVisibilityBoxTogglesByClickAndBySpace)
{
    grid.AutoScale(1, 0);
    clickCell(2, 7);
    EXPECT_EQ(grid.GetItems()[1].GetVisibility(), 0);
    grid.SetFocus();
    grid.SetCurrentCell(2, 7);
    desktop().pressKey(VK_SPACE);
    EXPECT_EQ(grid.GetItems()[1].GetVisibility(), 1);
    EXPECT_EQ(host.take(), 2u);
}

TEST_F(AreaScaleEditor, NotificationsGoToTheReceiverAndWithoutOneOrAParentNowhere)
{
    NotifiedHost receiver;
    ASSERT_TRUE(receiver.CreateEx(0, nullptr, L"", WS_POPUP, CRect(0, 0, 10, 10), nullptr, 0));
    grid.AutoScale(1, 0);
    grid.setReceiver(&receiver);
    typeInto(2, 4, L"12");
    EXPECT_EQ(receiver.m_received, std::vector<UINT>{0x8000});
    EXPECT_EQ(host.take(), 0u);

    CGridAreaScale alone;
    ASSERT_TRUE(alone.CreateEx(0, nullptr, L"", WS_POPUP | WS_VISIBLE, CRect(0, 500, 600, 700), nullptr, 0));
    alone.Initialize();
    ASSERT_EQ(alone.GetParent(), nullptr);
    alone.AutoScale(1, 0);
    alone.SetValueRange(CGXRange(2, 4), L"12");
    EXPECT_NEAR(alone.GetItems()[1].GetSValue(), 0.12, 1e-12);
    alone.DestroyWindow();
    receiver.DestroyWindow();
}
