#pragma once
// CRGrid: a grid window over a host's records. It keeps no cell data: the
// host describes the columns (GetCols) and answers the underscore operations
// with its records; the grid translates rows and columns into record numbers
// and field identifiers.
//
// Call flow
//   Host: GetCols() filled -> ApplyCol2Var(): one header row, or two when
//     adjacent columns share a group (a group title over them, the others'
//     titles covered over both rows), none after showHeader(false); redraw.
//   Grid library -> GetRowCount = _GetRowCount() + header rows - 1;
//     GetStyleRowCol(r, c): header rows -> _GetStyleHeader(level, id,
//     grouped), data rows -> _GetStyleRowCol(r - header rows, Field);
//     StoreStyleRowCol -> _StoreStyleRowCol(record, Field, style);
//     StoreInsertRows / StoreRemoveRows -> _StoreInsertRows /
//     _StoreRemoveRows with record numbers; GetColWidth -> the width cached
//     per Field, asked of _GetColWidth once.
//   User (RGridEdit.cpp): Insert / Delete -> insertSelectedRows /
//     removeSelectedRows, last selected row first; editing in the last row
//     -> addEmptyLine first; Ctrl+A selects all; a right click opens menu
//     480 when setContextMenu(true).
//   Commands (RGridCommands.cpp), from menu 480 or the host's menus:
//     57642 select all, 57634 copy, 57637 paste (after setPaste(true)),
//     39950 export as CSV.
//   Status (RGridStatus.cpp): SaveStatusXML writes the descriptors and
//     widths into the host's XML document; LoadStatusXML reads them back,
//     and the host calls ApplyCol2Var afterwards.
//
// Record r is grid row r + getNonOfHeader(); grid column c is described by
// GetCols()[c], descriptor 0 being the row-header column.
#include "gridctl/GXGridWnd.h"
#include "units/Qemet.h"

#include <map>
#include <vector>

struct IDispatch;

namespace NVorel {

class CRGrid : public CGXGridWnd {
public:
    struct SColDsc {
        int Field;    // the host's field shown in the column
        int Group;    // columns of one group share a title; -1: no group
        bool Grouped; // set by ApplyCol2Var: under a group title
    };

    CRGrid();
    ~CRGrid() override;

    // Every constructed grid not yet destroyed, in order of construction.
    static const std::vector<CRGrid*>& AllInstances();
    // Redraws every registered grid that has a live window.
    static void RedrawAll();

    std::vector<SColDsc>& GetCols() { return m_cols; }
    int getNonOfHeader() const { return m_nonOfHeader; }
    // No bounds check: header rows give negative record numbers.
    int row2rec(int nRow) const { return nRow - getNonOfHeader(); }
    // Takes effect at the next ApplyCol2Var.
    void showHeader(bool bShow) { m_showHeader = bShow; }
    void ApplyCol2Var();
    // Every width is asked of the host again.
    void resetColWidth() { m_colWidths.clear(); }
    void setContextMenu(bool bContextMenu) { m_contextMenu = bContextMenu; }
    // Ctrl+V, Shift+Insert and the context menu's "Paste" take the
    // clipboard's text from the current cell on (recordgrid::pasteClipboard);
    // off until the host asks.
    void setPaste(bool bPaste) { m_paste = bPaste; }
    // Null: notifications go to the parent window.
    void setReceiver(CWnd* pReceiver) { m_receiver = pReceiver; }
    void selectRowDada(int nRec, bool bSelect);
    // Scrolls the record's cell in grid column 1 into view.
    void scrollRowDataInView(int nRec);

    // Standard styles, then the grid library's set-up; moving rows and
    // columns and undo switched off.
    void OnInitialUpdate() override;

    // The grid library's data operations over the host's records. A grid
    // without descriptors has no columns; a column beyond the descriptors has
    // no style and stores nothing.
    ROWCOL GetColCount() override;
    ROWCOL GetRowCount() override;
    BOOL GetStyleRowCol(ROWCOL nRow, ROWCOL nCol, CGXStyle& style, GXModifyType mt, int nType) override;
    BOOL StoreStyleRowCol(ROWCOL nRow, ROWCOL nCol, const CGXStyle* pStyle, GXModifyType mt, int nType) override;
    BOOL StoreInsertRows(ROWCOL nRow, ROWCOL nCount, BOOL bProcessed) override;
    BOOL StoreRemoveRows(ROWCOL nFromRow, ROWCOL nToRow, BOOL bProcessed) override;
    int GetColWidth(ROWCOL nCol) override;
    // A nToCol of 0 is nFromCol. The widths are cached under the columns'
    // fields, from anWidthArray[c] when given.
    BOOL SetColWidth(ROWCOL nFromCol, ROWCOL nToCol, int nWidth, int* anWidthArray = nullptr,
                     UINT flags = GX_UPDATENOW, GXCmdType ctCmd = gxDo) override;

