#pragma once
// CRwGrid: a light grid window over a host's records, with one header row
// that the host fills like a record, no column groups, no context menu and no
// saved layout. Its columns are a plain list of the host's field ids; its
// rows are the grid library's own (SetRowCount, InsertRows, RemoveRows), so a
// host whose records must follow Delete or the spare row overrides the grid
// library's StoreRemoveRows / StoreInsertRows.
//
// Call flow
//   Host: GetCols() filled, SetRowCount -> ApplyCol2Var(): every column's
//     width = _GetColWidth(field) x the screen's DPI factor, truncated; redraw.
//   Grid library -> GetStyleRowCol(r, c) -> _GetStyleRowCol(r - 1, field):
//     the header row is record -1, the corner cell is never asked;
//     StoreStyleRowCol -> _StoreStyleRowCol(record, field, style).
//   User: Delete -> removeSelectedRows, last selected row first; editing in
//     the last row -> addEmptyLine first.
#include "gridctl/GXGridWnd.h"
#include "units/Qemet.h"

#include <vector>

namespace NVorel {

class CRwGrid : public CGXGridWnd {
public:
    CRwGrid();
    ~CRwGrid() override;

    // Every constructed grid not yet destroyed, in order of construction.
    static const std::vector<CRwGrid*>& AllInstances();
    // Redraws every registered grid that has a live window.
    static void RedrawAll();

    // Field id per grid column; entry 0 is the row-header column.
    std::vector<int>& GetCols() { return m_cols; }
    // Sets the widths asked of the host, scaled for the screen; widths the
    // user dragged are given up.
    void ApplyCol2Var();
    // Null: notifications go to the parent window.
    void setReceiver(CWnd* pReceiver) { m_receiver = pReceiver; }
    // Ctrl+V and Shift+Insert paste as in CRGrid; off until the host asks.
    void setPaste(bool bPaste) { m_paste = bPaste; }

    // Standard styles, then the grid library's set-up.
    void OnInitialUpdate() override;

    // A grid without fields has no columns; a column beyond the fields has
    // no style and stores nothing.
    ROWCOL GetColCount() override;
    BOOL GetStyleRowCol(ROWCOL nRow, ROWCOL nCol, CGXStyle& style, GXModifyType mt, int nType) override;
    BOOL StoreStyleRowCol(ROWCOL nRow, ROWCOL nCol, const CGXStyle* pStyle, GXModifyType mt, int nType) override;
    BOOL ProcessKeys(CWnd* pSender, UINT nMessage, UINT nChar, UINT nRepCnt = 1, UINT flags = 0) override;
    BOOL OnStartEditing(ROWCOL nRow, ROWCOL nCol) override;

    static std::vector<CRwGrid*> _AllInstances;

    // The host interface, in the order of the window table; the base
    // versions give an empty grid.
protected:
    virtual int _StoreStyleRowCol(int nRec, int nField, const CGXStyle* pStyle);
    // nRec -1 is the header row.
    virtual int _GetStyleRowCol(int nRec, int nField, CGXStyle& style);
    // The width before scaling for the screen.
    virtual int _GetColWidth(int nField);

public:
    // A hook for the host's subclass; the library never calls it.
    virtual int UpdateGridData(int nHint);

protected:
    // One row appended below the last one.
    virtual void addEmptyLine();
    // The whole selected rows removed; the caller redraws.
    virtual void removeSelectedRows();

    // The services CRGrid offers its hosts, with the same behaviour.
    CString makeColName(int nStringId, qemet::QEMET_TYPES eType);
    bool validDblCell(double* pValue, int nRow, int nCol, bool bRequired, double dDefault);
    bool validIntCell(int* pValue, int nRow, int nCol, bool bRequired, int nDefault);
    void notify(int nMsg);

private:
    bool hasField(ROWCOL nCol) const { return nCol < m_cols.size(); }

    std::vector<int> m_cols;
    CWnd* m_receiver = nullptr;
    bool m_paste = false;
};

} // namespace NVorel
