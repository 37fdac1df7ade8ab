// beamtable: a small host of vorel. It keeps a few beams, shows them in a record
// grid, exports the table as CSV the way a user does (context menu, file dialog),
// and draws the bending moment of one beam as a result chart. It runs headless on
// the virtual desktop and writes what a user would see into an output folder:
//   beamtable <folder>   ->  <folder>/beams.png, beams.csv, moment.png
// Build with -DBEAMTABLE_LANG_DIR="<folder of vorel_048.dll>/" (the CMake package
// gives vorel_LANG_DIR, pkg-config the variable langdir).
#include "chart/RwChart.h"
#include "frame/Lang.h"
#include "grid/RGrid.h"
#include "painter/Painter.h"
#include "units/Qemet.h"
#include "win/Afx.h"

#include <filesystem>
#include <iostream>
#include <vector>

namespace {

struct Beam {
    std::wstring name;
    double span; // m
    double load; // kN/m
};

enum Field { F_NAME, F_SPAN, F_LOAD };

// The record grid over the host's beams: the grid asks, the host answers.
class BeamGrid : public NVorel::CRGrid {
public:
    explicit BeamGrid(std::vector<Beam>& beams) : m_beams(beams) {}

    void describe()
    {
        GetCols() = {{F_NAME, -1, false}, {F_SPAN, -1, false}, {F_LOAD, -1, false}};
        ApplyCol2Var();
        setContextMenu(true); // "Export as CSV..." among others
    }

protected:
    int _GetRowCount() override { return (int)m_beams.size(); }

    int _GetStyleRowCol(int nRec, int nField, CGXStyle& style) override
    {
        if (nRec < 0 || nRec >= (int)m_beams.size())
            return 0;
        const Beam& beam = m_beams[(size_t)nRec];
        if (nField == F_NAME)
            style.SetValue(beam.name.c_str());
        else if (nField == F_SPAN)
            style.SetValue(qemet::Qemet().CnvUnitSIToText(qemet::QT_LENGTH, beam.span, qemet::BU_DISPLAY, 0))
                .SetHorizontalAlignment(DT_RIGHT);
        else
            style.SetValue(std::to_wstring((int)beam.load).c_str()).SetHorizontalAlignment(DT_RIGHT);
        return 1;
    }

    int _StoreStyleRowCol(int nRec, int nField, const CGXStyle* pStyle) override
    {
        if (nRec < 0 || nRec >= (int)m_beams.size() || nField != F_NAME)
            return 0; // this host lets only names be edited
        m_beams[(size_t)nRec].name = pStyle->GetValue().GetString();
        return 1;
    }

    int _GetStyleHeader(int, int nId, bool, CGXStyle& style) override
    {
        static const wchar_t* const titles[] = {L"Beam", L"Span [m]", L"Load [kN/m]"};
        style.SetValue(titles[nId]);
        return 1;
    }

    int _GetColWidth(int, bool) override { return 90; }

private:
    std::vector<Beam>& m_beams;
};

// The moment of a simply supported beam under a uniform load (kNm along the
// span, which runs downwards), as a result chart drawn into a bitmap.
bool saveMomentChart(const Beam& beam, const std::filesystem::path& file)
{
    const int width = 360, height = 240, pieces = 20;
    NVorel::CRwChart chart;
    chart.m_legend.m_nUnitType = qemet::QT_NUMBER; // kNm as computed
    for (int i = 0; i < pieces; ++i) {
        auto moment = [&](double x) { return beam.load * x * (beam.span - x) / 2.0; };
        const double a = beam.span * i / pieces, b = beam.span * (i + 1) / pieces;
        chart.push_back(NVorel::CChartZone(a, moment(a), moment(b)));
    }

    CWindowDC screen(nullptr);
    CDC dc;
    dc.CreateCompatibleDC(&screen);
    CBitmap bitmap;
    bitmap.CreateCompatibleBitmap(&screen, width, height);
    CBitmap* old = dc.SelectObject(&bitmap);
    dc.FillSolidRect(0, 0, width, height, RGB(255, 255, 255));

    Pellix::CPainter painter;
    painter.setLocalOrigin(Pellix::CPoint2d(0, 0));
    painter.setLocalSize(width - 1, height - 1);
    const double margin = beam.span * 0.15;
    painter.setGlobalOrigin(Pellix::CPoint2d(0, -margin));
    painter.setGlobalSize((width - 1) * (beam.span + 2 * margin) / (height - 1), beam.span + 2 * margin);
    painter.solveTransformation();
    {
        Pellix::CPainterBegin begin(&painter, &dc);
        chart.draw(&painter);
    }
    dc.SelectObject(old);
    return platform::SavePng(bitmap, file);
}

// Shows, exports and draws; true when all three files were written.
bool run(const std::filesystem::path& out)
{
    // The grid's context menu and file dialog texts come from the language module.
    CDynLinkLibrary language(NVorel::getLangModule());

    std::vector<Beam> beams{{L"B1", 6.0, 24}, {L"B2", 4.5, 18}, {L"B3", 8.2, 31}};
    platform::Desktop& desk = platform::desktop();
    desk.setScreenSize(400, 200);

    CWnd frame;
    frame.CreateEx(0, AfxRegisterWndClass(0, nullptr, (HBRUSH)(COLOR_3DFACE + 1)), L"Beams",
                   WS_POPUP | WS_CAPTION | WS_VISIBLE, CRect(10, 10, 330, 170), nullptr, 0);
    BeamGrid grid(beams);
    grid.Create(WS_VISIBLE, CRect(6, 6, 306, 126), &frame, 1);
    grid.describe();
    desk.processMessages();
    const bool shown = desk.saveScreenshot(frame, out / "beams.png");

    // What a user does: right click, "Export as CSV...", a file name.
    platform::user().chooseMenuCommand(39950);
    platform::user().saveFileAs(CString((out / "beams").wstring().c_str()));
    CRect cell = grid.CalcRectFromRowCol(1, 1, 1, 1);
    grid.ClientToScreen(&cell);
    desk.click(cell.CenterPoint(), platform::MouseButton::Right);
    const bool exported = std::filesystem::exists(out / "beams.csv");

    const bool drawn = saveMomentChart(beams.back(), out / "moment.png");
    frame.DestroyWindow();

    std::cout << "beams.png " << (shown ? "written" : "FAILED") << ", beams.csv "
              << (exported ? "written" : "FAILED") << ", moment.png " << (drawn ? "written" : "FAILED") << "\n";
    return shown && exported && drawn;
}

} // namespace

int main(int argc, char** argv)
{
    const std::filesystem::path out = argc > 1 ? argv[1] : "beamtable-out";
    std::filesystem::create_directories(out);

    NVorel::setLangWork(48, std::filesystem::path(BEAMTABLE_LANG_DIR).wstring().c_str());
    if (!NVorel::getLangModule()) {
        std::cerr << "no language module in " << BEAMTABLE_LANG_DIR << "\n";
        return 1;
    }
    const bool ok = run(out);
    NVorel::freeLang();
    return ok ? 0 : 1;
}
