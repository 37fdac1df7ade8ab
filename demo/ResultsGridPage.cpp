// A results table as a host builds it on CRwGrid: one header row that the
// host fills like a record (record -1), columns sized from the host's widths
// scaled for the screen, Delete, and the table as an RTF document split into
// pages for a narrow report column.
#include "Pages.h"
#include "RtfDocument.h"
#include "Screenshot.h"

#include "grid/Grid2Rtf.h"
#include "grid/RwGrid.h"
#include "units/Qemet.h"
#include "win/Afx.h"

#include <memory>

namespace {

using qemet::Qemet;

enum : UINT { IDS_RES_BEAM = 4101, IDS_RES_CASE, IDS_RES_M, IDS_RES_AS, IDS_RES_FORM };
const winres::StringResource kResultStrings[] = {
    {IDS_RES_BEAM, L"Beam"}, {IDS_RES_CASE, L"Load case"}, {IDS_RES_M, L"M"},
    {IDS_RES_AS, L"As,req"}, {IDS_RES_FORM, L"Formwork"},
};
const winres::ResourceTable kResultTable{kResultStrings, {}, {}, {}};

enum Field { F_NO = 0, F_BEAM, F_CASE, F_M, F_AS, F_FORM };

struct Result {
    std::wstring beam, loadCase;
    double moment; // kNm
    double as;     // m2, required reinforcement
    double form;   // m2 of formwork
};

class ResultsTable : public NVorel::CRwGrid {
public:
    std::vector<Result> m_results{{L"B1", L"LC1 dead + live", 182.4, 9.42e-4, 11.2},
                                  {L"B1", L"LC2 wind \u00B1", 121.0, 6.16e-4, 11.2},
                                  {L"B2", L"LC1 dead + live", 96.3, 5.09e-4, 7.4},
                                  {L"B3", L"LC1 dead + live", 244.8, 1.257e-3, 15.9},
                                  {L"B3", L"LC3 {snow}", 203.5, 1.018e-3, 15.9}};

    void describe()
    {
        GetCols() = {F_NO, F_BEAM, F_CASE, F_M, F_AS, F_FORM};
        SetRowCount((ROWCOL)m_results.size());
        ApplyCol2Var();
    }
    // The host's records follow the rows the user removes.
    BOOL StoreRemoveRows(ROWCOL nFromRow, ROWCOL nToRow, BOOL bProcessed) override
    {
        m_results.erase(m_results.begin() + (long)nFromRow - 1, m_results.begin() + (long)nToRow);
        return CRwGrid::StoreRemoveRows(nFromRow, nToRow, bProcessed);
    }

protected:
    int _GetStyleRowCol(int nRec, int nField, CGXStyle& style) override
    {
        if (nRec == -1)
            return title(nField, style);
        if (nRec < 0 || nRec >= (int)m_results.size())
            return 0;
        const Result& r = m_results[(size_t)nRec];
        switch (nField) {
        case F_NO: style.SetValue(std::to_wstring(nRec + 1).c_str()); break;
        case F_BEAM: style.SetValue(r.beam.c_str()); break;
        case F_CASE: style.SetValue(r.loadCase.c_str()); break;
        case F_M: style.SetValue(Qemet().CnvUnitSIToText(qemet::QT_NUMBER, r.moment, 1, 0)); break;
        case F_AS: style.SetValue(Qemet().CnvUnitSIToText(qemet::QT_SECTION_AREA, r.as, 1, 0)); break;
        default: style.SetValue(Qemet().CnvUnitSIToText(qemet::QT_SURFACE_AREA, r.form, 1, 0));
        }
        if (nField >= F_M)
            style.SetHorizontalAlignment(DT_RIGHT);
        return 1;
    }
    int _GetColWidth(int nField) override
    {
        static const int widths[] = {30, 48, 120, 70, 70, 76};
        return widths[nField];
    }

private:
    int title(int nField, CGXStyle& style)
    {
        CString text;
        switch (nField) {
        case F_M: text.LoadString(IDS_RES_M); text += L"\n (kNm)"; break;
        case F_AS: text = makeColName(IDS_RES_AS, qemet::QT_SECTION_AREA); break;
        case F_FORM: text = makeColName(IDS_RES_FORM, qemet::QT_SURFACE_AREA); break;
        default: text.LoadString(IDS_RES_BEAM + (UINT)nField - F_BEAM);
        }
        style.SetValue(text).SetFont(CGXFont().SetBold(TRUE));
        return 1;
    }
};

} // namespace

void resultsGridPage(DemoContext& demo)
{
    Gallery& g = demo.gallery;
    platform::Desktop& desk = platform::desktop();
    g.beginPage("Simple record grid",
                "A results table of a host on CRwGrid. The host answers one operation, _GetStyleRowCol, for the "
                "header row (as record -1, bold titles with their units from makeColName) and for its records; "
                "the rows are the grid's own, and the host's records follow Delete. The column widths are the "
                "host's, scaled by the screen's DPI factor.");
    desk.setScreenSize(560, 260);
    const HINSTANCE savedResources = AfxGetResourceHandle();
    AfxSetResourceHandle(platform::RegisterApplicationModule(&kResultTable));
    Qemet::SetDisplayUnit(qemet::QT_SECTION_AREA, qemet::QU_CM2, 2);
    Qemet::SetDisplayUnit(qemet::QT_SURFACE_AREA, qemet::QU_M2, 1);

    CWnd frame;
    createHostFrame(frame, L"Results", CRect(10, 10, 550, 200));
    ResultsTable grid;
    grid.Create(WS_VISIBLE, CRect(8, 8, 528, 168), &frame, 1);
    grid.describe();
    grid.ResizeRowHeightsToFit(CGXRange().SetRows(0));
    desk.processMessages();
    screenshot(g, "results-1.png", "Five results; the titles are record -1 of the host, the corner cell is never "
                                   "asked.", frame);

    desk.setDpi(120);
    grid.ApplyCol2Var();
    desk.processMessages();
    screenshot(g, "results-2.png", "At 120 DPI (factor 1.25) ApplyCol2Var widens every column: Load case 120 x "
                                   "1.25 = 150 pixels.", frame);
    desk.setDpi(96);
    grid.ApplyCol2Var();

    CRect row = grid.CalcRectFromRowCol(3, 0, 3, 0);
    grid.ClientToScreen(&row);
    desk.click(row.CenterPoint()); // the row header selects the row
    desk.pressKey(VK_DELETE);
    screenshot(g, "results-3.png", "Delete: the third result (B2) removed, by the grid and in the host's records.",
               frame);

    CGXRangeList table;
    table.AddTail(CGXRange().SetTable());
    g.paragraph("Export as RTF for a report column 9 cm wide: the table is too wide for it, so Grid2Rtf splits it "
                "into two tables, the second starting again with the row numbers. The units \"cm\u00B2\" and "
                "\"m\u00B2\", \"\u00B1\" and the braces of \"{snow}\" are escaped, so the file is plain ASCII.");
    showRtfDocument(g, "results.rtf", NVorel::Grid2Rtf(grid, table, 9.0),
                    "results.rtf: the results table for a 9 cm column, in two pages by width.");
    frame.DestroyWindow();

    Qemet::SetUnitSystem(qemet::US_METRIC);
    AfxSetResourceHandle(savedResources);
}
