#include "GridDump.h"
#include "TestGrids.h"

#include <gtest/gtest.h>

namespace {

// Counts its instances, so that tests see the grid delete it.
class CountedControl : public CGXControl {
public:
    explicit CountedControl(CGXGridCore* pGrid) : CGXControl(pGrid) { ++s_nAlive; }
    ~CountedControl() override { --s_nAlive; }
    BOOL GetControlText(CString& s, ROWCOL, ROWCOL, LPCTSTR pszRawValue, const CGXStyle&) override
    {
        s = CString(L"<") + pszRawValue + L">";
        return TRUE;
    }
    static int s_nAlive;
};
int CountedControl::s_nAlive = 0;

} // namespace

TEST(GXGridCore, OwnDataHoldsValuesWithinItsRowsAndColumns)
{
    CGXGridCore grid;
    EXPECT_EQ(grid.GetRowCount(), 0u);
    fillOwnGrid(grid, {{L"", L"A", L"B"}, {L"1", L"a1", L"b1"}, {L"2", L"a2", L"b2"}});
    EXPECT_EQ(GridDump(grid), "0 |   | A  | B  |\n"
                              "1 | 1 | a1 | b1 |\n"
                              "2 | 2 | a2 | b2 |\n");
    EXPECT_TRUE(grid.IsModified());

    EXPECT_FALSE(grid.SetValueRange(CGXRange(3, 1), L"beyond"));
    EXPECT_TRUE(grid.SetValueRange(CGXRange(1, 1, 2, 1), (DWORD)7));
    EXPECT_EQ(grid.GetValueRowCol(2, 1), L"7");
    // A range partly outside the grid is cut to it.
    EXPECT_TRUE(grid.SetValueRange(CGXRange().SetRows(2), L"x"));
    EXPECT_EQ(GridDump(grid), "0 |   | A | B  |\n"
                              "1 | 1 | 7 | b1 |\n"
                              "2 | x | x | x  |\n");

    // Removing the stored style empties the cell; a smaller count drops cells.
    EXPECT_TRUE(grid.StoreStyleRowCol(1, 2, nullptr, gxRemove, 0));
    EXPECT_EQ(grid.GetValueRowCol(1, 2), L"");
    grid.SetColCount(1);
    grid.SetColCount(2);
    EXPECT_EQ(grid.GetValueRowCol(0, 2), L"");
}

TEST(GXGridCore, CellsAreComposedFromTheirOwnAttributesHeadersAndTheStandardStyle)
{
    CGXGridCore grid;
    fillOwnGrid(grid, {{L"", L"T"}, {L"", L"v"}, {L"", L"w"}});
    grid.StoreStyleRowCol(1, 1, &CGXStyle().SetFont(CGXFont().SetBold(TRUE)).SetHorizontalAlignment(2), gxOverride, 0);

    CGXStyle cell;
    grid.ComposeStyleRowCol(1, 1, &cell);
    EXPECT_EQ(cell.GetValue(), L"v");
    EXPECT_EQ(cell.GetHorizontalAlignment(), 2u);
    EXPECT_EQ(cell.GetFont().GetFaceName(), L"Arial"); // from the standard style
    EXPECT_TRUE(cell.GetFont().GetBold());
    EXPECT_EQ(cell.GetControl(), GX_IDS_CTRL_EDIT);

    CGXStyle title;
    grid.ComposeStyleRowCol(0, 1, &title);
    EXPECT_EQ(title.GetControl(), GX_IDS_CTRL_HEADER);
    EXPECT_TRUE(title.GetReadOnly());

    // A header row below row 0 looks like row 0.
    CGXStyle second;
    grid.ComposeStyleRowCol(1, 1, &second);
    EXPECT_EQ(second.GetControl(), GX_IDS_CTRL_EDIT);
    grid.SetFrozenRows(1, 1);
    grid.ComposeStyleRowCol(1, 1, &second);
    EXPECT_EQ(second.GetControl(), GX_IDS_CTRL_HEADER);
    EXPECT_EQ(second.GetHorizontalAlignment(), 2u); // its own attributes still win

    // With a parameter object, the styles map of the grid counts.
    grid.OnGridInitialUpdate();
    ASSERT_NE(grid.GetParam(), nullptr);
    grid.StandardStyle().SetFont(CGXFont().SetFaceName(L"Courier New"));
    CGXStyle other;
    grid.ComposeStyleRowCol(2, 1, &other);
    EXPECT_EQ(other.GetFont().GetFaceName(), L"Courier New");
}

TEST(GXGridCore, AGridWithAParameterObjectKeepsItsOwnStylesAtInitialUpdate)
{
    CGXGridCore grid;
    auto* param = new CGXGridParam;
    auto* map = new CGXStylesMap;
    map->CreateStandardStyles();
    param->SetStylesMap(map, TRUE);
    grid.SetParam(param, TRUE);
    grid.OnGridInitialUpdate();
    EXPECT_EQ(grid.GetParam(), param);
    EXPECT_EQ(grid.GetParam()->GetStylesMap(), map);
}

