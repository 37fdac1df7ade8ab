// A grid over a host's own beam records, edited as a user would: a value
// typed into a cell, a check box clicked and a line chosen from a drop-down
// list, each arriving in the host's store.
#include "Pages.h"
#include "Screenshot.h"

#include "gridctl/GXComboBox.h"
#include "gridctl/GXGridWnd.h"
#include "win/Afx.h"

#include <array>
#include <vector>

namespace {

struct Beam {
    std::wstring name;
    std::wstring b;
    std::wstring h;
    int concrete; // line of the class list, from 1
    bool checked;
};

const wchar_t* const kConcrete = L"C20/25\nC25/30\nC30/37\nC35/45";

// Rows 0 and 1 are headers ("Section" over b and h); row r >= 2 shows
// beam r - 2. The store answers every edit from the host's records.
class BeamGrid : public CGXGridWnd {
public:
    std::vector<Beam> m_beams{{L"B1", L"300", L"600", 3, true},
                              {L"B2", L"250", L"500", 2, false},
                              {L"B3", L"300", L"750", 4, true},
                              {L"B4", L"200", L"400", 3, false}};
    std::vector<std::string> m_stores;

    ROWCOL GetRowCount() override { return (ROWCOL)m_beams.size() + 1; }
    ROWCOL GetColCount() override { return 4; }

    BOOL GetStyleRowCol(ROWCOL nRow, ROWCOL nCol, CGXStyle& style, GXModifyType mt, int nType) override
    {
        if (mt == gxRemove || nType != 0)
            return FALSE;
        if (nRow <= 1) {
            static const std::array<std::array<const wchar_t*, 5>, 2> titles{
                {{L"", L"Section", L"", L"Concrete", L"Checked"}, {L"", L"b [mm]", L"h [mm]", L"", L""}}};
            style.SetValue(titles[nRow][nCol]);
            return TRUE;
        }
        const Beam& beam = m_beams[nRow - 2];
        switch (nCol) {
        case 0: style.SetValue(beam.name.c_str()); break;
        case 1: style.SetValue(beam.b.c_str()).SetHorizontalAlignment(DT_RIGHT); break;
        case 2: style.SetValue(beam.h.c_str()).SetHorizontalAlignment(DT_RIGHT); break;
        case 3: style.SetControl(GX_IDS_CTRL_ONEBASED).SetChoiceList(kConcrete).SetValue((long)beam.concrete); break;
        default: style.SetControl(GX_IDS_CTRL_CHECKBOX).SetHorizontalAlignment(DT_CENTER).SetValue((short)beam.checked);
        }
        return TRUE;
    }

    BOOL StoreStyleRowCol(ROWCOL nRow, ROWCOL nCol, const CGXStyle* pStyle, GXModifyType mt, int nType) override
    {
        if (mt == gxRemove || nType != 0 || nRow < 2 || nCol == 0)
            return FALSE;
        Beam& beam = m_beams[nRow - 2];
        const CString& value = pStyle->GetValue();
        m_stores.push_back(toUtf8(beam.name) + ", column " + std::to_string(nCol) + ": \"" + toUtf8(value.str()) +
                           "\"");
        switch (nCol) {
        case 1: beam.b = value.GetString(); break;
        case 2: beam.h = value.GetString(); break;
        case 3: beam.concrete = (int)pStyle->GetLongValue(); break;
        default: beam.checked = pStyle->GetLongValue() != 0;
        }
        return TRUE;
    }
};

} // namespace

void gridEditPage(DemoContext& demo)
{
    Gallery& g = demo.gallery;
    platform::Desktop& desk = platform::desktop();
    g.beginPage("Grid editing",
                "A grid over the host's own beam records: a covered \"Section\" title over two columns, a frozen "
                "second header row, a drop-down list of concrete classes (the value is the line, counted from 1) "
                "and a check-box column. The user clicks a cell, types 320 and presses Enter, clicks a check box "
                "and chooses a class from the list; every change reaches the host's store.");
    desk.setScreenSize(420, 260);

    CWnd frame;
    createHostFrame(frame, L"Beams", CRect(10, 10, 410, 250));
    BeamGrid grid;
    grid.Create(WS_VISIBLE, CRect(8, 8, 388, 208), &frame, 1);
    grid.SetFrozenRows(1, 1);
    grid.SetCoveredCellsRowCol(0, 1, 0, 2);
    grid.SetCoveredCellsRowCol(0, 3, 1, 3);
    grid.SetCoveredCellsRowCol(0, 4, 1, 4);
    grid.SetCoveredCellsRowCol(0, 0, 1, 0);
    grid.SetCurrentCell(2, 1);
    desk.processMessages();
    screenshot(g, "grid-edit-1.png", "Before: the host's records, B1's width the current cell.", frame);

    auto screenOf = [&](ROWCOL r, ROWCOL c) {
        CRect cell = grid.CalcRectFromRowCol(r, c, r, c);
        grid.ClientToScreen(&cell);
        return cell;
    };
    desk.click(screenOf(3, 1).CenterPoint());
    desk.typeText(L"320");
    screenshot(g, "grid-edit-2.png", "Typing 320 into B2's width: the editor in the cell with its caret.", frame);
    desk.pressKey(VK_RETURN);
    desk.click(screenOf(3, 4).CenterPoint());
    desk.click(screenOf(4, 3).CenterPoint());
    screenshot(g, "grid-edit-3.png", "B2 checked; B3's concrete list dropped down below its cell.");
    auto* combo = static_cast<CGXComboBox*>(grid.GetRegisteredControl(GX_IDS_CTRL_ONEBASED));
    if (CListBox* list = combo->GetListBox()) {
        CRect line;
        list->GetItemRect(1, &line);
        list->ClientToScreen(&line);
        desk.click(line.CenterPoint());
    }
    desk.processMessages();
    screenshot(g, "grid-edit-4.png", "After: 320 stored for B2, B2 checked, B3 of C25/30.", frame);
    std::vector<std::vector<Gallery::Cell>> rows;
    for (const std::string& s : grid.m_stores)
        rows.push_back({s});
    g.table({"What reached the host's StoreStyleRowCol"}, rows);
}
