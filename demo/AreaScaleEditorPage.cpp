// The area-scale editor as a host dialog shows it: the editing grid with a
// display-only legend beside it that the host refreshes on every change
// notification, and a short session of a user editing the scale.
#include "Pages.h"
#include "Screenshot.h"

#include "areascale/GridAreaScale.h"
#include "frame/Lang.h"
#include "gridctl/GXComboBox.h"
#include "win/Afx.h"
#include "win/desktop/Desktop.h"
#include "win/desktop/ScriptedUser.h"

#include <string>
#include <vector>

namespace {

using platform::desktop;
using platform::user;

// The host dialog: it keeps the legend in step with the editor and notes
// every notification it receives.
class ScaleDialog : public CWnd {
public:
    CGridAreaScale m_editor;
    CGridAreaScale m_legend;
    std::string m_step;
    std::vector<std::vector<Gallery::Cell>> m_log;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message == WM_APP) {
            m_legend.SetItems(m_editor.GetItems());
            m_legend.Redraw();
            m_log.push_back({"0x8000", m_step, std::to_string(m_editor.GetItems().size()) + " rows"});
        }
        return CWnd::WindowProc(message, wParam, lParam);
    }
};

CPoint cellPoint(CGridAreaScale& grid, ROWCOL r, ROWCOL c)
{
    CPoint p = grid.CalcRectFromRowCol(r, c, r, c).CenterPoint();
    grid.ClientToScreen(&p);
    return p;
}

void selectRow(CGridAreaScale& grid, ROWCOL r)
{
    grid.SelectRange(CGXRange().SetTable(), FALSE);
    grid.SelectRange(CGXRange().SetRows(r));
}

} // namespace

void areaScaleEditorPage(DemoContext& demo)
{
    Gallery& g = demo.gallery;
    g.beginPage("The area-scale editor",
                "A host dialog with the editing grid (CGridAreaScale) and, beside it, a display-only grid of "
                "the same rows as a legend. Each change by the user ends in the message 0x8000 to the dialog, "
                "which copies the rows into the legend.");
    NVorel::setLangWork(48, demo.languageFolder.c_str());
    desktop().processMessages();

    ScaleDialog dialog;
    if (!createHostFrame(dialog, L"Reinforcement legend", CRect(20, 20, 900, 340))) {
        g.paragraph("The host dialog could not be created.");
        return;
    }
    dialog.m_editor.Create(WS_CHILD | WS_VISIBLE, CRect(8, 8, 598, 280), &dialog, 1);
    dialog.m_legend.Create(WS_CHILD | WS_VISIBLE, CRect(606, 8, 866, 280), &dialog, 2);
    dialog.m_legend.SetGridType(CGridAreaScale::GRID_DISPLAY);
    dialog.m_legend.OnGridUpdate(nullptr, 0, nullptr);
    dialog.m_editor.OnGridUpdate(nullptr, 0, nullptr); // the first redraw: the default two-range scale
    dialog.m_legend.SetItems(dialog.m_editor.GetItems());
    dialog.m_legend.Redraw();
    desktop().processMessages();
    screenshot(g, "areascale-editor-default.png", "The default scale of a new editor: the two-range scale.",
               dialog.GetSafeHwnd());

    CGridAreaScale& editor = dialog.m_editor;
    dialog.m_step = "automatic scale, 3 sections";
    editor.SetSectionCount(3);
    dialog.m_log.push_back({"-", "SetSectionCount(3) by the host: no notification", "5 rows"});

    dialog.m_step = "spacing 25 typed in row 3";
    desktop().click(cellPoint(editor, 3, 4));
    desktop().typeText(L"25");
    desktop().pressKey(VK_RETURN);
    desktop().processMessages();
    screenshot(g, "areascale-editor-spacing.png",
               "A spacing of 25 cm typed in row 3: its area is recomputed, the rows below follow.",
               dialog.GetSafeHwnd());

    dialog.m_step = "16 mm chosen in row 2";
    auto* combo = static_cast<CGXComboBox*>(editor.GetRegisteredControl(GX_IDS_CTRL_COMBOBOX));
    CRect cell = editor.CalcRectFromRowCol(2, 2, 2, 2);
    cell.DeflateRect(0, 0, 1, 1);
    if (combo && combo->DropDown(2, 2, cell)) {
        desktop().processMessages();
        screenshot(g, "areascale-editor-diameters.png", "The metric bar list of row 2, open.");
        combo->ChooseLine(6); // 16 mm
        desktop().processMessages();
    }

    dialog.m_step = "row inserted at row 3";
    editor.SetFocus();
    selectRow(editor, 3);
    desktop().pressKey(VK_INSERT);
    dialog.m_step = "row 4 deleted";
    selectRow(editor, 4);
    desktop().pressKey(VK_DELETE);
    desktop().processMessages();
    screenshot(g, "areascale-editor-rows.png", "A row inserted at row 3 (the mean spacing of its neighbours), "
               "then row 4 deleted.", dialog.GetSafeHwnd());

    dialog.m_step = "colour chosen for row 2";
    user().pickColour(RGB(0, 160, 80));
    desktop().click(cellPoint(editor, 2, 1));
    desktop().processMessages();
    screenshot(g, "areascale-editor-colour.png",
               "Row 2 in the colour picked in the colour dialog; the legend follows.", dialog.GetSafeHwnd());

    dialog.m_step = "geometric scale from the context menu";
    user().chooseMenuCommand(39960, [&](HWND) {
        desktop().processMessages();
        screenshot(g, "areascale-editor-menu.png",
                   "The context menu (menu 481): the current bar source and scale type carry check marks.");
    });
    desktop().click(cellPoint(editor, 3, 5), platform::MouseButton::Right);
    desktop().processMessages();
    screenshot(g, "areascale-editor-geometric.png", "The geometric scale chosen from the menu.",
               dialog.GetSafeHwnd());

    g.paragraph("The notifications the host dialog received:");
    g.table({"message", "after", "rows"}, dialog.m_log);
    dialog.DestroyWindow();
    desktop().processMessages();
}
