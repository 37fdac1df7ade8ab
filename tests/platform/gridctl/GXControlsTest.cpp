#include "InputGrid.h"

#include "gridctl/GXCheckBox.h"
#include "gridctl/GXComboBox.h"

using platform::desktop;

namespace {

// Stretches the list to twice the base height, as a host's combo box does.
class TallCombo : public CGXComboBox {
public:
    using CGXComboBox::CGXComboBox;
    CRect OnGetListboxRect(const CRect& rcCellRect) override
    {
        CRect r = CGXComboBox::OnGetListboxRect(rcCellRect);
        r.bottom = r.top + 2 * r.Height();
        return r;
    }
};

} // namespace

TEST_F(GridInput, ACheckBoxTogglesBetweenZeroAndOneByAClickOrSpace)
{
    grid.m_styles[{2, 2}].SetControl(GX_IDS_CTRL_CHECKBOX).SetValue(L"0");
    clickCell(2, 2);
    EXPECT_EQ(takeLog(), "start 2,2; store 2,2 1");
    EXPECT_EQ(grid.GetValueRowCol(2, 2), L"1");
    // The box stands left-aligned at client x 140 + 2, centred in the row;
    // checked, it shows the tick's ink inside.
    desktop().processMessages();
    const int boxLeft = 140 + CGXControl::GX_TEXT_MARGIN_X, boxTop = 40 + (19 - 13) / 2;
    EXPECT_EQ(pixel(boxLeft, boxTop + 6), GetSysColor(COLOR_BTNSHADOW));
    EXPECT_GT(Ink(CRect(boxLeft + 2, boxTop + 2, boxLeft + 11, boxTop + 11), GetSysColor(COLOR_WINDOWTEXT), true), 0);
    clickCell(2, 2); // at once: the second press of a double click
    desktop().pressKey(VK_SPACE);
    desktop().pressKey(VK_SPACE);
    // The space typed nothing.
    EXPECT_EQ(takeLog(), "start 2,2; store 2,2 0; start 2,2; store 2,2 1; start 2,2; store 2,2 0");
    // A refused start, or a read-only box, changes nothing.
    grid.m_bAllowEditing = FALSE;
    clickCell(2, 2);
    grid.m_bAllowEditing = TRUE;
    grid.m_styles[{2, 2}].SetReadOnly(TRUE);
    clickCell(2, 2);
    desktop().pressKey(VK_SPACE);
    EXPECT_EQ(takeLog(), "start 2,2");
    EXPECT_EQ(grid.GetValueRowCol(2, 2), L"0");
    // In a text cell Space is typed as before.
    grid.SetCurrentCell(3, 2);
    desktop().pressKey(VK_SPACE);
    EXPECT_EQ(takeLog(), "start 3,2 (editing)");
}

TEST_F(GridInput, APushButtonClickReachesOnClickedButtonRowCol)
{
    grid.m_styles[{3, 1}].SetControl(GX_IDS_CTRL_PUSHBTN).SetChoiceList(L"Go");
    clickCell(3, 1);
    EXPECT_EQ(takeLog(), "button 3,1");
    // Pressed on the button but released elsewhere is no click, nor the
    // other way round; nor is a click on a disabled one.
    testsupport::drag(cellPoint(3, 1), cellPoint(3, 2));
    testsupport::drag(cellPoint(3, 2), cellPoint(3, 1));
    grid.m_styles[{3, 1}].SetEnabled(FALSE);
    clickCell(3, 1);
    EXPECT_EQ(takeLog(), "");
}

