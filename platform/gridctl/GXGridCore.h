#pragma once
// CGXGridCore: the model of a grid: its data pipeline, geometry, covered
// cells, selection, current cell and cell controls. CGXGridWnd puts it in a
// window.
//
// Call flow
//   Reading a cell: ComposeStyleRowCol(r, c)
//     -> GetStyleRowCol(r, c, style, gxCopy, 0)   the cell's own attributes:
//          a derived grid answers from its data; the base answers from the
//          core's own cell store
//     -> column-header style (rows 0..GetHeaderRows()), row-header style
//        (columns 0..GetHeaderCols()), then the standard style fill in every
//        attribute the cell left unset (gxApplyNew)
//     GetValueRowCol reads the composed style. GetCopyTextRowCol, copying
//     and CopyTextToFile read through CGXCopyTextReader: the cell's own style
//     once, its value as the text where its control shows the value, else
//     the composed style through the control's GetControlText.
//   Storing: SetValueRange(range, value, mt, nType, flags)
//     -> SetStyleRange with a style of the value
//     -> StoreStyleRowCol(r, c, &style, mt, nType) for every cell
//     -> where it returns non-zero: modified flag, RedrawRowCol.
//   Inserting: InsertRows(nRow, nCount, ...)
//     -> StoreInsertRows(nRow, nCount, FALSE)     a derived grid stores the
//          rows in its data and may pass bProcessed TRUE on to the base
//     -> the base: a grid whose row count is the core's own (the base
//          GetRowCount answers it) gets the rows in the core's own data;
//          any other grid keeps the core's own rows untouched and has
//          stored the rows when bProcessed says so or its row count grew
//          by nCount
//     -> only when that returns non-zero: row heights, hidden rows, covered
//        cells, selection and current cell move down; new cells get their
//        styles; modified flag; redraw.
//   Removing: RemoveRows(from, to) -> StoreRemoveRows(from, to, FALSE), the
//     same rule (the row count shrank by the rows), then the same state
//     follows upwards, again only on a non-zero answer.
//   Redraw requests go to the virtual Redraw/RedrawRowCol, which the window
//   implements; the core asks for none while LockUpdate(TRUE) is in force.
//   Keys: the window -> ProcessKeys(pWnd, WM_KEYDOWN/WM_KEYUP, ...): the
//     open editor's keys first (CGXControl::KeyPressed); with no editor
//     open the current cell's control (CGXControl::KeyPressedOnCell: Space
//     toggles a check box); then Enter commits, Esc cancels, F2 starts editing, Ctrl+C copies (Copy), arrows and Tab
//     move the current cell (committing first) -> SetCurrentCell ->
//     ScrollCellInView; Home and End go to the row's first and last column,
//     Ctrl+Home and Ctrl+End to the first and last data cell; Page Up and
//     Page Down scroll a page (ScrollRows, GetPageRows) and move the current
//     cell with it.
//   Characters: the window -> OnGridChar: to the open editor, else a
//     printable character starts editing with it.
//   Editing: StartEditing -> the cell is changeable and its control edits
//     text -> OnStartEditing(row, col) may refuse -> CGXControl::StartEdit.
//     TransferCurrentCell -> the editor's value, when changed ->
//     SetValueRange -> StoreStyleRowCol; a refused store leaves the cell's
//     value as it was. Controls that change a value without the editor
//     (check box, drop-down list) ask OnStartEditing and store the same way.
//   Mouse (CGXGridWnd): HitTest -> selection, current cell, column-width
//     tracking (OnTrackColWidth); a click released on the cell it began on
//     -> the cell's control (CGXControl::LButtonUp; push buttons ->
//     OnClickedButtonRowCol); right button -> DoRButtonDown.
#include "gridctl/GXControl.h"
#include "gridctl/GXGridParam.h"
#include "gridctl/GXRangeList.h"
#include "gridctl/GXStyle.h"
#include "win/kernel/File.h"
#include "win/kernel/Geometry.h"

#include <functional>
#include <map>
#include <optional>
#include <memory>
#include <set>
#include <vector>

