#pragma once
// A grid window over a host's records, on the desktop, for driving it as a
// user would: it logs what reaches the host's overrides, its set-up steps and
// the clip box of every paint.
#include "GridDump.h"
#include "TestGrids.h"
#include "support/GridOnDesktop.h"
#include "support/Input.h"
#include "win/gdi/SysColors.h"
#include "win/kernel/Utf8.h"
#include "win/user/Clipboard.h"
#include "win/user/Input.h"

#include <map>
#include <string>
#include <utility>
#include <vector>

class InputGrid : public RecordsHost<CGXGridWnd> {
public:
    InputGrid()
        : RecordsHost({L"A", L"B", L"C"},
                      {{L"a1", L"b1", L"c1"}, {L"a2", L"b2", L"c2"}, {L"a3", L"b3", L"c3"}, {L"a4", L"b4", L"c4"}})
    {
    }
    BOOL m_bAllowEditing = TRUE;
    ROWCOL m_nFixedCol = 0; // a column whose width the user may not drag
    std::vector<std::string> m_setUp;
    std::vector<CRect> m_paints;

    BOOL OnStartEditing(ROWCOL nRow, ROWCOL nCol) override
    {
        log("start " + cell(nRow, nCol));
        return m_bAllowEditing;
    }

    void OnClickedButtonRowCol(ROWCOL nRow, ROWCOL nCol) override { log("button " + cell(nRow, nCol)); }

    BOOL DoRButtonDown(UINT flags, CPoint pt) override
    {
        log("right " + std::to_string(pt.x) + "," + std::to_string(pt.y));
        return CGXGridWnd::DoRButtonDown(flags, pt);
    }

    BOOL OnTrackColWidth(ROWCOL nCol) override { return nCol != m_nFixedCol; }

    void OnInitialUpdate() override
    {
        m_setUp.push_back(std::string("initial update, window ") + (::IsWindow(m_hWnd) ? "exists" : "missing"));
        CGXGridWnd::OnInitialUpdate();
        m_setUp.push_back(std::string("initial update done, param ") + (GetParam() ? "set" : "missing"));
    }

    void OnGridInitialUpdate() override
    {
        m_setUp.push_back("grid initial update");
        CGXGridWnd::OnGridInitialUpdate();
    }

    void OnGridDraw(CDC* pDC) override
    {
        CRect clip;
        pDC->GetClipBox(&clip);
        m_paints.push_back(clip);
        CGXGridWnd::OnGridDraw(pDC);
    }

};

// The colours the grid tests look for: the window 'w' (the button highlight
// is the same white), the button face 'f' and shadow 's', text 'k', grid
// lines 'g', the selection 'H', the scroll track 't', the tests' red 'r' and
// green 'G'.
constexpr COLORREF red = RGB(255, 0, 0), green = RGB(0, 160, 0);
inline const std::map<COLORREF, char> gridColours{
    {GetSysColor(COLOR_WINDOW), 'w'},     {GetSysColor(COLOR_BTNFACE), 'f'},      {GetSysColor(COLOR_BTNSHADOW), 's'},
    {GetSysColor(COLOR_WINDOWTEXT), 'k'}, {RGB(192, 192, 192), 'g'},               {GetSysColor(COLOR_HIGHLIGHT), 'H'},
    {RGB(233, 231, 227), 't'},            {red, 'r'},                              {green, 'G'}};

// The colours at points of the frame's client area (where the grids lie),
// a character each: the legend's, or '?' for any other colour.
inline std::string Colours(std::initializer_list<CPoint> points, const std::map<COLORREF, char>& legend = gridColours)
{
    std::string s;
    for (CPoint p : points) {
        const auto it = legend.find(platform::desktop().screen().pixel(10 + p.x, 10 + p.y));
        s += it == legend.end() ? '?' : it->second;
    }
    return s;
}

// How many pixels of a client rectangle differ from the colour (text ink), or
// with `match` have it.
inline int Ink(const CRect& r, COLORREF colour, bool match = false)
{
    int n = 0;
    for (int y = r.top; y < r.bottom; ++y)
        for (int x = r.left; x < r.right; ++x) n += (platform::desktop().screen().pixel(10 + x, 10 + y) == colour) == match;
    return n;
}

// The grid at the desktop's (10, 10), 300 x 200 pixels: columns of 70 and
// rows of 20 pixels, so cell (r, c) lies at client (70c..70c+69, 20r..20r+19).
class GridInput : public testsupport::GridOnDesktop<InputGrid> {
protected:
    GridInput() { m_gridRect = CRect(0, 0, 300, 200); }
    // A point of the grid's client area, on the screen.
    static CPoint at(int x, int y) { return CPoint(10 + x, 10 + y); }
    // What reached the host since the last look, and whether an editor is open.
    std::string takeLog()
    {
        return std::exchange(grid.m_log, std::string()) + (grid.IsActiveCurrentCell() ? " (editing)" : "");
    }
    static void press(std::initializer_list<UINT> keys)
    {
        for (UINT vk : keys) platform::desktop().pressKey(vk);
    }
};
