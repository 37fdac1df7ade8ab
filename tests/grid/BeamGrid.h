#pragma once
// A host's beams, kept in its own vector and shown through either record
// grid (BeamGrid on CRGrid, SimpleBeamGrid on CRwGrid), with a log of every
// call that reaches the host interface, in record numbers. Field ids differ
// from column positions on purpose.
#include "frame/Lang.h"
#include "grid/RGrid.h"
#include "grid/RwGrid.h"
#include "support/GridOnDesktop.h"
#include "support/Ink.h"

#include <sstream>
#include <string>
#include <utility>
#include <vector>

using Log = std::vector<std::string>;

enum BeamField { F_NAME = 10, F_B = 20, F_H = 30, F_NOTE = 40 };
constexpr int G_SECTION = 7;

struct Beam {
    std::wstring name, b, h, note;
    std::wstring& operator[](int nField) { return nField < F_B ? name : nField < F_H ? b : nField < F_NOTE ? h : note; }
};

// The records as testsupport::gridText shows them.
inline const std::string beamRows = "B1|300|600|internal\n"
                                    "B2|250|500|edge\n"
                                    "B3|300|750|internal\n"
                                    "B4|200|400|roof\n";

template <class Grid> class BeamHost : public Grid {
public:
    std::vector<Beam> m_beams{{L"B1", L"300", L"600", L"internal"},
                              {L"B2", L"250", L"500", L"edge"},
                              {L"B3", L"300", L"750", L"internal"},
                              {L"B4", L"200", L"400", L"roof"}};
    Log m_log;
    bool m_bLogReads = false; // cell reads are many: logged only when asked
    std::wstring m_refused = L"?"; // a value the host's validation refuses
    int m_readOnlyField = 0;       // cells of this field are read-only
    size_t m_maxRecords = 1000;    // rows asked for beyond this are refused

    Log takeLog() { return std::exchange(m_log, {}); }
    using Grid::notify;

protected:
    template <class... Parts> void log(const char* call, Parts... parts)
    {
        std::ostringstream s;
        s << call;
        ((s << ' ' << parts), ...);
        m_log.push_back(s.str());
    }
    bool hasRecord(int nRec) const { return nRec >= 0 && nRec < (int)m_beams.size(); }
    static const wchar_t* title(int n) { return n < F_B ? L"Beam" : n < F_H ? L"b" : n < F_NOTE ? L"h" : L"Note"; }

    // Record -1 is the simple grid's header row.
    int _GetStyleRowCol(int nRec, int nField, CGXStyle& style) override
    {
        if (m_bLogReads)
            log("get", nRec, nField);
        style.SetValue(nRec == -1 ? title(nField) : hasRecord(nRec) ? m_beams[(size_t)nRec][nField].c_str() : L"");
        if (nRec >= 0 && nField == m_readOnlyField)
            style.SetReadOnly(TRUE);
        return nRec == -1 || hasRecord(nRec);
    }
    int _StoreStyleRowCol(int nRec, int nField, const CGXStyle* pStyle) override
    {
        log("store", nRec, nField, toUtf8(pStyle->GetValue().str()));
        if (!hasRecord(nRec) || pStyle->GetValue() == m_refused.c_str())
            return 0;
        m_beams[(size_t)nRec][nField] = pStyle->GetValue().GetString();
        return 1;
    }
};

class BeamGrid : public BeamHost<NVorel::CRGrid> {
public:
    bool m_bAccept = true; // removals taken

    // Name, b, h and note; b and h in the section group when grouped.
    void describe(bool bGrouped = false)
    {
        const int group = bGrouped ? G_SECTION : -1;
        GetCols() = {{F_NAME, -1, false}, {F_B, group, false}, {F_H, group, false}, {F_NOTE, -1, false}};
        ApplyCol2Var();
    }
    // The host's own services, as its subclass uses them.
    using CRGrid::makeColName;
    using CRGrid::validDblCell;
    using CRGrid::validIntCell;

protected:
    int _GetRowCount() override { return (int)m_beams.size(); }
    // Level 1: the title of a group; level 0: a column's.
    int _GetStyleHeader(int nLevel, int nId, bool bGrouped, CGXStyle& style) override
    {
        if (m_bLogReads)
            log(bGrouped ? "grouped header" : "header", nLevel, nId);
        style.SetValue(nLevel == 0 ? title(nId) : nId == G_SECTION ? L"Section" : L"?");
        return 1;
    }
    int _StoreInsertRows(int nRec, int nCount) override
    {
        log("insert", nRec, nCount);
        if (m_beams.size() + (size_t)nCount > m_maxRecords)
            return 0;
        m_beams.insert(m_beams.begin() + nRec, (size_t)nCount, Beam{});
        return 1;
    }
    int _StoreRemoveRows(int nFromRec, int nToRec) override
    {
        log("remove", nFromRec, nToRec);
        if (m_bAccept)
            m_beams.erase(m_beams.begin() + nFromRec, m_beams.begin() + nToRec + 1);
        return m_bAccept;
    }
    int _GetColWidth(int nField, bool) override
    {
        log("width", nField);
        return 50 + nField; // name 60, b 70, h 80, note 90
    }
};

// The simple grid's rows are the grid library's: the host's records follow them.
class SimpleBeamGrid : public BeamHost<NVorel::CRwGrid> {
public:
    void describe()
    {
        GetCols() = {F_NAME, F_B, F_H, F_NOTE};
        SetRowCount((ROWCOL)m_beams.size());
        ApplyCol2Var();
    }
    BOOL StoreInsertRows(ROWCOL nRow, ROWCOL nCount, BOOL bProcessed) override
    {
        log("insert", nRow - 1, nCount);
        if (m_beams.size() + nCount > m_maxRecords)
            return FALSE;
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
    int _GetColWidth(int nField) override { return 50 + nField; }
};

// The English language module, which a CDynLinkLibrary of it puts in the
// host's resource chain: menu 480, the CSV filter 39951, titles such as 39955.
inline HINSTANCE englishModule()
{
    NVorel::setLangWork(48, (fromUtf8(VOREL_LANG_DIR) + L"/").c_str());
    return NVorel::getLangModule();
}

// A host window that keeps the application messages it receives.
struct Receiver : CWnd {
    std::vector<UINT> m_received;

    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message >= WM_APP)
            m_received.push_back(message);
        return CWnd::WindowProc(message, wParam, lParam);
    }
};

// A record grid on the desktop with its host's layout applied: rows of 20
// pixels; columns as the host sizes them (name 60, b 70, h 80, note 90), so
// column c starts at client x 0, 60, 130, 210.
template <class Grid> class HostedGrid : public testsupport::GridOnDesktop<Grid, Receiver> {
protected:
    void SetUp() override
    {
        testsupport::GridOnDesktop<Grid, Receiver>::SetUp();
        this->grid.describe();
        platform::desktop().processMessages();
        this->grid.takeLog();
    }
    // The ink of a row header's text that the screen shows around a point,
    // as the text shows around the header's middle.
    static int inkAround(CPoint p)
    {
        const testsupport::Ink ink{GetSysColor(COLOR_WINDOWTEXT), GetSysColor(COLOR_BTNFACE)};
        return ink.count(platform::desktop().screen(), CRect(p.x - 12, p.y - 6, p.x + 12, p.y + 6));
    }
};

using RecordGrid = HostedGrid<BeamGrid>;
using SimpleRecordGrid = HostedGrid<SimpleBeamGrid>;
