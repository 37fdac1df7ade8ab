#pragma once
// The reinforcement area scale: CGridAreaScale, the grid window that shows and
// edits one scale, and the types nested in it.
//
// Call flow
//   Create -> OnGridInitialUpdate: header pictures 482/483, the header and
//     colour cell controls, a double-height header row, row-height tracking.
//   Redraw() -> PrepareToDisplay (rows sorted by area, bounds chained, equal
//     areas merged, automatic colours) -> repaint -> the grid library asks
//     GetStyleRowCol -> GetValueForHeader / GetValueForCell.
//   Editing (GridAreaScaleEdit.cpp): a typed or chosen value ->
//     StoreStyleRowCol -> the item -> Redraw -> notify(0x8000). Insert and
//     Delete, the colour dialog of column 1 and the context menu 481 end the
//     same way. The rows and their arithmetic
// are GridAreaScaleItem.h; generated scales and colours AutoScale.h.
#include "gridctl/GXGridWnd.h"
#include "units/Qemet.h"
#include "win/Afx.h"

#include <vector>

class CGridAreaScale : public CGXGridWnd {
public:
    // Where bar diameters come from and how they are shown (the bar source).
    enum eGridAreaScaleDimType {
        DIM_LIST_NAME = 0,
        DIM_LIST_VALUE = 1,
        DIM_METRIC = 2,
        DIM_ASTM = 3,
        DIM_CSA = 4,
    };

    // The kind of automatic scale; any non-zero value behaves as geometric.
    enum eGridAreaScaleType {
        SCALE_ARITHMETIC = 0,
        SCALE_GEOMETRIC = 1,
    };

    // The editing grid, or the display-only legend (colours and bounds).
    enum eGridType {
        GRID_EDIT = 0,
        GRID_DISPLAY = 1,
    };

    class CGridAreaScaleItem;

    CGridAreaScale();
    ~CGridAreaScale() override;

    // The default parameters; empties the rows. No redraw.
    void Reset();

    // A change of at least epsilon regenerates the scale and redraws it.
    void SetAreaMin(double dArea);
    void SetAreaMax(double dArea);
    void SetDim(double dDim);
    void SetGridSize(double dGridSize);
    double GetAreaMin() const { return m_areaMin; }
    double GetAreaMax() const { return m_areaMax; }
    double GetDim() const { return m_dim; }
    double GetGridSize() const { return m_gridSize; }
    // A changed value regenerates the scale and redraws it.
    void SetSectionCount(unsigned int nCount);
    void SetScaleType(eGridAreaScaleType eType);
    unsigned int GetSectionCount() const { return m_sectionCount; }
    eGridAreaScaleType GetScaleType() const { return m_scaleType; }
    // A changed bar source redraws the rows as they are.
    void SetDimType(eGridAreaScaleDimType eType);
    eGridAreaScaleDimType GetDimType() const { return m_dimType; }
    // The host's diameters and their names, for every grid of the process;
    // ignored unless both have the same size and no name is empty. This grid
    // then shows bars from the list.
    void SetDiamList(const std::vector<double>& vals, const std::vector<CString>& names);
    // These three take effect at the next OnGridUpdate or Redraw.
    void SetGridType(eGridType eType) { m_gridType = eType; }
    void SetGridUnit(qemet::QEMET_TYPES eUnit) { m_gridUnit = eUnit; }
    void SetItems(std::vector<CGridAreaScaleItem> items);
    const std::vector<CGridAreaScaleItem>& GetItems() const { return m_items; }
    eGridType GetGridType() const { return m_gridType; }

    // Normalises the rows and repaints the whole grid.
    void Redraw();
    // Regenerates the rows from the parameters (not in a display-only grid).
    void AutoScale(int bRedraw, int bRemoveScale);
    // Gives every row back its automatic colour flag.
    void ColorAutoScale();
    // The window told of every change the user makes; else the parent.
    void setReceiver(CWnd* pWnd) { m_receiver = pWnd; }

