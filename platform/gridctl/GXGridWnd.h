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
//   WM_KEYDOWN/WM_KEYUP -> ProcessKeys; WM_CHAR -> OnGridChar;
//   WM_RBUTTONDOWN -> DoRButtonDown (see GXGridCore.h).
//   WM_LBUTTONDOWN -> HitTest: a column border in the header rows that
//     OnTrackColWidth allows starts a width drag (the button's release sets
//     the width), a row border in the header columns a height drag when the
//     parameter object enables row-height tracking; the corner selects the table, a row header whole rows, a
//     column header whole columns, a data cell becomes the current cell;
//     Shift extends from the last plain or Ctrl click, Ctrl adds.
//   WM_LBUTTONUP on the cell the press began on -> its control's LButtonUp.
//   Scroll bars (GXGridWndScroll.cpp): a press on an arrow scrolls a line,
//     on the track a page, on the thumb starts a drag (WM_MOUSEMOVE under
//     capture sets the first line, WM_LBUTTONUP ends it); WM_MOUSEWHEEL
//     scrolls three rows a notch (ScrollRows).
//
// Layout: rows 0..GetFrozenRows() stay at the top, then come the rows from
// GetTopRow() on; columns likewise from the left. Hidden rows and columns
// take no room. A vertical scroll bar runs down the client area's right edge
// when the rows below the frozen ones do not all fit (or are scrolled), a
// horizontal one along its bottom edge for the columns; the cells take the
// rest (GetGridRect).
#include "gridctl/GXGridCore.h"
#include "gridctl/GXScrollBar.h"
#include "win/afx/Wnd.h"

#include <optional>
#include <vector>

class CGXGridWnd : public CWnd, public CGXGridCore {
public:
    // The largest row height or column width laid out: a host's larger size
    // (up to INT_MAX) is taken as this, so that sums of positions cannot overflow.
    static constexpr int GX_MAX_LINE_SIZE = 32767;

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
    // frozen columns that are shown: the scroll position.
    ROWCOL GetTopRow();
    ROWCOL GetLeftCol();
    void SetTopRow(ROWCOL nRow, UINT flags = GX_UPDATENOW);
    void SetLeftCol(ROWCOL nCol, UINT flags = GX_UPDATENOW);
    BOOL ScrollRows(long nDelta) override;
    ROWCOL GetPageRows() override;
    // The client area less the scroll bars that are shown: where the cells are.
    CRect GetGridRect();

    int HitTest(CPoint pt, ROWCOL* pnRow, ROWCOL* pnCol) override;
    BOOL ScrollCellInView(ROWCOL nRow, ROWCOL nCol, UINT flags = GX_UPDATENOW, BOOL bFloatCell = FALSE) override;
    // The client rectangle of the shown cells of the range (empty when none
    // of them is shown).
    CRect CalcRectFromRowCol(ROWCOL nFromRow, ROWCOL nFromCol, ROWCOL nToRow, ROWCOL nToCol);

    // The selection (or the current cell) to the clipboard as text; FALSE
    // when there is nothing to copy or the clipboard is not to be had.
    BOOL Copy() override;

protected:
    // Paints the grid; the clip box is what needs painting. Every shown cell
    // is drawn by its control (a covered block once, over its shown cells),
    // selected cells other than headers in the highlight colours, then the
    // grid lines and the current cell's frame; the client area right of and below the cells gets the
    // window colour.
    virtual void OnGridDraw(CDC* pDC);
    // The style a cell is drawn with: its composed style, highlighted when
    // it is selected and not the current cell (which has its frame).
    virtual void ComposeDrawStyle(ROWCOL nRow, ROWCOL nCol, CGXStyle& style);
    static constexpr COLORREF GX_GRIDLINE_COLOR = RGB(192, 192, 192);
    static constexpr int GX_CURRENT_FRAME = 2;

