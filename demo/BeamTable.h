#pragma once
// A beam table as a host builds it on CRGrid: the host keeps its beams in SI
// units and answers the grid's questions; the grid shows them in the user's
// units under two header rows. The gallery page and the live demo share it.
#include "frame/Lang.h"
#include "grid/RGrid.h"
#include "units/Qemet.h"
#include "win/Afx.h"

#include <limits>
#include <memory>
#include <string>
#include <vector>

namespace beams {

using NVorel::CRGrid;
using qemet::Qemet;

// The host's own strings: the column titles.
enum : UINT { IDS_BEAM = 4001, IDS_B, IDS_H, IDS_SPAN, IDS_CONCRETE, IDS_SECTION, IDS_CASE, IDS_MOMENT };
inline const winres::StringResource kBeamStrings[] = {
    {IDS_BEAM, L"Beam"},   {IDS_B, L"b"},           {IDS_H, L"h"},      {IDS_SPAN, L"Span"},
    {IDS_CONCRETE, L"Concrete"}, {IDS_SECTION, L"Section"}, {IDS_CASE, L"Load case"}, {IDS_MOMENT, L"M"},
};
inline const winres::ResourceTable kBeamResources{kBeamStrings, {}, {}, {}};

enum Field { F_NAME = 1, F_B, F_H, F_SPAN, F_CONCRETE };
constexpr int G_SECTION = 1;
constexpr UINT WM_BEAMS_CHANGED = WM_APP + 1;
constexpr double kNone = std::numeric_limits<double>::quiet_NaN();

struct Beam {
    std::wstring name;
    double b, h, span; // m; NaN: not given yet
    std::wstring concrete;
};

// The host's grid: a few hundred lines of a real host come down to these.
class BeamTable : public CRGrid {
public:
    std::vector<Beam> m_beams{{L"B1", 0.30, 0.60, 6.0, L"C30/37"},
                              {L"B2", 0.25, 0.50, 4.5, L"C25/30"},
                              {L"B3", 0.30, 0.75, 8.2, L"C35/45"},
                              {L"B4", 0.20, 0.40, 3.6, L"C30/37"}};
    std::vector<std::string> m_calls;

    void describe()
    {
        GetCols() = {{F_NAME, -1, false},
                     {F_B, G_SECTION, false},
                     {F_H, G_SECTION, false},
                     {F_SPAN, -1, false},
                     {F_CONCRETE, -1, false}};
        ApplyCol2Var();
        setContextMenu(true);
        // The two header rows high enough for "Section" and each title over its unit.
        ResizeRowHeightsToFit(CGXRange().SetRows(0, 1));
    }

protected:
    int _GetRowCount() override { return (int)m_beams.size(); }

    int _GetStyleRowCol(int nRec, int nField, CGXStyle& style) override
    {
        if (nRec < 0 || nRec >= (int)m_beams.size())
            return 0;
        const Beam& beam = m_beams[(size_t)nRec];
        switch (nField) {
        case F_NAME: style.SetValue(beam.name.c_str()); return 1;
        case F_CONCRETE: style.SetValue(beam.concrete.c_str()); return 1;
        default:
            style.SetValue(Qemet().CnvUnitSIToText(kindOf(nField), valueOf(beam, nField), qemet::BU_DISPLAY,
                                                   qemet::SDU_POINT))
                .SetHorizontalAlignment(DT_RIGHT);
            return 1;
        }
    }

    int _StoreStyleRowCol(int nRec, int nField, const CGXStyle* pStyle) override
    {
        if (nRec < 0 || nRec >= (int)m_beams.size())
            return 0;
        Beam& beam = m_beams[(size_t)nRec];
        const CString& text = pStyle->GetValue();
        m_calls.push_back("_StoreStyleRowCol(" + std::to_string(nRec) + ", " + std::to_string(nField) + ", \"" +
                          toUtf8(text.str()) + "\")");
        if (nField == F_NAME || nField == F_CONCRETE) {
            (nField == F_NAME ? beam.name : beam.concrete) = text.GetString();
        } else {
            double si = 0;
            if (Qemet().CnvUnitSIToDouble(si, kindOf(nField), text, qemet::BU_DISPLAY) != qemet::QR_OK)
                return 0; // not a length: the cell keeps its value
            valueOf(beam, nField) = si;
        }
        notify(WM_BEAMS_CHANGED);
        return 1;
    }

