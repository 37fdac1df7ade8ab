// A beam table as a host builds it on CRGrid: the host keeps its beams in SI
// units and answers the grid's questions; the grid shows them in the user's
// units under two header rows, and a user edits, inserts, deletes, selects
// and exports them. A long table of computed load cases shows the scroll bars.
#include "BeamTable.h"
#include "Pages.h"
#include "RtfDocument.h"
#include "Screenshot.h"
#include "TextBeforeAfter.h"

#include "frame/Lang.h"
#include "grid/Grid2Rtf.h"
#include "grid/RGrid.h"
#include "units/Qemet.h"
#include "win/Afx.h"

#include <cmath>
#include <fstream>
#include <iterator>
#include <limits>
#include <memory>

namespace {

using namespace beams;

// Ten million load cases, each computed when the grid asks for it.
class LoadCaseTable : public CRGrid {
public:
    void describe()
    {
        GetCols() = {{0, -1, false}, {1, -1, false}, {2, -1, false}};
        ApplyCol2Var();
    }

protected:
    int _GetRowCount() override { return 10000000; }
    int _GetStyleRowCol(int nRec, int nField, CGXStyle& style) override
    {
        if (nField == 0)
            style.SetValue(std::to_wstring(nRec + 1).c_str());
        else if (nField == 1)
            style.SetValue((L"LC " + std::to_wstring(nRec % 97 + 1)).c_str());
        else
            style.SetValue(Qemet().CnvUnitSIToText(qemet::QT_NUMBER, 120.0 * std::sin(nRec * 0.001), 1, 0))
                .SetHorizontalAlignment(DT_RIGHT);
        return 1;
    }
    int _GetStyleHeader(int, int nId, bool, CGXStyle& style) override
    {
        static const wchar_t* const titles[] = {L"#", L"Load case", L"M [kNm]"};
        style.SetValue(titles[nId]);
        return 1;
    }
    int _GetColWidth(int nField, bool) override { return nField == 0 ? 80 : 90; }
};

// The host's frame: it counts the grid's change notifications.
class BeamFrame : public CWnd {
public:
    int m_nChanges = 0;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message == WM_BEAMS_CHANGED)
            ++m_nChanges;
        return CWnd::WindowProc(message, wParam, lParam);
    }
};

