#pragma once
// Grids as the library's grids use the core.
#include "gridctl/GXGridCore.h"
#include "win/kernel/Utf8.h"

#include <map>
#include <string>
#include <utility>
#include <vector>

// Keeps its records itself, as a record grid's host does, answers the data
// operations from them and logs every store that reaches it. Row 0 holds the
// titles; grid row r shows record r - 1; m_styles adds styles of single cells.
template <class Base> class RecordsHost : public Base {
public:
    RecordsHost(std::vector<std::wstring> titles, std::vector<std::vector<std::wstring>> records)
        : m_titles(std::move(titles)), m_records(std::move(records))
    {
    }

    ROWCOL GetRowCount() override { return (ROWCOL)m_records.size(); }
    ROWCOL GetColCount() override { return (ROWCOL)m_titles.size(); }

    BOOL GetStyleRowCol(ROWCOL nRow, ROWCOL nCol, CGXStyle& style, GXModifyType mt, int nType) override
    {
        if (mt == gxRemove || nType != 0 || nCol == 0 || nCol > m_titles.size() || nRow > m_records.size())
            return FALSE;
        if (const auto it = m_styles.find({nRow, nCol}); it != m_styles.end())
            style.ChangeStyle(it->second, gxOverride);
        if (!style.GetIncludeValue())
            style.SetValue(nRow == 0 ? m_titles[nCol - 1].c_str() : m_records[nRow - 1][nCol - 1].c_str());
        return TRUE;
    }

    BOOL StoreStyleRowCol(ROWCOL nRow, ROWCOL nCol, const CGXStyle* pStyle, GXModifyType mt, int nType) override
    {
        if (mt == gxRemove || nType == -1 || nRow == 0)
            return FALSE;
        log("store " + cell(nRow, nCol) + " " + toUtf8(pStyle->GetValue().str()));
        if (!m_bAccept)
            return FALSE;
        if (const auto it = m_styles.find({nRow, nCol}); it != m_styles.end() && it->second.GetIncludeValue())
            it->second.SetValue(pStyle->GetValue());
        else
            m_records[nRow - 1][nCol - 1] = pStyle->GetValue().GetString();
        return TRUE;
    }

    // Inserts tell the base that the host took them.
    BOOL StoreInsertRows(ROWCOL nRow, ROWCOL nCount, BOOL) override
    {
        log("insert " + std::to_string(nRow) + " " + std::to_string(nCount));
        if (m_bAccept)
            m_records.insert(m_records.begin() + (nRow - 1), nCount, std::vector<std::wstring>(m_titles.size()));
        return m_bAccept && Base::StoreInsertRows(nRow, nCount, TRUE);
    }

    BOOL StoreRemoveRows(ROWCOL nFromRow, ROWCOL nToRow, BOOL) override
    {
        log("remove " + std::to_string(nFromRow) + " " + std::to_string(nToRow));
        if (m_bAccept)
            m_records.erase(m_records.begin() + (nFromRow - 1), m_records.begin() + nToRow);
        return Base::StoreRemoveRows(nFromRow, nToRow, m_bAccept);
    }

    void log(const std::string& s) { m_log += (m_log.empty() ? "" : "; ") + s; }
    static std::string cell(ROWCOL r, ROWCOL c) { return std::to_string(r) + "," + std::to_string(c); }

    std::vector<std::wstring> m_titles;
    std::vector<std::vector<std::wstring>> m_records;
    std::map<std::pair<ROWCOL, ROWCOL>, CGXStyle> m_styles;
    BOOL m_bAccept = TRUE;
    std::string m_log;
};

// The host over the core alone, counting the redraws it asks for.
class HostGrid : public RecordsHost<CGXGridCore> {
public:
    using RecordsHost::RecordsHost;
    void RedrawRowCol(const CGXRange&, UINT, BOOL) override { ++m_nRedraws; }
    int m_nRedraws = 0;
};

// A grid over the core's own data, filled from rows of texts (row 0 first).
inline void fillOwnGrid(CGXGridCore& grid, const std::vector<std::vector<std::wstring>>& rows)
{
    grid.SetRowCount((ROWCOL)rows.size() - 1);
    grid.SetColCount((ROWCOL)rows[0].size() - 1);
    for (size_t r = 0; r < rows.size(); ++r)
        for (size_t c = 0; c < rows[r].size(); ++c)
            grid.SetValueRange(CGXRange((ROWCOL)r, (ROWCOL)c), rows[r][c].c_str());
}

// Rows 1..3 and columns A..C of the core's own data: "1", "a1", "b1", "c1" ...
inline void fillThreeByThree(CGXGridCore& grid)
{
    fillOwnGrid(grid, {{L"", L"A", L"B", L"C"},
                       {L"1", L"a1", L"b1", L"c1"},
                       {L"2", L"a2", L"b2", L"c2"},
                       {L"3", L"a3", L"b3", L"c3"}});
}

// The rows that GetSelectedRows gives, as "1 2 3 ".
inline std::string SelectedRows(CGXGridCore& grid, BOOL bRangeRowsOnly = TRUE, BOOL bCanUseCurrentCell = FALSE)
{
    CRowColArray rows;
    grid.GetSelectedRows(rows, bRangeRowsOnly, bCanUseCurrentCell);
    std::string s;
    for (ROWCOL r : rows)
        s += std::to_string(r) + " ";
    return s;
}