class CWnd;

class CGXGridCore {
    friend class CGXCopyTextReader;
    friend class CGXControl;

public:
    CGXGridCore();
    CGXGridCore(const CGXGridCore&) = delete;
    CGXGridCore& operator=(const CGXGridCore&) = delete;
    virtual ~CGXGridCore();

    // --- Parameters and styles
    CGXGridParam* GetParam() const { return m_pParam; }
    // With bMustDelete the grid deletes the parameter object.
    void SetParam(CGXGridParam* pParam, BOOL bMustDelete = TRUE);
    // Called once when the grid is set up: gives it a parameter object and a
    // styles map with the standard styles and the profile, where missing.
    virtual void OnGridInitialUpdate();
    // The styles of the parameter object's styles map; a grid without one
    // uses built-in standard styles of its own.
    CGXStyle& StandardStyle();
    CGXStyle& RowHeaderStyle();
    CGXStyle& ColHeaderStyle();

    // --- Data pipeline. Rows 0..GetRowCount(), columns 0..GetColCount().
    virtual ROWCOL GetRowCount();
    virtual ROWCOL GetColCount();
    // The core's own row and column count, for grids that do not override
    // the counts. Cells beyond a smaller count are dropped.
    BOOL SetRowCount(ROWCOL nRows, UINT flags = GX_UPDATENOW);
    BOOL SetColCount(ROWCOL nCols, UINT flags = GX_UPDATENOW);
    // nType 0 is the cell itself; other types (-1: row or column base styles)
    // are not kept by the core's own store. The base reads and writes the
    // core's own cells: mt says how the stored style combines with `style`
    // (reading) or with the stored one (storing; gxRemove drops it).
    virtual BOOL GetStyleRowCol(ROWCOL nRow, ROWCOL nCol, CGXStyle& style, GXModifyType mt, int nType);
    virtual BOOL StoreStyleRowCol(ROWCOL nRow, ROWCOL nCol, const CGXStyle* pStyle, GXModifyType mt, int nType);
    virtual BOOL StoreInsertRows(ROWCOL nRow, ROWCOL nCount, BOOL bProcessed);
    virtual BOOL StoreRemoveRows(ROWCOL nFromRow, ROWCOL nToRow, BOOL bProcessed);

    void ComposeStyleRowCol(ROWCOL nRow, ROWCOL nCol, CGXStyle* pStyle);
    CString GetValueRowCol(ROWCOL nRow, ROWCOL nCol);
    // The cell's text as copying gives it: its control's text for the value.
    CString GetCopyTextRowCol(ROWCOL nRow, ROWCOL nCol);

    // Stores the value into every cell of the range (cut to the grid); TRUE
    // when every store succeeded. T is any type CGXStyle::SetValue takes.
    template <class T>
    BOOL SetValueRange(const CGXRange& range, const T& value, GXModifyType mt = gxOverride, int nType = 0,
                       UINT flags = GX_UPDATENOW)
    {
        CGXStyle style;
        style.SetValue(value);
        return SetStyleRange(range, style, mt, nType, flags);
    }
    // Stores the style into every cell of the range (cut to the grid), each
    // through StoreStyleRowCol; TRUE when every store succeeded.
    BOOL SetStyleRange(const CGXRange& range, const CGXStyle& style, GXModifyType mt = gxOverride, int nType = 0,
                       UINT flags = GX_UPDATENOW);

    // nCount rows before row nRow (1..GetRowCount() + 1). anHeightArray gives
    // the new rows' heights, indexed from 0; pRowsArray the styles of their
    // row-header cells (one per row) and pCellsArray those of their cells in
    // columns 1..nColCount, row by row.
    BOOL InsertRows(ROWCOL nRow, ROWCOL nCount, int* anHeightArray = nullptr,
                    const std::vector<CGXStyle>* pCellsArray = nullptr,
                    const std::vector<CGXStyle>* pRowsArray = nullptr, ROWCOL nColCount = 0,
                    UINT flags = GX_UPDATENOW, GXCmdType ctCmd = gxDo);
    // Rows nFromRow..nToRow, within 1..GetRowCount().
    BOOL RemoveRows(ROWCOL nFromRow, ROWCOL nToRow, UINT flags = GX_UPDATENOW, GXCmdType ctCmd = gxDo);