std::string fileText(const std::filesystem::path& file)
{
    std::ifstream in(file, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

} // namespace

void recordGridPage(DemoContext& demo)
{
    Gallery& g = demo.gallery;
    platform::Desktop& desk = platform::desktop();
    g.beginPage("Record grid",
                "A beam table of a host on CRGrid. The host keeps its beams in metres and answers the grid's "
                "questions (_GetRowCount, _GetStyleRowCol, _GetStyleHeader, _StoreStyleRowCol, _StoreInsertRows, "
                "_StoreRemoveRows); the grid shows them in the user's units (millimetres for the section, metres "
                "for the span) under two header rows: \"Section\" over b and h, whose titles come from "
                "makeColName with the unit on a second line. The user types a value, inserts and deletes rows, "
                "selects all and exports the table from the context menu, and the host exports it as RTF.");
    desk.setScreenSize(520, 330);
    BeamPageSetting setting(demo.languageFolder);

    BeamFrame frame;
    frame.CreateEx(0, AfxRegisterWndClass(0, nullptr, (HBRUSH)(COLOR_3DFACE + 1)), L"Beams",
                   WS_POPUP | WS_CAPTION | WS_VISIBLE, CRect(10, 10, 510, 250), nullptr, 0);
    BeamTable grid;
    grid.Create(WS_VISIBLE, CRect(8, 8, 488, 208), &frame, 1);
    grid.describe();
    desk.processMessages();
    screenshot(g, "records-1.png", "The host's four beams: \"Section\" over b and h, the unit under each title.",
               frame);
    textBeforeAfter(g, grid);

    auto cellPoint = [&](ROWCOL r, ROWCOL c) {
        CRect cell = grid.CalcRectFromRowCol(r, c, r, c);
        grid.ClientToScreen(&cell);
        return cell.CenterPoint();
    };
    desk.click(cellPoint(3, 2));
    desk.typeText(L"550");
    desk.pressKey(VK_RETURN);
    screenshot(g, "records-2.png", "B2's h typed as 550: the host stores 0.55 m and shows it back in millimetres.",
               frame);

    desk.click(cellPoint(4, 0)); // B3's row header selects the row
    desk.pressKey(VK_INSERT);
    screenshot(g, "records-3.png", "Insert: a new, empty record before the selected B3.", frame);

    desk.advanceClock(1000);
    desk.click(cellPoint(6, 0));
    desk.pressKey(VK_DELETE);
    screenshot(g, "records-4.png", "Delete: the selected B4 removed.", frame);

    desk.keyDown(VK_CONTROL);
    desk.pressKey('A');
    desk.keyUp(VK_CONTROL);
    screenshot(g, "records-5.png", "Ctrl+A: the whole table selected.", frame);

    const std::filesystem::path csv = g.file("beams.csv");
    platform::user().chooseMenuCommand(39950, [&](HWND) {
        screenshot(g, "records-6.png", "A right click: the context menu (menu 480 of the language module) at the "
                                       "click, \"Export as CSV...\" about to be chosen.");
    });
    platform::user().saveFileAs(CString((g.folder() / "beams").wstring().c_str()));
    desk.click(cellPoint(3, 3), platform::MouseButton::Right);
    screenshot(g, "records-7.png", "After the export: the table as it was.", frame);
    g.link("beams.csv", "beams.csv: the table as the export wrote it (UTF-8 with a byte-order mark, \";\" between "
                        "cells, CRLF line ends, the two-line titles quoted).");
    std::string written = fileText(csv);
    if (written.rfind("\xEF\xBB\xBF", 0) == 0)
        written.erase(0, 3);
    std::vector<std::pair<std::string, unsigned>> lines;
    for (size_t at = 0, end; (end = written.find("\r\n", at)) != std::string::npos; at = end + 2)
        lines.emplace_back(written.substr(at, end - at), 0u);
    g.paragraph("Its lines (a quoted title keeps its own line break):");
    g.coloredLines(lines);

    // The same table for a report: the host hands its range to Grid2Rtf.
    g.paragraph("Export as RTF: the host passes the whole table to Grid2Rtf for a report 17 cm wide. The two "
                "header rows are bold, \"Section\" stays merged over b and h and the tall titles over both "
                "header rows; each cell keeps a leading space, and a text too wide for its column would be cut.");
    CGXRangeList table;
    table.AddTail(CGXRange().SetTable());
    showRtfDocument(g, "beams.rtf", NVorel::Grid2Rtf(grid, table, 17.0),
                    "beams.rtf: the beam table as an RTF table.");

    // A folder that does not exist: the user is told, the table stays.
    platform::user().saveFileAs(CString((g.folder() / "no-such-folder" / "beams.csv").wstring().c_str()));
    platform::user().answerMessage(IDOK, [&](HWND box) {
        screenshot(g, "records-8.png", "Exporting into a folder that does not exist: the user is told which "
                                       "file could not be made; nothing is written and the grid goes on.", box);
    });
    grid.SendMessage(WM_COMMAND, 39950);

    std::vector<std::vector<Gallery::Cell>> calls;
    for (const std::string& c : grid.m_calls)
        calls.push_back({c});
    g.table({"What reached the host"}, calls);
    g.paragraph("The grid notified the host's frame " + std::to_string(frame.m_nChanges) +
                " times (notify, after every stored change).");
    frame.DestroyWindow();

    // Ten million records the host computes on request; nothing is kept per record.
    g.paragraph("A table of ten million load cases, each computed when the grid paints it. The scroll bar's "
                "thumb is dragged to the middle, then Ctrl+End goes to the last record.");
    CWnd longFrame;
    createHostFrame(longFrame, L"Load cases", CRect(10, 10, 510, 250));
    LoadCaseTable cases;
    cases.Create(WS_VISIBLE, CRect(8, 8, 488, 208), &longFrame, 2);
    cases.describe();
    desk.processMessages();
    CRect client;
    cases.GetClientRect(&client);
    CPoint thumb(client.right - 8, 20), middle(client.right - 8, client.Height() / 2);
    cases.ClientToScreen(&thumb);
    cases.ClientToScreen(&middle);
    desk.moveMouse(thumb);
    desk.pressButton();
    desk.moveMouse(middle);
    desk.releaseButton();
    screenshot(g, "records-9.png", "The thumb dragged half way: record " + std::to_string(cases.GetTopRow()) +
                                       " at the top.", longFrame);
    cases.SetFocus();
    desk.keyDown(VK_CONTROL);
    desk.pressKey(VK_END);
    desk.keyUp(VK_CONTROL);
    screenshot(g, "records-10.png", "Ctrl+End: the last of the ten million records.", longFrame);
    longFrame.DestroyWindow();
}