TEST_F(GridInput, ADropDownListStoresTheChosenLineByItsControlsConvention)
{
    // A control id and the value its list stores for the second line, "beta".
    const std::pair<WORD, std::string> cases[] = {
        {GX_IDS_CTRL_COMBOBOX, "beta"}, {GX_IDS_CTRL_ONEBASED, "2"}, {GX_IDS_CTRL_ZEROBASED, "1"}};
    for (const auto& [id, stored] : cases) {
        SCOPED_TRACE(id);
        grid.m_styles[{1, 1}] = CGXStyle().SetControl(id).SetChoiceList(L"alpha\nbeta\ngamma");
        auto* combo = static_cast<CGXComboBox*>(grid.GetRegisteredControl(id));
        ASSERT_NE(combo, nullptr);
        // The button is the cell's right end (client x 70..138).
        desktop().click(at(132, 30));
        ASSERT_TRUE(combo->IsDroppedDown());
        CListBox* list = combo->GetListBox();
        EXPECT_EQ(list->GetCount(), 3);
        // Right below the cell, over its grid line.
        CRect r;
        list->GetWindowRect(&r);
        EXPECT_EQ(r, CRect(at(70, 39), CSize(r.Width(), 3 * list->GetItemHeight(0) + 2)));
        CRect line;
        list->GetItemRect(1, &line);
        list->ClientToScreen(&line);
        desktop().click(line.CenterPoint());
        EXPECT_FALSE(combo->IsDroppedDown());
        EXPECT_EQ(takeLog(), "start 1,1; store 1,1 " + stored);
        EXPECT_EQ(grid.GetValueRowCol(1, 1), CString(fromUtf8(stored).c_str()));
    }
}

TEST_F(GridInput, DropDownListsTakeKeysAndTheirPlaceFromOnGetListboxRectAndOnlyAFreeTextComboTakesTyping)
{
    grid.RegisterControl(300, new TallCombo(&grid, 0, 300, GXCOMBO_ONEBASED));
    grid.m_styles[{2, 2}] = CGXStyle().SetControl(300).SetChoiceList(L"one\ntwo\nthree\nfour").SetValue(L"2");
    auto* combo = static_cast<CGXComboBox*>(grid.GetRegisteredControl(300));
    clickCell(2, 2); // a positional list opens from anywhere on the cell
    ASSERT_TRUE(combo->IsDroppedDown());
    CListBox* list = combo->GetListBox();
    CRect r;
    list->GetWindowRect(&r);
    EXPECT_EQ(r.Height(), 2 * (4 * list->GetItemHeight(0) + 2));
    EXPECT_EQ(list->GetCurSel(), 1); // the cell's line
    desktop().pressKey(VK_DOWN);
    desktop().pressKey(VK_RETURN);
    EXPECT_EQ(takeLog(), "start 2,2; store 2,2 3");
    // Esc closes without a change; the grid has the keys again.
    clickCell(2, 2);
    desktop().pressKey(VK_UP);
    desktop().pressKey(VK_ESCAPE);
    EXPECT_FALSE(combo->IsDroppedDown());
    EXPECT_EQ(takeLog(), "start 2,2");
    desktop().pressKey(VK_UP);
    EXPECT_EQ(CurrentCell(grid), "1,2");

    // A free-text combo box edits by typing and opens only from its button;
    // positional lists take no typing.
    grid.m_styles[{1, 2}] = CGXStyle().SetControl(GX_IDS_CTRL_COMBOBOX).SetChoiceList(L"x\ny").SetValue(L"x");
    combo = static_cast<CGXComboBox*>(grid.GetRegisteredControl(GX_IDS_CTRL_COMBOBOX));
    clickCell(1, 2);
    EXPECT_FALSE(combo->IsDroppedDown());
    desktop().typeText(L"free\n");
    EXPECT_EQ(takeLog(), "start 1,2; store 1,2 free");
    grid.m_styles[{1, 3}] = CGXStyle().SetControl(GX_IDS_CTRL_ONEBASED).SetChoiceList(L"x\ny").SetValue(L"1");
    grid.SetCurrentCell(1, 3);
    desktop().typeText(L"2");
    EXPECT_EQ(takeLog(), "");
}

TEST_F(GridInput, AHeaderCellLooksLikeAHeaderWhateverItsStyleSays)
{
    grid.m_styles[{2, 1}].SetControl(GX_IDS_CTRL_HEADER).SetInterior(red).SetDraw3dFrame(gxFrameInset);
    grid.m_styles[{2, 2}].SetInterior(red); // a sentinel: plain cells keep their interior
    paint();
    // Cell (2, 1) covers client x 70..138 and y 40..58 inside its grid lines:
    // raised (white and shadow corners) on the button face; the cell beside it
    // red (right of its text).
    EXPECT_EQ(Colours({{70, 40}, {138, 58}, {74, 43}, {135, 55}, {204, 43}}), "wsffr");
}