    // --- Geometry, in pixels. Width and height arrays are indexed by the
    // absolute column or row number (anWidthArray[nCol]). Hidden columns and
    // rows measure 0 and get their width or height back when shown again.
    virtual int GetColWidth(ROWCOL nCol);
    virtual BOOL SetColWidth(ROWCOL nFromCol, ROWCOL nToCol, int nWidth, int* anWidthArray = nullptr,
                             UINT flags = GX_UPDATENOW, GXCmdType ctCmd = gxDo);
    // Non-zero when the user may drag the column's width.
    virtual BOOL OnTrackColWidth(ROWCOL nCol);
    virtual int GetRowHeight(ROWCOL nRow);
    BOOL SetRowHeight(ROWCOL nFromRow, ROWCOL nToRow, int nHeight, int* anHeightArray = nullptr,
                      UINT flags = GX_UPDATENOW, GXCmdType ctCmd = gxDo);
    int GetDefaultColWidth() const { return m_nDefaultColWidth; }
    void SetDefaultColWidth(int nWidth) { m_nDefaultColWidth = nWidth; }
    int GetDefaultRowHeight() const { return m_nDefaultRowHeight; }
    void SetDefaultRowHeight(int nHeight) { m_nDefaultRowHeight = nHeight; }
    BOOL HideCols(ROWCOL nFromCol, ROWCOL nToCol, BOOL bHide = TRUE, BOOL* abHideArray = nullptr,
                  UINT flags = GX_UPDATENOW, GXCmdType ctCmd = gxDo);
    BOOL HideRows(ROWCOL nFromRow, ROWCOL nToRow, BOOL bHide = TRUE, BOOL* abHideArray = nullptr,
                  UINT flags = GX_UPDATENOW, GXCmdType ctCmd = gxDo);
    BOOL IsColHidden(ROWCOL nCol) const;
    BOOL IsRowHidden(ROWCOL nRow) const;
    // The line height of the standard style's font.
    int GetFontHeight();
    // Gives the shown rows of the range the height of their highest cell:
    // its text's lines in the cell's font (wrap-text cells broken to the
    // cell's width) plus a margin of
    // GX_CELL_MARGIN_Y above and below, at least one line. A cell covering
    // several rows adds its height spread over them, only with
    // bResizeCoveredCells.
    BOOL ResizeRowHeightsToFit(const CGXRange& range, BOOL bResizeCoveredCells = TRUE, UINT flags = GX_UPDATENOW);
    // Fits again the rows that were fitted before and whose cells were
    // stored since; TRUE when a row was fitted.
    BOOL UpdateChangedRowHeights(UINT flags = GX_UPDATENOW);
    static constexpr int GX_CELL_MARGIN_Y = 2;

    // --- Covered cells: a block of cells shown as one, keyed by its top-left
    // cell. A cell belongs to one block at most: a new block replaces every
    // block it touches, and a block of one cell removes the covering there.
    BOOL SetCoveredCellsRowCol(ROWCOL nRow, ROWCOL nCol, ROWCOL nToRow, ROWCOL nToCol, UINT flags = GX_UPDATENOW,
                               GXCmdType ctCmd = gxDo);
    // The block that holds the cell, or the cell alone; TRUE when covered.
    // Painting asks this for every cell and grid line, and most grids cover
    // no cells: that answer takes no call.
    BOOL GetCellRangeRowCol(ROWCOL nRow, ROWCOL nCol, CGXRange& range) const
    {
        if (!m_covered.empty())
            return coveringBlock(nRow, nCol, range);
        range = CGXRange(nRow, nCol);
        return FALSE;
    }