    // --- The grid library's side
    void OnGridInitialUpdate() override;
    void OnGridUpdate(CWnd* pSender, __int64 lHint, CObject* pHint) override;
    ROWCOL GetRowCount() override;
    ROWCOL GetColCount() override;
    BOOL GetStyleRowCol(ROWCOL nRow, ROWCOL nCol, CGXStyle& style, GXModifyType mt, int nType) override;
    BOOL StoreStyleRowCol(ROWCOL nRow, ROWCOL nCol, const CGXStyle* pStyle, GXModifyType mt, int nType) override;
    BOOL StoreInsertRows(ROWCOL nRow, ROWCOL nCount, BOOL bProcessed) override;
    BOOL StoreRemoveRows(ROWCOL nFromRow, ROWCOL nToRow, BOOL bProcessed) override;
    BOOL OnTrackColWidth(ROWCOL nCol) override;
    BOOL ProcessKeys(CWnd* pKeyWnd, UINT nMessage, UINT nChar, UINT nRepCnt = 1, UINT nFlags = 0) override;
    void OnClickedButtonRowCol(ROWCOL nRow, ROWCOL nCol) override;
    BOOL DoRButtonDown(UINT nFlags, CPoint pt) override;

    // The header pictures, for the header control.
    CBitmap m_bmpDim1;
    CBitmap m_bmpDim2;

    // Ids of the cell controls the grid registers.
    static constexpr WORD IDC_COLOR_CELL = 101;
    static constexpr WORD IDC_BITMAP_HEADER = 52520;
    // The message the receiver gets after every change by the user.
    static constexpr int WM_AREASCALE_CHANGED = 0x8000;

protected:
    BOOL GetValueForHeader(ROWCOL nCol, CGXStyle& style);
    BOOL GetValueForCell(ROWCOL nRow, ROWCOL nCol, CGXStyle& style);
    // Sorts the rows, chains their bounds, removes duplicates, recolours.
    void PrepareToDisplay();

    void notify(int nCode);
    void InsertRow();
    int RemoveSelectedRows();

    afx_msg void OnInitMenuPopup(CMenu* pMenu, UINT nIndex, BOOL bSysMenu);
    afx_msg void OnSelectDim(UINT nID);
    afx_msg void OnSelectScaleType(UINT nID);
    afx_msg void OnAutoScale();
    afx_msg void OnColorAutoScale();
    afx_msg void OnRemoveScale();

    DECLARE_MESSAGE_MAP()

    CWnd* m_receiver = nullptr;
    double m_areaMax = 0.004;
    double m_areaMin = 0.0;
    double m_dim = 0.02;
    double m_gridSize = 0.01;
    unsigned int m_sectionCount = 2;
    eGridAreaScaleType m_scaleType = SCALE_ARITHMETIC;
    eGridAreaScaleDimType m_dimType = DIM_METRIC;
    std::vector<CGridAreaScaleItem> m_items;
    std::vector<double> m_diamVals;
    std::vector<CString> m_diamNames;
    eGridType m_gridType = GRID_EDIT;
    qemet::QEMET_TYPES m_gridUnit = qemet::QT_REINF_AREA;

private:
    // Stores a changed parameter and regenerates the scale.
    template <class T> void setScaleParameter(T& member, T value, bool bChanged);
    // The disabled look of a cell that is shown but not edited.
    static void disabledLook(CGXStyle& style);
    // The text of a value of the kind, in the user's unit.
    static CString unitText(qemet::QEMET_TYPES kind, double value);
    // Reads a typed value of the kind; false when it is no such value.
    static bool readUnitText(qemet::QEMET_TYPES kind, const CString& text, double& value);
    BOOL storeDiameter(CGridAreaScaleItem& item, int nDim, const CGXStyle& style);
    void diameterCell(const CGridAreaScaleItem& item, int nDim, bool bTop, bool bLast, CGXStyle& style);
};

#include "areascale/GridAreaScaleItem.h"