TEST(GXGridCore, StoresReachTheDerivedGridAndChangeItOnlyWhenAccepted)
{
    HostGrid grid({L"A", L"B"}, {{L"a1", L"b1"}, {L"a2", L"b2"}});
    grid.m_bAccept = FALSE;
    EXPECT_FALSE(grid.SetValueRange(CGXRange(1, 1, 2, 1), L"x", gxOverride, 0, GX_SMART));
    EXPECT_EQ(grid.m_log, "store 1,1 x; store 2,1 x");
    EXPECT_FALSE(grid.IsModified());
    EXPECT_EQ(grid.m_nRedraws, 0);

    grid.m_bAccept = TRUE;
    grid.m_log.clear();
    EXPECT_TRUE(grid.SetValueRange(CGXRange(2, 2), (DWORD)RGB(255, 0, 0), gxOverride, 0, GX_SMART));
    EXPECT_EQ(grid.m_log, "store 2,2 255");
    EXPECT_TRUE(grid.IsModified());
    EXPECT_EQ(grid.m_nRedraws, 1);
    EXPECT_EQ(grid.GetValueRowCol(2, 2), L"255");

    // The host refuses row 0 and the modify type 4.
    EXPECT_FALSE(grid.SetValueRange(CGXRange(0, 1), L"title"));
    EXPECT_FALSE(grid.SetValueRange(CGXRange(1, 1), L"y", gxRemove));
    EXPECT_EQ(grid.GetValueRowCol(1, 1), L"a1");
}

TEST(GXGridCore, LockUpdateReturnsThePreviousStateAndHoldsBackRedraws)
{
    HostGrid grid({L"A"}, {{L"a1"}});
    EXPECT_FALSE(grid.LockUpdate(TRUE));
    EXPECT_TRUE(grid.LockUpdate(TRUE));
    grid.SetValueRange(CGXRange(1, 1), L"x");
    grid.SetColWidth(1, 1, 50);
    EXPECT_EQ(grid.m_nRedraws, 0);
    EXPECT_TRUE(grid.LockUpdate(FALSE));
    EXPECT_FALSE(grid.IsLockUpdate());
    grid.SetValueRange(CGXRange(1, 1), L"y");
    EXPECT_EQ(grid.m_nRedraws, 1);
}

TEST(GXGridCore, CopyTextFollowsTheValueConventionsOfTheCellControls)
{
    CGXGridCore grid;
    grid.SetRowCount(6);
    grid.SetColCount(1);
    const auto cell = [&](ROWCOL r, WORD control, LPCTSTR value) {
        grid.StoreStyleRowCol(r, 1, &CGXStyle().SetControl(control).SetChoiceList(L"\n8\n10").SetValue(value),
                              gxOverride, 0);
    };
    cell(1, GX_IDS_CTRL_ONEBASED, L"2");   // line 2 counted from 1
    cell(2, GX_IDS_CTRL_ZEROBASED, L"2");  // line 2 counted from 0
    cell(3, GX_IDS_CTRL_ONEBASED, L"0");   // no such line
    cell(4, GX_IDS_CTRL_ZEROBASED, L"9");
    cell(5, GX_IDS_CTRL_COMBOBOX, L"12 typed");
    cell(6, GX_IDS_CTRL_CHECKBOX, L"1");
    EXPECT_EQ(grid.GetCopyTextRowCol(1, 1), L"8");
    EXPECT_EQ(grid.GetCopyTextRowCol(2, 1), L"10");
    EXPECT_EQ(grid.GetCopyTextRowCol(3, 1), L"");
    EXPECT_EQ(grid.GetCopyTextRowCol(4, 1), L"");
    EXPECT_EQ(grid.GetCopyTextRowCol(5, 1), L"12 typed");
    EXPECT_EQ(grid.GetCopyTextRowCol(6, 1), L"1");
    EXPECT_EQ(grid.GetValueRowCol(1, 1), L"2");
}

TEST(GXGridCore, RegisteredControlsBelongToTheGrid)
{
    {
        CGXGridCore grid;
        grid.SetRowCount(1);
        grid.SetColCount(1);
        grid.SetValueRange(CGXRange(1, 1), L"v");
        auto* first = new CountedControl(&grid);
        grid.RegisterControl(GX_IDS_CTRL_EDIT, first, FALSE, TRUE);
        EXPECT_EQ(grid.GetControl(1, 1), first);
        EXPECT_EQ(grid.GetCopyTextRowCol(1, 1), L"<v>");
        grid.RegisterControl(GX_IDS_CTRL_EDIT, first); // the same object stays
        EXPECT_EQ(CountedControl::s_nAlive, 1);

        auto* second = new CountedControl(&grid);
        grid.RegisterControl(GX_IDS_CTRL_EDIT, second);
        EXPECT_EQ(CountedControl::s_nAlive, 1); // the first one was deleted
        EXPECT_EQ(grid.GetRegisteredControl(GX_IDS_CTRL_EDIT), second);
        EXPECT_EQ(grid.GetRegisteredControl(101), nullptr);

        // The default control serves cells whose control id has none.
        grid.StoreStyleRowCol(1, 1, &CGXStyle().SetControl(101), gxOverride, 0);
        EXPECT_EQ(grid.GetControl(1, 1), nullptr);
        auto* fallback = new CountedControl(&grid);
        grid.RegisterControl(52520, fallback, TRUE);
        EXPECT_EQ(grid.GetControl(1, 1), fallback);
        EXPECT_EQ(CountedControl::s_nAlive, 2);
    }
    EXPECT_EQ(CountedControl::s_nAlive, 0);
}