    // --- Frozen rows and columns stay in view when scrolling; header rows
    // (1..nHeaderRows, at most the frozen ones) look like row 0.
    BOOL SetFrozenRows(ROWCOL nFrozenRows, ROWCOL nHeaderRows = 0, UINT flags = GX_UPDATENOW, GXCmdType ctCmd = gxDo);
    BOOL SetFrozenCols(ROWCOL nFrozenCols, ROWCOL nHeaderCols = 0, UINT flags = GX_UPDATENOW, GXCmdType ctCmd = gxDo);
    ROWCOL GetFrozenRows() const { return m_nFrozenRows; }
    ROWCOL GetFrozenCols() const { return m_nFrozenCols; }
    ROWCOL GetHeaderRows() const { return m_nHeaderRows; }
    ROWCOL GetHeaderCols() const { return m_nHeaderCols; }

    // --- Selection and current cell
    void SelectRange(const CGXRange& range, BOOL bSelect = TRUE, BOOL bUpdate = TRUE);
    // The selected rows, ascending, each once. bRangeRowsOnly: only whole
    // selected rows count; bCanUseCurrentCell: with nothing selected, the
    // current cell's row.
    BOOL GetSelectedRows(CRowColArray& awRows, BOOL bRangeRowsOnly = FALSE, BOOL bCanUseCurrentCell = TRUE);
    BOOL IsCellSelected(ROWCOL nRow, ROWCOL nCol) const { return m_selection.IsCellInList(nRow, nCol); }
    // The selected ranges, or (bCanUseCurrentCell) the current cell.
    BOOL CopyRangeList(CGXRangeList& list, BOOL bCanUseCurrentCell);
    // The current cell lies in rows 1.. and columns 1.. and is not hidden;
    // a covered cell's block is entered at its top-left cell.
    BOOL SetCurrentCell(ROWCOL nRow, ROWCOL nCol, UINT flags = GX_SCROLLINVIEW);
    BOOL GetCurrentCell(ROWCOL& nRow, ROWCOL& nCol) const;
    BOOL GetCurrentCell(ROWCOL* pnRow, ROWCOL* pnCol) const;
    // FALSE when there was no current cell.
    BOOL ResetCurrentCell(BOOL bStoreChanges = TRUE);

    // --- Input. The window passes its keys, characters and right clicks
    // here; derived grids override these to add keys of their own and call
    // the base for the rest. TRUE when the input was used.
    virtual BOOL ProcessKeys(CWnd* pSender, UINT nMessage, UINT nChar, UINT nRepCnt = 1, UINT flags = 0);
    virtual BOOL OnGridChar(UINT nChar, UINT nRepCnt, UINT flags);
    // Asked before the user changes the cell (typing, F2, a check box click,
    // a drop-down choice); FALSE refuses. The base allows.
    virtual BOOL OnStartEditing(ROWCOL nRow, ROWCOL nCol);
    // A push-button cell was clicked. The base does nothing.
    virtual void OnClickedButtonRowCol(ROWCOL nRow, ROWCOL nCol);
    // The right button went down at pt (client coordinates): the base makes
    // an unselected data cell there the current cell, the selection cleared.
    virtual BOOL DoRButtonDown(UINT flags, CPoint pt);
    // What lies at a client point (GX_NOHIT without a window); pnRow and
    // pnCol get the cell, or for GX_VERTLINE the column whose right border
    // in the header rows was hit, for GX_HORZLINE the row whose bottom
    // border in the header columns was hit.
    virtual int HitTest(CPoint pt, ROWCOL* pnRow, ROWCOL* pnCol);
    // Scrolls so that the cell is shown whole (as far as the client area
    // allows); TRUE when it scrolled. The base has nothing to scroll.
    virtual BOOL ScrollCellInView(ROWCOL nRow, ROWCOL nCol, UINT flags = GX_UPDATENOW, BOOL bFloatCell = FALSE);
    // Scrolls the rows below the frozen ones by nDelta rows (negative: up), no
    // further than the first row or the page that shows the last one; TRUE
    // when it scrolled. The base has nothing to scroll.
    virtual BOOL ScrollRows(long nDelta);
    // The rows below the frozen ones that a page shows whole (at least 1):
    // what Page Up and Page Down move. The base, without a view, gives 1.
    virtual ROWCOL GetPageRows();
    // Moves the current cell nCell steps, over hidden rows and columns and
    // across covered blocks; commits an open editor first.
    BOOL MoveCurrentCell(GXDirectionType direction, UINT nCell = 1);

