// The grid window of the grid control: a grid over its own data with two
// header rows, a covered title block and a selected row, copied to the
// clipboard and written as a semicolon-separated file.
#include "Pages.h"
#include "Screenshot.h"

#include "gridctl/GXGridWnd.h"
#include "win/Afx.h"

void gridPage(DemoContext& demo)
{
    Gallery& g = demo.gallery;
    platform::Desktop& desk = platform::desktop();
    g.beginPage("Grid window",
                "A grid window over its own cells: two frozen header rows with a covered title block over two "
                "columns, a hidden column, and a selected row that is copied to the clipboard and written to a "
                "file with \";\" between the cells.");
    desk.setScreenSize(420, 200);

    CWnd frame;
    createHostFrame(frame, L"Beams", CRect(10, 10, 410, 190));
    CGXGridWnd grid;
    grid.Create(WS_VISIBLE, CRect(8, 8, 388, 148), &frame, 1);
    grid.SetRowCount(5);
    grid.SetColCount(4);
    const wchar_t* cells[6][5] = {{L"", L"Section", L"", L"Material", L"Note"},
                                  {L"", L"b [mm]", L"h [mm]", L"", L""},
                                  {L"B1", L"300", L"600", L"C30/37", L"internal"},
                                  {L"B2", L"250", L"500", L"C25/30", L"internal"},
                                  {L"B3", L"300", L"750", L"C35/45", L"internal"},
                                  {L"B4", L"200", L"400", L"C30/37", L"internal"}};
    for (ROWCOL r = 0; r < 6; ++r)
        for (ROWCOL c = 0; c < 5; ++c)
            grid.SetValueRange(CGXRange(r, c), cells[r][c]);
    grid.SetFrozenRows(1, 1);
    grid.SetCoveredCellsRowCol(0, 1, 0, 2);
    grid.SetCoveredCellsRowCol(0, 3, 1, 3);
    grid.SetCoveredCellsRowCol(0, 0, 1, 0);
    grid.HideCols(4, 4);
    grid.SelectRange(CGXRange().SetRows(3));
    desk.processMessages();
    screenshot(g, "grid-1.png", "Headers on the button face, the title block painted once over its two columns, "
                                "the \"Note\" column hidden, row B2 selected.", frame);

    grid.Copy();
    const CString clipboard = platform::ClipboardText();
    std::string copied;
    for (wchar_t ch : clipboard.str())
        copied += ch == L'\t' ? std::string(" \u2192 ") : ch == L'\r' ? std::string() : ch == L'\n' ? std::string(" / ")
                                                                                           : toUtf8(std::wstring(1, ch));
    g.paragraph("Copied to the clipboard (tabs shown as \u2192, line ends as /): " + copied);
    CFile file(g.file("grid.csv").wstring().c_str(), CFile::modeCreate | CFile::modeWrite);
    const CString separator = grid.m_sCellSep;
    grid.m_sCellSep = L";";
    grid.CopyTextToFile(file, CGXRange().SetTable());
    grid.m_sCellSep = separator;
    file.Close();
    g.link("grid.csv", "The whole table as the grid writes it to a file, UTF-8, cells separated by \";\".");
}