    int _GetStyleHeader(int nLevel, int nId, bool, CGXStyle& style) override
    {
        if (nLevel == 1) {
            style.SetValue(loaded(IDS_SECTION));
            return 1;
        }
        switch (nId) {
        case F_NAME: style.SetValue(loaded(IDS_BEAM)); break;
        case F_B: style.SetValue(makeColName(IDS_B, qemet::QT_SECTION_SIZE)); break;
        case F_H: style.SetValue(makeColName(IDS_H, qemet::QT_SECTION_SIZE)); break;
        case F_SPAN: style.SetValue(makeColName(IDS_SPAN, qemet::QT_LENGTH)); break;
        default: style.SetValue(loaded(IDS_CONCRETE));
        }
        return 1;
    }

    int _StoreInsertRows(int nRec, int nCount) override
    {
        m_calls.push_back("_StoreInsertRows(" + std::to_string(nRec) + ", " + std::to_string(nCount) + ")");
        if (nRec < 0 || nRec > (int)m_beams.size())
            return 0;
        m_beams.insert(m_beams.begin() + nRec, (size_t)nCount, Beam{L"", kNone, kNone, kNone, L""});
        notify(WM_BEAMS_CHANGED);
        return 1;
    }

    int _StoreRemoveRows(int nFromRec, int nToRec) override
    {
        m_calls.push_back("_StoreRemoveRows(" + std::to_string(nFromRec) + ", " + std::to_string(nToRec) + ")");
        if (nFromRec < 0 || nToRec >= (int)m_beams.size())
            return 0;
        m_beams.erase(m_beams.begin() + nFromRec, m_beams.begin() + nToRec + 1);
        notify(WM_BEAMS_CHANGED);
        return 1;
    }

    int _GetColWidth(int nField, bool) override { return nField == F_NAME ? 56 : nField == F_CONCRETE ? 84 : 72; }

private:
    static qemet::QEMET_TYPES kindOf(int nField) { return nField == F_SPAN ? qemet::QT_LENGTH : qemet::QT_SECTION_SIZE; }
    static double& valueOf(Beam& beam, int nField) { return nField == F_B ? beam.b : nField == F_H ? beam.h : beam.span; }
    static double valueOf(const Beam& beam, int nField) { return valueOf(const_cast<Beam&>(beam), nField); }
    static CString loaded(UINT id)
    {
        CString s;
        s.LoadString(id);
        return s;
    }
};

// What a page showing the beam table sets up and gives back: the English
// module (menu 480, the grids' strings), the host's titles, the display
// units of the table.
class BeamPageSetting {
public:
    explicit BeamPageSetting(const std::wstring& languageFolder)
    {
        NVorel::setLangWork(48, languageFolder.c_str());
        AfxSetResourceHandle(platform::RegisterApplicationModule(&kBeamResources));
        m_language = std::make_unique<CDynLinkLibrary>(NVorel::getLangModule());
        Qemet::SetDisplayUnit(qemet::QT_SECTION_SIZE, qemet::QU_MM, 0);
        Qemet::SetDisplayUnit(qemet::QT_LENGTH, qemet::QU_M, 2);
    }
    ~BeamPageSetting()
    {
        Qemet::SetUnitSystem(qemet::US_METRIC);
        m_language.reset();
        AfxSetResourceHandle(m_savedResources);
    }
    BeamPageSetting(const BeamPageSetting&) = delete;
    BeamPageSetting& operator=(const BeamPageSetting&) = delete;

private:
    const HINSTANCE m_savedResources = AfxGetResourceHandle();
    std::unique_ptr<CDynLinkLibrary> m_language;
};

} // namespace beams