    // Editing (RGridEdit.cpp).
    BOOL ProcessKeys(CWnd* pSender, UINT nMessage, UINT nChar, UINT nRepCnt = 1, UINT flags = 0) override;
    BOOL OnGridChar(UINT nChar, UINT nRepCnt, UINT flags) override;
    BOOL OnStartEditing(ROWCOL nRow, ROWCOL nCol) override;
    BOOL DoRButtonDown(UINT flags, CPoint pt) override;

    static std::vector<CRGrid*> _AllInstances;

    // The host interface, in the order of the window table; the base
    // versions give an empty grid.
protected:
    virtual int _StoreStyleRowCol(int nRec, int nField, const CGXStyle* pStyle);
    virtual int _GetStyleRowCol(int nRec, int nField, CGXStyle& style);
    // nLevel 0: the column title of field nId (bGrouped: under a group
    // title); nLevel 1: the title of group nId.
    virtual int _GetStyleHeader(int nLevel, int nId, bool bGrouped, CGXStyle& style);
    virtual int _StoreRemoveRows(int nFromRec, int nToRec);
    virtual int _StoreInsertRows(int nRec, int nCount);
    // A service for the host: makes the style a read-only label cell
    // (wrapped, centred, raised, disabled, on the button face, bold).
    virtual int _ModifyStyleRowCol(int nRec, int nField, CGXStyle& style);
    virtual int _GetColWidth(int nField, bool bDefault);
    virtual int _GetRowCount();

public:
    // The column layout as a GridStatus element appended to pParent (an
    // IXMLDOMElement) of pDoc (an IXMLDOMDocument): one ColumnInfo per
    // descriptor with its Order, Field, Group, Grouped and Width. A failed
    // DOM call throws _com_error; an argument without its interface throws
    // _com_error(E_POINTER).
    virtual void SaveStatusXML(IDispatch* pDoc, IDispatch* pParent);
    // Replaces the descriptors (and their widths) by each ColumnsInfo found
    // under the GridStatus children of pParent, tags in any case. Throws as
    // SaveStatusXML does, and for an attribute that is not a 32-bit number;
    // a ColumnsInfo is read whole before it changes the grid, and the update
    // lock is as before on every path.
    virtual void LoadStatusXML(IDispatch* pParent);
    // A hook for the host's subclass; the library never calls it.
    virtual int UpdateGridData(int nHint);

protected:
    // One record appended below the last row.
    virtual void addEmptyLine();
    // Records removed at, or inserted before, each whole selected row; the
    // caller redraws.
    virtual void removeSelectedRows();
    virtual void insertSelectedRows();

    // The title of string nStringId over its unit: "Width\n (mm)".
    CString makeColName(int nStringId, qemet::QEMET_TYPES eType);
    // The cell's text as a number; an empty required cell becomes the
    // current cell and gives false (see recordgrid::readDouble).
    bool validDblCell(double* pValue, int nRow, int nCol, bool bRequired, double dDefault);
    bool validIntCell(int* pValue, int nRow, int nCol, bool bRequired, int nDefault);
    // Sends nMsg to the receiver, else to the parent, synchronously.
    void notify(int nMsg);

    // Commands (RGridCommands.cpp).
    afx_msg void OnEditSelectAll();
    afx_msg void OnEditCopy();
    afx_msg void OnEditExportExcelCSV();
    // 57637; nothing while paste is off.
    afx_msg void OnEditPaste();

    DECLARE_MESSAGE_MAP()

private:
    // Loading: each (field, width) cached in turn, then the descriptors
    // replaced and each column's width set from its field.
    void setLayout(std::vector<SColDsc> cols, const std::vector<std::pair<int, int>>& fieldWidths);
    const SColDsc* descriptor(ROWCOL nCol) const;
    BOOL headerStyle(ROWCOL nRow, const SColDsc& d, CGXStyle& style);
    void coverHeaders();
    void writeCsv(const CString& path);
    bool isRecord(int nRec);

    std::vector<SColDsc> m_cols;
    std::map<int, int> m_colWidths;
    bool m_showHeader = true;
    int m_nonOfHeader = 1;
    bool m_contextMenu = false;
    bool m_paste = false;
    CWnd* m_receiver = nullptr;
};

} // namespace NVorel
