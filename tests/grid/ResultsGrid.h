#pragma once
// A host's results table on CRwGrid: the header row comes as record -1, the
// rows are the grid library's, and the host's records follow the grid's
// insertions and removals. Its log speaks in record numbers, as BeamGrid's.
#include "BeamGrid.h"
#include "grid/RwGrid.h"

enum ResultField { F_CASE = 10, F_N = 20, F_M = 30 };

class ResultsGrid : public NVorel::CRwGrid {
public:
    std::vector<std::vector<std::wstring>> m_rows{
        {L"LC1", L"120", L"45.5"}, {L"LC2", L"80", L"30.1"}, {L"LC3", L"95", L"-12.0"}, {L"LC4", L"60", L"7.2"}};
    Log m_log;
    bool m_bLogReads = false; // cell reads are many: logged only when asked
    int m_nDefaultWidth = 70;

    void describe()
    {
        GetCols() = {F_CASE, F_N, F_M};
        SetRowCount((ROWCOL)m_rows.size());
        ApplyCol2Var();
    }
    Log takeLog() { return std::exchange(m_log, {}); }
    using CRwGrid::notify;

    BOOL StoreInsertRows(ROWCOL nRow, ROWCOL nCount, BOOL bProcessed) override
    {
        m_log.push_back("insert " + std::to_string(nRow - 1) + " " + std::to_string(nCount));
        m_rows.insert(m_rows.begin() + (long)nRow - 1, nCount, std::vector<std::wstring>(3));
        return CRwGrid::StoreInsertRows(nRow, nCount, bProcessed);
    }
    BOOL StoreRemoveRows(ROWCOL nFromRow, ROWCOL nToRow, BOOL bProcessed) override
    {
        m_log.push_back("remove " + std::to_string(nFromRow - 1) + " " + std::to_string(nToRow - 1));
        m_rows.erase(m_rows.begin() + (long)nFromRow - 1, m_rows.begin() + (long)nToRow);
        return CRwGrid::StoreRemoveRows(nFromRow, nToRow, bProcessed);
    }

protected:
    int _GetStyleRowCol(int nRec, int nField, CGXStyle& style) override
    {
        if (m_bLogReads)
            m_log.push_back("get " + std::to_string(nRec) + " " + std::to_string(nField));
        const size_t i = (size_t)nField / 10 - 1;
        if (nRec == -1)
            style.SetValue(i == 0 ? L"Case" : i == 1 ? L"N" : L"M");
        else if (nRec < (int)m_rows.size())
            style.SetValue(m_rows[(size_t)nRec][i].c_str());
        return 1;
    }
    int _StoreStyleRowCol(int nRec, int nField, const CGXStyle* pStyle) override
    {
        m_log.push_back("store " + std::to_string(nRec) + " " + std::to_string(nField) + " " +
                        toUtf8(pStyle->GetValue().str()));
        m_rows[(size_t)nRec][(size_t)nField / 10 - 1] = pStyle->GetValue().GetString();
        return 1;
    }
    int _GetColWidth(int nField) override { return nField == F_CASE ? 40 : m_nDefaultWidth; }
};
