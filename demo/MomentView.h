#pragma once
// A bending-moment diagram in a tracking view, as a host's result window shows
// it: the cross line follows the mouse and a rich label gives the position
// and the moment, coloured by sign. The gallery page and the live demo share it.
#include "chart/RwChart.h"
#include "chart/RwViewMoving.h"
#include "units/Qemet.h"
#include "win/Afx.h"

#include <algorithm>
#include <string>
#include <vector>

using NVorel::CPopupLabel;
using Pellix::CPoint2d;

inline constexpr COLORREF sagging = RGB(0, 130, 0), hogging = RGB(200, 0, 0);

// A two-span continuous beam (2 x 6 m) under 20 kN/m: M(x) in kNm.
inline double moment(double x)
{
    const double w = 20.0, span = 6.0, reaction = 3.0 * w * span / 8.0;
    const double a = x <= span ? x : 2 * span - x; // symmetric about the middle support
    return reaction * a - w * a * a / 2.0;
}

class MomentView : public NVorel::CRwViewMoving {
public:
    MomentView()
    {
        constexpr int pieces = 96;
        for (int i = 0; i <= pieces; ++i) {
            const double a = 12.0 * i / pieces, b = 12.0 * std::min(i + 1, pieces) / pieces;
            m_chart.push_back(NVorel::CChartZone(a, moment(a), moment(b)));
        }
        m_chart.m_crLine = RGB(0, 70, 160);
        m_chart.m_legend.m_nUnitType = qemet::QT_NUMBER; // kNm, named in the label
        m_chart.m_legend.m_bUnitAtStart = false;
        m_chart.m_legend.m_font.SetSize(11).CreateDeviceFont();
    }
    // Positions 0..12 m upward, with room below for the scale.
    Pellix::CRectDouble globalRect() override { return Pellix::CRectDouble(0, -1.0, 10, 12.5); }
    void draw(Pellix::CPainter* painter) override
    {
        painter->setBrushColor(Pellix::CRGB(RGB(255, 255, 255)));
        clearBackground(painter, PATCOPY);
        painter->dc()->SetBkMode(TRANSPARENT);
        m_chart.draw(painter);
    }
    bool labelShown() const { return m_label.IsWindowVisible(); }
    std::string m_lastText; // what the label says, for the page

protected:
    void OnGetLabelText(CPoint2d pt, std::vector<CPopupLabel::TextItem>& items) override
    {
        double m = 0.0;
        if (!m_chart.GetInterpolatedValue(pt.y, &m)) return; // off the beam: no label text
        const CString position = qemet::Qemet().CnvUnitSIToText(qemet::QT_LENGTH, pt.y, qemet::BU_ANY, 0);
        CString value;
        value.Format(L"%.1f kNm", m);
        items = {{CPopupLabel::DEFAULT_COLOR, L"x", CPopupLabel::TEXT},
                 {0, L"", CPopupLabel::NEXT_COLUMN},
                 {CPopupLabel::DEFAULT_COLOR, position, CPopupLabel::TEXT},
                 {0, L"", CPopupLabel::NEW_LINE},
                 {CPopupLabel::DEFAULT_COLOR, L"M", CPopupLabel::TEXT},
                 {0, L"", CPopupLabel::NEXT_COLUMN},
                 {m < 0 ? hogging : sagging, value, CPopupLabel::TEXT}};
        m_lastText = toUtf8(CString(L"x = " + position + L", M = " + value).str());
    }
    void OnGetLabelText(CPoint2d, CString& text) override { text = L"outside the beam"; }

    afx_msg void OnMouseMove(UINT nFlags, CPoint point) override
    {
        CRwView::OnMouseMove(nFlags, point); // the frame's status
        CRwViewMoving::OnMouseMove(nFlags, point);
    }
    DECLARE_MESSAGE_MAP()

private:
    NVorel::CRwChart m_chart;
};
