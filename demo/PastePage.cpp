// A host that lets its users paste a spreadsheet's rows into its beam table:
// one setPaste(true), and every pasted cell reaches the host's store as a
// typed value would, so the host's own validation refuses what is no length.
#include "BeamTable.h"
#include "Pages.h"
#include "Screenshot.h"

#include "frame/Lang.h"
#include "win/Afx.h"

#include <memory>

using namespace beams;

void pastePage(DemoContext& demo)
{
    Gallery& g = demo.gallery;
    platform::Desktop& desk = platform::desktop();
    g.beginPage("Paste from a spreadsheet",
                "The beam table of the record grid page, with paste turned on (setPaste(true)). The user copies "
                "four rows of b, h, span and concrete class in a spreadsheet, makes B2's b the current cell and "
                "presses Ctrl+V. The cells go to the right and down from there, each through the host's "
                "_StoreStyleRowCol as if typed; the host refuses \"abc\" as a height, so that cell keeps its "
                "value; the fourth row is past the last beam, so the grid asks the host for one more record, as "
                "its spare last row does; a fifth cell in a row has no column. The user is told that 2 cells "
                "were not pasted, and the pasted range is selected.");
    desk.setScreenSize(520, 330);
    BeamPageSetting setting(demo.languageFolder);

    CWnd frame;
    createHostFrame(frame, L"Beams", CRect(10, 10, 510, 250));
    BeamTable grid;
    grid.Create(WS_VISIBLE, CRect(8, 8, 488, 208), &frame, 1);
    grid.describe();
    grid.setPaste(true);
    grid.SetCurrentCell(3, 1);
    grid.SetFocus();
    desk.processMessages();
    screenshot(g, "paste-1.png", "Before: B2's b is the current cell.", frame);

    const std::wstring rows = L"260\t520\t4.50\tC25/30\r\n"
                              L"320\tabc\t8.20\tC35/45\r\n"
                              L"200\t450\t3.60\tC30/37\tspare\r\n"
                              L"250\t500\t5.00\tC30/37\r\n";
    g.table({"b", "h", "Span", "Concrete", ""}, {{"260", "520", "4.50", "C25/30", ""},
                                                {"320", "abc", "8.20", "C35/45", ""},
                                                {"200", "450", "3.60", "C30/37", "spare"},
                                                {"250", "500", "5.00", "C30/37", ""}});
    // What a spreadsheet leaves on the clipboard: its rows as tab-separated text.
    platform::PutClipboardText(frame.GetSafeHwnd(), rows.c_str());
    platform::user().answerMessage(IDOK, [&](HWND box) {
        screenshot(g, "paste-2.png", "Ctrl+V: the host refused one cell and one had no column; the user is told.",
                   box);
    });
    desk.keyDown(VK_CONTROL);
    desk.pressKey('V');
    desk.keyUp(VK_CONTROL);
    desk.processMessages();
    screenshot(g, "paste-3.png", "After: B2 to B4 changed, B3's h kept, a fifth record added; the pasted range "
                                 "selected.", frame);

    platform::user().dismissMenu([&](HWND menu) {
        screenshot(g, "paste-4.png", "The context menu offers \"Paste\" after \"Copy\".", menu);
    });
    CRect cell = grid.CalcRectFromRowCol(2, 2, 2, 2);
    grid.ClientToScreen(&cell);
    desk.click(cell.CenterPoint(), platform::MouseButton::Right);

    std::vector<std::vector<Gallery::Cell>> calls;
    for (const std::string& c : grid.m_calls)
        calls.push_back({c});
    g.table({"What reached the host"}, calls);
    frame.DestroyWindow();
}