    // --- Editing the current cell in place
    // Opens the current cell's editor with pText (else the cell's text);
    // FALSE when the cell cannot be changed, its control edits no text or
    // OnStartEditing refuses.
    BOOL StartEditing(const CString* pText = nullptr);
    BOOL IsActiveCurrentCell() const { return m_pActiveControl != nullptr; }
    // Closes the editor; bSaveAndValidate stores a changed value. FALSE when
    // the store was refused.
    BOOL TransferCurrentCell(BOOL bSaveAndValidate = TRUE, UINT flags = GX_UPDATENOW);

    // --- Display state
    // Returns the previous state.
    BOOL LockUpdate(BOOL bLock = TRUE);
    BOOL IsLockUpdate() const { return m_bLockUpdate; }
    virtual void Redraw(UINT flags = GX_UPDATENOW, BOOL bCreateHint = TRUE);
    virtual void RedrawRowCol(const CGXRange& range, UINT flags = GX_UPDATENOW, BOOL bCreateHint = TRUE);
    // After a change of the parameter object's switches.
    void UpdateProperties(UINT flags = GX_UPDATENOW, BOOL bCreateHint = TRUE);
    void SetModifiedFlag(BOOL bModified = TRUE) { m_bModified = bModified; }
    BOOL IsModified() const { return m_bModified; }

    // --- Cell controls. The grid owns registered controls; registering an id
    // again replaces (and deletes) the earlier control. bDefault makes the
    // control the one for cells whose control id has none registered. The
    // core has no style-sheet dialog, so bShowInStyleSheet changes nothing.
    void RegisterControl(WORD nID, CGXControl* pControl, BOOL bDefault = FALSE, BOOL bShowInStyleSheet = TRUE);
    CGXControl* GetRegisteredControl(WORD nID) const;
    // The control of the cell's composed style, or the default control.
    CGXControl* GetControl(ROWCOL nRow, ROWCOL nCol);

    // --- Copying
    // TRUE when there are selected cells or a current cell.
    BOOL CanCopy();
    // The selection (or the current cell) to the clipboard; Ctrl+C. The base,
    // without a window, has no clipboard and gives FALSE.
    virtual BOOL Copy();
    // The text of the cells in the rows and columns of the ranges (as
    // GetRowArray/GetColArray give them), hidden rows and columns left out:
    // cells separated by m_sCellSep, each row ended by "\r\n". Cells covered
    // by a block give their text only at the block's top-left cell. A cell
    // holding the separator, a double quote, "\r" or "\n" is enclosed in
    // double quotes with its quotes doubled (RFC 4180); so is a cell holding
    // ';' when the copy has a single column (its text then holds no tab, and
    // readers split at ';'). Other cells are written as they are.
    CString GetCopyTextRanges(const CGXRangeList& ranges);
    // The copy text of the range, UTF-8, written at the file's position a
    // few rows at a time. A failing write throws the file's CFileException.
    BOOL CopyTextToFile(CFile& file, const CGXRange& range);