    afx_msg void OnPaint();
    afx_msg BOOL OnEraseBkgnd(CDC* pDC);
    afx_msg void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg void OnKeyUp(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg void OnChar(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnLButtonUp(UINT nFlags, CPoint point);
    // The second press of a double click: a press like the first, so that
    // quick clicks each count (a check box toggles twice).
    afx_msg void OnLButtonDblClk(UINT nFlags, CPoint point);
    afx_msg void OnRButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnMouseMove(UINT nFlags, CPoint point);
    afx_msg BOOL OnMouseWheel(UINT nFlags, short zDelta, CPoint pt);
    afx_msg BOOL OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message);
    afx_msg void OnCaptureChanged(CWnd* pWnd);
    // Every key is the grid's own in a dialog too: arrows, Tab, Enter and Esc
    // move and edit cells, letters are typed.
    afx_msg UINT OnGetDlgCode();

    // Rows a notch of the mouse wheel scrolls.
    static constexpr int GX_WHEEL_ROWS = 3;

    // Width of the zone on either side of a column border that grabs it.
    static constexpr int GX_BORDER_GRIP = 2;


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
    void blockEdgesWithoutLines(const CGXRange& block, const CRect& rect, const std::vector<Line>& rows,
                                const std::vector<Line>& cols, std::vector<CRect>& edges);
    void drawGridLines(CDC* pDC, const std::vector<Line>& rows, const std::vector<Line>& cols);
    void drawCurrentCell(CDC* pDC);
    void selectByClick(UINT nFlags, ROWCOL nRow, ROWCOL nCol);
    BOOL trackableBorderAt(CPoint pt, ROWCOL& nCol);
    // A row border in the header columns, with row-height tracking enabled.
    BOOL trackableRowBorderAt(CPoint pt, ROWCOL& nRow);
    void clickControl(UINT nFlags, CPoint pt);
    // The line that follows a border drag, drawn inverted across the grid
    // (vertical for a column, horizontal for a row) at `at`, the old one
    // inverted back first; -1 takes it away.
    void moveTrackLine(int at);
    // Scrolls one direction so that line n (beyond the frozen ones) is shown.
    bool scrollLineInView(ROWCOL n, bool bRows, ROWCOL& first);
    std::vector<Line> layout(ROWCOL nCount, ROWCOL nFrozen, ROWCOL nFirst, int nExtent, bool bRows);

    // Scrolling, one direction at a time (bRows: the rows, else the columns);
    // every walk over the lines stops at the edge of the view, so that ten
    // million rows cost what a page of them costs. A line's size is the
    // host's, kept within 0..GX_MAX_LINE_SIZE.
    int lineSize(ROWCOL n, bool bRows);
    ROWCOL lineCount(bool bRows);
    ROWCOL firstScrollLine(bool bRows);
    ROWCOL firstShownLine(bool bRows);
    // The room below or right of the frozen lines in an extent of the view.
    int scrollRoom(bool bRows, int nExtent);
    // Whether the scrolling lines all fit the extent from the first one on.
    bool allLinesFit(bool bRows, int nExtent);
    // The first shown line that puts the last line at the view's edge.
    ROWCOL lastFirstLine(bool bRows, int nExtent);
    ROWCOL pageLines(bool bRows, int nExtent);
    void setFirstLine(bool bRows, ROWCOL nFirst);
    BOOL scrollLines(bool bRows, long nDelta);
    // Which bars the content needs in the client area.
    void neededBars(bool& bVert, bool& bHorz);
    // The bar of one direction as it is now; none when it is not shown.
    std::optional<CGXScrollBar> scrollBar(bool bRows);
    bool scrollBarClick(CPoint point);
    void drawScrollBars(CDC* pDC);

    // Draws cells whose control id has no control registered.
    CGXControl m_plainControl{this};
    // The style of the cell being drawn, composed anew for each cell in the
    // buffers of the last one.
    CGXStyle m_drawnCellStyle;
    BOOL m_bInitDone = FALSE;
    ROWCOL m_nTopRow = 0;
    ROWCOL m_nLeftCol = 0;
    // Mouse state: the cell a left press began on, the click that Shift
    // extends from and the range it selected, a column whose width is
    // being dragged from m_nTrackStartX.
    CGXRange m_pressedCell;
    CGXRange m_anchor;
    CGXRange m_lastClickRange;
    BOOL m_bTracking = FALSE;
    ROWCOL m_nTrackCol = 0;
    int m_nTrackStartX = 0;
    // A row whose height is being dragged from m_nTrackStartY.
    BOOL m_bTrackingRow = FALSE;
    ROWCOL m_nTrackRow = 0;
    int m_nTrackStartY = 0;
    // Where the drag's line is drawn now, -1 while none is.
    int m_nTrackLine = -1;
    // A thumb being dragged: its bar and where on the thumb it was grabbed.
    bool m_bThumbDrag = false;
    bool m_bThumbRows = true;
    int m_nThumbGrab = 0;
    // Wheel turns of less than a notch add up.
    int m_nWheelRest = 0;
};
