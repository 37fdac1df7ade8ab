#pragma once
// The beams of BeamGrid.h on the simple record grid CRwGrid: the header row
// comes as record -1 and the rows are the grid library's, which the host's
// records follow. Its log speaks in record numbers, as BeamGrid's.
#include "BeamGrid.h"
#include "grid/RwGrid.h"

class SimpleBeamGrid : public NVorel::CRwGrid, public BeamRecords {
public:
    void describe()
    {
        GetCols() = {F_NAME, F_B, F_H, F_NOTE};
        SetRowCount((ROWCOL)m_beams.size());
        ApplyCol2Var();
    }
    using CRwGrid::notify;

    BOOL StoreInsertRows(ROWCOL nRow, ROWCOL nCount, BOOL bProcessed) override
    {
        log("insert", nRow - 1, nCount);
        m_beams.insert(m_beams.begin() + (long)nRow - 1, nCount, Beam{});
        return CRwGrid::StoreInsertRows(nRow, nCount, bProcessed);
    }
    BOOL StoreRemoveRows(ROWCOL nFromRow, ROWCOL nToRow, BOOL bProcessed) override
    {
        log("remove", nFromRow - 1, nToRow - 1);
        m_beams.erase(m_beams.begin() + (long)nFromRow - 1, m_beams.begin() + (long)nToRow);
        return CRwGrid::StoreRemoveRows(nFromRow, nToRow, bProcessed);
    }

protected:
    int _GetStyleRowCol(int nRec, int nField, CGXStyle& style) override
    {
        if (m_bLogReads)
            log("get", nRec, nField);
        style.SetValue(nRec == -1 ? title(nField) : hasRecord(nRec) ? m_beams[(size_t)nRec][nField].c_str() : L"");
        return 1;
    }
    int _StoreStyleRowCol(int nRec, int nField, const CGXStyle* pStyle) override
    {
        log("store", nRec, nField, toUtf8(pStyle->GetValue().str()));
        m_beams.at((size_t)nRec)[nField] = pStyle->GetValue().GetString();
        return 1;
    }
    int _GetColWidth(int nField) override { return 50 + nField; }
};
