#pragma once
// CGXGridWnd: a grid core in a window of the virtual desktop.
//
// Call flow
//   Create(style, rect, parent, id) -> CWnd::Create -> Initialize()
//     -> OnInitialUpdate() (once; derived grids wrap it)
//          -> OnGridInitialUpdate()  parameter object and styles map
//   A window attached otherwise (SubclassWindow) is initialised by its first
//   WM_PAINT, before anything is drawn.
//   Redraw / RedrawRowCol (the core asks for them after changes unless
//   LockUpdate is in force) -> invalidate the client area or the cells'
//   rectangle; GX_UPDATENOW paints at once, other flags at the next paint.
//   WM_PAINT -> OnGridDraw(pDC) with the update rectangle as clip box.
//   Copy() -> CopyRangeList (selection, else current cell) ->
//     GetCopyTextRanges -> the clipboard as CF_UNICODETEXT.
//
// Layout: rows 0..GetFrozenRows() stay at the top, then come the rows from
// GetTopRow() on; columns likewise from the left. Hidden rows and columns
// take no room.
#include "gridctl/GXGridCore.h"
#include "win/Wnd.h"

#include <vector>

class CGXGridWnd : public CWnd, public CGXGridCore {
public:
    CGXGridWnd() = default;

    using CWnd::Create;
    // A child window of pParentWnd, initialised once it exists.
    virtual BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);
    // Runs OnInitialUpdate unless it ran already.
    void Initialize();
    BOOL IsInitialized() const { return m_bInitDone; }
    // Sets the grid up; derived grids call it from their override.
    virtual void OnInitialUpdate();
    // The host's request to bring the grid up to date; the base repaints.
    virtual void OnGridUpdate(CWnd* pSender, __int64 lHint, CObject* pHint);

    void Redraw(UINT flags = GX_UPDATENOW, BOOL bCreateHint = TRUE) override;
    void RedrawRowCol(const CGXRange& range, UINT flags = GX_UPDATENOW, BOOL bCreateHint = TRUE) override;

    // The first row below the frozen rows and the first column right of the
    // frozen columns that are shown.
    ROWCOL GetTopRow();
    ROWCOL GetLeftCol();
    // The client rectangle of the shown cells of the range (empty when none
    // of them is shown).
    CRect CalcRectFromRowCol(ROWCOL nFromRow, ROWCOL nFromCol, ROWCOL nToRow, ROWCOL nToCol);

    // The selection (or the current cell) to the clipboard as text; FALSE
    // when there is nothing to copy or the clipboard is not to be had.
    BOOL Copy();

protected:
    // Paints the grid; the clip box is what needs painting. Every shown cell
    // is drawn by its control (a covered block once, over its shown cells),
    // selected cells other than headers in the highlight colours, then the
    // grid lines; the client area right of and below the cells gets the
    // window colour.
    virtual void OnGridDraw(CDC* pDC);
    // The style a cell is drawn with: its composed style, highlighted when
    // it is selected.
    virtual void ComposeDrawStyle(ROWCOL nRow, ROWCOL nCol, CGXStyle& style);
    static constexpr COLORREF GX_GRIDLINE_COLOR = RGB(192, 192, 192);

    afx_msg void OnPaint();
    afx_msg BOOL OnEraseBkgnd(CDC* pDC);

    // One shown row or column: its number and its extent in client pixels.
    struct Line {
        ROWCOL n;
        int start;
        int size;
    };
    // The rows (or columns) as the client area shows them, in order.
    std::vector<Line> ShownRows();
    std::vector<Line> ShownCols();

    DECLARE_MESSAGE_MAP()

private:
    CRect rangeRect(const CGXRange& range, bool bToEdge);
    void drawCell(CDC* pDC, const CGXRange& cell, const CRect& rect);
    void drawGridLines(CDC* pDC, const std::vector<Line>& rows, const std::vector<Line>& cols);
    std::vector<Line> layout(ROWCOL nCount, ROWCOL nFrozen, ROWCOL nFirst, int nExtent, bool bRows);

    // Draws cells whose control id has no control registered.
    CGXControl m_plainControl{this};
    BOOL m_bInitDone = FALSE;
    ROWCOL m_nTopRow = 0;
    ROWCOL m_nLeftCol = 0;
};
