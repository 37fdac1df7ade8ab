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

CGXStyle composed(CGXGridCore& grid, ROWCOL r, ROWCOL c)
{
    CGXStyle style;
    grid.ComposeStyleRowCol(r, c, &style);
    return style;
}

} // namespace

TEST(GXGridCore, OwnDataHoldsValuesWithinItsRowsAndColumns)
{
    CGXGridCore grid;
    EXPECT_EQ(grid.GetRowCount(), 0u);
    fillOwnGrid(grid, {{L"", L"A", L"B"}, {L"1", L"a1", L"b1"}, {L"2", L"a2", L"b2"}});
    EXPECT_TRUE(grid.IsModified());

    EXPECT_FALSE(grid.SetValueRange(CGXRange(3, 1), L"beyond"));
    EXPECT_TRUE(grid.SetValueRange(CGXRange(1, 1, 2, 1), (DWORD)7));
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

    const CGXStyle cell = composed(grid, 1, 1);
    EXPECT_EQ(cell.GetValue(), L"v");
    EXPECT_EQ(cell.GetHorizontalAlignment(), 2u);
    EXPECT_EQ(cell.GetFont(), CGXFont().SetFaceName(L"Arial").SetSize(10).SetBold(TRUE)); // the rest from the standard style
    EXPECT_EQ(cell.GetControl(), GX_IDS_CTRL_EDIT);
    EXPECT_EQ(composed(grid, 0, 1).GetControl(), GX_IDS_CTRL_HEADER);
    EXPECT_TRUE(composed(grid, 0, 1).GetReadOnly());

    // A header row below row 0 looks like row 0; its own attributes still win.
    grid.SetFrozenRows(1, 1);
    EXPECT_EQ(composed(grid, 1, 1).GetControl(), GX_IDS_CTRL_HEADER);
    EXPECT_EQ(composed(grid, 1, 1).GetHorizontalAlignment(), 2u);
    EXPECT_EQ(composed(grid, 2, 1).GetControl(), GX_IDS_CTRL_EDIT);

    // With a parameter object, the styles map of the grid counts; one the
    // host gave the grid is kept.
    grid.OnGridInitialUpdate();
    ASSERT_NE(grid.GetParam(), nullptr);
    grid.StandardStyle().SetFont(CGXFont().SetFaceName(L"Courier New"));
    EXPECT_EQ(composed(grid, 2, 1).GetFont().GetFaceName(), L"Courier New");
    auto* param = new CGXGridParam;
    auto* map = new CGXStylesMap;
    param->SetStylesMap(map, TRUE);
    grid.SetParam(param, TRUE);
    grid.OnGridInitialUpdate();
    EXPECT_EQ(grid.GetParam(), param);
    EXPECT_EQ(grid.GetParam()->GetStylesMap(), map);
}

TEST(GXGridCore, StoresReachTheDerivedGridAndChangeAndRedrawItOnlyWhenAcceptedAndNotLocked)
{
    HostGrid grid({L"A", L"B"}, {{L"a1", L"b1"}, {L"a2", L"b2"}});
    grid.m_bAccept = FALSE;
    EXPECT_FALSE(grid.SetValueRange(CGXRange(1, 1, 2, 1), L"x", gxOverride, 0, GX_SMART));
    EXPECT_EQ(grid.m_log, "store 1,1 x; store 2,1 x");
    EXPECT_FALSE(grid.IsModified());
    EXPECT_EQ(grid.m_nRedraws, 0);
    grid.m_bAccept = TRUE;
    EXPECT_TRUE(grid.SetValueRange(CGXRange(2, 2), L"y", gxOverride, 0, GX_SMART));
    EXPECT_TRUE(grid.IsModified());
    EXPECT_EQ(grid.m_nRedraws, 1);
    EXPECT_EQ(grid.GetValueRowCol(2, 2), L"y");
    EXPECT_FALSE(grid.SetValueRange(CGXRange(1, 2), L"z", gxRemove)); // the modify type reaches the host

    // LockUpdate holds back redraws and returns the state before.
    EXPECT_FALSE(grid.LockUpdate(TRUE));
    EXPECT_TRUE(grid.LockUpdate(TRUE));
    grid.SetValueRange(CGXRange(1, 1), L"x");
    grid.SetColWidth(1, 1, 50);
    EXPECT_EQ(grid.m_nRedraws, 1);
    EXPECT_TRUE(grid.LockUpdate(FALSE));
    EXPECT_FALSE(grid.IsLockUpdate());
    grid.SetValueRange(CGXRange(1, 1), L"y");
    EXPECT_EQ(grid.m_nRedraws, 2);
}

TEST(GXGridCore, CopyTextFollowsTheValueConventionsOfTheCellControls)
{
    CGXGridCore grid;
    grid.SetRowCount(1);
    grid.SetColCount(1);
    // A list's line by number from 1 or from 0 (none for a number off the
    // list), a free-text combo box's and a check box's value as it stands.
    const struct {
        WORD control;
        LPCTSTR value, text;
    } cases[] = {{GX_IDS_CTRL_ONEBASED, L"2", L"8"}, {GX_IDS_CTRL_ZEROBASED, L"2", L"10"},
                 {GX_IDS_CTRL_ONEBASED, L"0", L""},  {GX_IDS_CTRL_ZEROBASED, L"9", L""},
                 {GX_IDS_CTRL_COMBOBOX, L"12 typed", L"12 typed"}, {GX_IDS_CTRL_CHECKBOX, L"1", L"1"}};
    for (const auto& k : cases) {
        grid.StoreStyleRowCol(1, 1, &CGXStyle().SetControl(k.control).SetChoiceList(L"\n8\n10").SetValue(k.value),
                              gxOverride, 0);
        EXPECT_EQ(grid.GetCopyTextRowCol(1, 1), k.text) << k.control << " " << k.value;
        EXPECT_EQ(grid.GetValueRowCol(1, 1), k.value);
    }
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