    // Put between the cells of a row by copying; set directly.
    CString m_sCellSep = L"\t";

protected:
    // The control for a style's control id: the registered one, else the default.
    CGXControl* controlFor(const CGXStyle& style) const { return controlFor(style.GetControl()); }
    CGXControl* controlFor(WORD nId) const;

private:
    BOOL coveringBlock(ROWCOL nRow, ROWCOL nCol, CGXRange& range) const;
    // The copy text of the ranges' rows in the columns given, handed to the
    // sink piece by piece (AppendCell for cells, Append for separators and
    // "\r\n"), with sink.RowDone() after each row.
    template <class Sink>
    BOOL writeCopyText(const CGXRangeList& ranges, const std::vector<ROWCOL>& cols, Sink& sink);
    // The ranges' columns left to right, hidden ones left out; false when
    // the ranges give none.
    bool copyColumns(const CGXRangeList& ranges, std::vector<ROWCOL>& cols);
    CGXStylesMap& stylesMap();
    CGXStyle& mapStyle(WORD CGXStylesMap::*id);
    // Whether a cell with this control (null: none) and control id shows
    // its value as it is: no drop-down list, no control of a host's.
    bool showsValue(const CGXControl* pControl, WORD nId) const;
    void redrawCells(const CGXRange& range, UINT flags);
    // Runs a row store, remembering the row count before it.
    BOOL storeRowChange(ROWCOL nCount, bool bInsert, const std::function<BOOL()>& store);
    bool rowsAreOwn();
    BOOL rowCountFollowed();
    void followInsertedRows(ROWCOL nRow, ROWCOL nCount);
    void followRemovedRows(ROWCOL nFromRow, ROWCOL nToRow);
    void storeNewRows(ROWCOL nRow, ROWCOL nCount, const std::vector<CGXStyle>* pCellsArray,
                      const std::vector<CGXStyle>* pRowsArray, ROWCOL nColCount);
    BOOL IsCoveredAway(ROWCOL nRow, ROWCOL nCol) const;
    void registerBuiltinControls();
    // A key for the current cell's control while no editor is open.
    BOOL keyOnCurrentCell(UINT nChar);
    BOOL moveKey(UINT nChar);
    BOOL movePage(bool bDown);
    // Home/End and their Ctrl forms: the current cell to the edge given.
    BOOL jumpKey(bool bEnd, bool bCtrl);
    // The first or last row (column) that is neither hidden nor a header; 0
    // when there is none.
    ROWCOL edgeLine(bool bRows, bool bLast);
    // The next cell from (nRow, nCol) in the direction, one step; FALSE at
    // the grid's edge.
    BOOL stepCell(GXDirectionType direction, ROWCOL& nRow, ROWCOL& nCol);
    int textHeight(const CGXStyle& style, const CString& text, int nWidth);

    CGXGridParam* m_pParam = nullptr;
    std::unique_ptr<CGXGridParam> m_pOwnedParam;
    CGXStylesMap m_builtinStyles;

    // The core's own data.
    ROWCOL m_nRows = 0;
    ROWCOL m_nCols = 0;
    std::map<ROWCOL, std::map<ROWCOL, CGXStyle>> m_cells;
    // Set by the base GetRowCount: tells whether a grid's count is the own one.
    bool m_bOwnRowCountAsked = false;
    struct PendingRowChange {
        ROWCOL nBefore;
        ROWCOL nCount;
        bool bInsert;
    };
    std::optional<PendingRowChange> m_pendingRowChange;

    int m_nDefaultColWidth = 70;
    int m_nDefaultRowHeight = 20;
    std::map<ROWCOL, int> m_colWidths;
    std::map<ROWCOL, int> m_rowHeights;
    std::set<ROWCOL> m_hiddenCols;
    std::set<ROWCOL> m_hiddenRows;

    std::vector<CGXRange> m_covered;
    ROWCOL m_nFrozenRows = 0;
    ROWCOL m_nFrozenCols = 0;
    ROWCOL m_nHeaderRows = 0;
    ROWCOL m_nHeaderCols = 0;

    CGXRangeList m_selection;
    BOOL m_bCurrentCell = FALSE;
    ROWCOL m_nCurrentRow = 0;
    ROWCOL m_nCurrentCol = 0;

    BOOL m_bLockUpdate = FALSE;
    BOOL m_bModified = FALSE;

    std::map<WORD, std::unique_ptr<CGXControl>> m_controls;
    CGXControl* m_pDefaultControl = nullptr;
    // The grid's own controls that show a cell's value as its text, while
    // they are registered.
    std::vector<const CGXControl*> m_valueControls;
    CGXControl* m_pActiveControl = nullptr;

    // Rows fitted by ResizeRowHeightsToFit, and those of them stored into since.
    std::set<ROWCOL> m_fittedRows;
    std::set<ROWCOL> m_changedRows;
};
