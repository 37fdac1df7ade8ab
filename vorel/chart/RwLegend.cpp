#include "chart/RwLegend.h"

#include "sysinfo/SysInfo.h"
#include "units/Qemet.h"

#include <climits>
#include <cmath>

namespace NVorel {

using Pellix::CPoint2d;

namespace {

CString valueText(int nUnitType, double v)
{
    qemet::Qemet units;
    return units.CnvUnitSIToText((qemet::QEMET_TYPES)nUnitType, v, 1, 0);
}

struct Ticks {
    double step = 0.0;
    int first = 0, last = -1; // none when last < first
    int major = 5;
};

// Round ticks over [low, high]: decimal steps, or feet-based ones (whole feet
// and twelfths) for "[ft]" and "[in]"; nothing for an unusable span.
Ticks tickRule(double low, double high, bool feet)
{
    Ticks t;
    const double span = high - low;
    if (!(span > 0) || !std::isfinite(span)) return t;
    if (feet) {
        t.step = std::pow(12.0, std::floor(std::log10(span / 0.3048) / std::log10(12.0))) * 0.3048;
        if (span / t.step < 2.0) t.step /= 12.0;
        t.major = 6;
    } else {
        t.step = std::pow(10.0, std::floor(std::log10(span)));
        if (span / t.step < 2.0) t.step /= 10.0;
    }
    const double f = std::ceil(low / t.step), l = std::floor(high / t.step);
    if (!(f >= INT_MIN && l <= INT_MAX)) return t;
    t.first = (int)f;
    t.last = (int)l;
    if (t.last - t.first <= (feet ? 6 : 5)) t.major = 1;
    return t;
}

} // namespace

// Sizes in global units, worked out once per draw.
struct CRwLegend::Geometry {
    double x0, y0, x1, y1;
    double px;     // one pixel unit
    double margin; // 3 pixel units
    double band;
    double inset;
    int side;
};

CRwLegend::CRwLegend() : m_crBack(GetSysColor(COLOR_BTNFACE)) {}

CRwLegend::~CRwLegend() = default;

double CRwLegend::bandWidth(const Pellix::CRectDouble& r) const
{
    if (m_nBandWidth != 0) return m_nBandWidth * m_dPixel;
    if (!m_font.GetSafeHandle()) return 5 * m_dPixel;
    if (m_nSide != 1 && m_nSide != 2) return 1.6 * m_font.GetHeight() * m_dPixel;
    const int n = std::max(valueText(m_nUnitType, r.y0).GetLength(), valueText(m_nUnitType, r.y1).GetLength());
    return (n > 1 ? n - 0.5 : 1.0) * m_font.GetWidth() * m_dPixel;
}

void CRwLegend::draw(Pellix::CPainter* painter, const Pellix::CRectDouble* pRect) const
{
    if (!painter || m_nSide < 1 || m_nSide > 4) return;
    const Pellix::CRectDouble r = pRect ? *pRect : painter->getGlobalRect();
    m_dPixel = std::fabs(painter->local2Global(Pellix::CVector2d(1.0, 0.0)).dx) * SYS_GetDPIFactor(SYS_DPI_FACTOR_X);
    const bool labels = m_bShowValues || m_bUnitAtStart || m_bUnitAtEnd || m_bMarkValues || m_bMarkTexts;
    if (labels) m_font.Set(painter->dc());

    const double px = m_dPixel;
    m_rcFree = Pellix::CRectDouble();
    m_rcFree.extend(CPoint2d(r.x0 - 20 * px, r.y0 - 20 * px));
    m_rcFree.extend(CPoint2d(r.x1 + 20 * px, r.y1 + 20 * px));
    const Geometry g{r.x0, r.y0, r.x1, r.y1, px, 3 * px, bandWidth(r), m_nInset * px, m_nSide};

    const unsigned linePen = painter->addPenColor(Pellix::CRGB(m_crLines), 0, 0);
    const unsigned majorPen = painter->addPenColor(Pellix::CRGB(m_crMajor), 0, 0);
    const unsigned backPen = painter->addPenColor(Pellix::CRGB(m_crBack), 0, 0);
    if (painter->dc()) painter->dc()->SetBkColor(m_crBack);
    painter->setBrushColor(Pellix::CRGB(m_crBack));
    painter->setPenColor(backPen);
    drawBand(painter, g);

    qemet::Qemet units;
    CString unit;
    unit.Format(L"[%s]", units.GetTypeUnit((qemet::QEMET_TYPES)m_nUnitType).strSymbol);
    drawUnitLabels(painter, g, unit);
    drawTicks(painter, g, unit == L"[ft]" || unit == L"[in]", linePen, majorPen);
    drawMarks(painter, g, linePen);
    m_font.Restore();
}

void CRwLegend::drawBand(Pellix::CPainter* painter, const Geometry& g) const
{
    const double one = g.px, b = g.band;
    switch (g.side) {
    case 1: painter->drawRectangle(CPoint2d(g.x0 - one, g.y0 - one), CPoint2d(g.x0 + b, g.y1 + one)); break;
    case 2: painter->drawRectangle(CPoint2d(g.x1 - b, g.y0 - one), CPoint2d(g.x1 + one, g.y1 + one)); break;
    case 3: painter->drawRectangle(CPoint2d(g.x0 - one, g.y1 - b), CPoint2d(g.x1 + one, g.y1 + one)); break;
    default: painter->drawRectangle(CPoint2d(g.x0 - one, g.y0 - one), CPoint2d(g.x1 + one, g.y0 + b)); break;
    }
}

void CRwLegend::drawUnitLabels(Pellix::CPainter* painter, const Geometry& g, const CString& unit) const
{
    const double m = g.margin, b = g.band;
    const double W = unit.GetLength() * m_font.GetWidth() * g.px + m;
    const double H = m_font.GetHeight() * g.px + m;
    static constexpr int kStart = 0, kEnd = 1;
    const auto at = [&](int end) {
        switch (g.side) {
        case 1: return end == kStart ? CPoint2d(g.x0 + m, g.y0 + H) : CPoint2d(g.x0 + m, g.y1 - m);
        case 2: return end == kStart ? CPoint2d(g.x1 - b + m, g.y0 + b - m) : CPoint2d(g.x1 - b + m, g.y1 - m);
        case 3: return end == kStart ? CPoint2d(g.x0 + m, g.y1 - m) : CPoint2d(g.x1 - W - m, g.y1 - m);
        default: return end == kStart ? CPoint2d(g.x0 + m, g.y0 + b - m) : CPoint2d(g.x1 - W - m, g.y0 + b - m);
        }
    };
    if (m_bUnitAtStart) drawLabel(painter, at(kStart), unit);
    if (m_bUnitAtEnd) drawLabel(painter, at(kEnd), unit);
}

CPoint2d CRwLegend::labelPoint(const Geometry& g, double c) const
{
    switch (g.side) {
    case 1: return CPoint2d(g.x0 + g.margin, c);
    case 2: return CPoint2d(g.x1 - g.band + g.margin, c);
    case 3: return CPoint2d(c, g.y1 - g.margin);
    default: return CPoint2d(c, g.y0 + g.band - g.margin);
    }
}

// The grid line A-B across the rectangle (when line) and the tick mark B-C into
// the band (when tick is not 0) at coordinate c.
void CRwLegend::drawRule(Pellix::CPainter* painter, const Geometry& g, double c, double tick, bool solid,
                         bool line) const
{
    CPoint2d a, b, t;
    switch (g.side) {
    case 1: a = {g.x1 - g.inset, c}; b = {g.x0 + g.band, c}; t = {g.x0 + g.band - tick, c}; break;
    case 2: a = {g.x0 + g.inset, c}; b = {g.x1 - g.band, c}; t = {g.x1 - g.band + tick, c}; break;
    case 3: a = {c, g.y0 + g.inset}; b = {c, g.y1 - g.band}; t = {c, g.y1 - g.band + tick}; break;
    default: a = {c, g.y1 - g.inset}; b = {c, g.y0 + g.band}; t = {c, g.y0 + g.band - tick}; break;
    }
    if (line) {
        if (solid) painter->drawLine(a, b);
        else painter->drawDashedLine(a, b, m_nDashStyle, 0, 0);
    }
    if (tick != 0) painter->drawLine(b, t);
}

void CRwLegend::drawTicks(Pellix::CPainter* painter, const Geometry& g, bool feet, unsigned linePen,
                          unsigned majorPen) const
{
    const bool vertical = g.side == 1 || g.side == 2;
    const double from = vertical ? g.y0 : g.x0, to = vertical ? g.y1 : g.x1;
    if (!(m_dScale != 0) || !std::isfinite(m_dScale)) return;
    double low = (from - m_dOffset) / m_dScale, high = (to - m_dOffset) / m_dScale;
    if (low > high) std::swap(low, high);
    const Ticks t = tickRule(low, high, feet);
    for (long long j = t.first; j <= t.last; ++j) {
        const double v = (double)j * t.step;
        const double c = v * m_dScale + m_dOffset;
        const bool major = j % t.major == 0;
        painter->setPenColor(major ? majorPen : linePen);
        const double tick = major || m_bMinorTicks ? 4 * g.px : 0.0;
        drawRule(painter, g, c, tick, j == 0 && m_bSolidZero, m_bGridLines);
        if (major && m_bShowValues) drawLabel(painter, labelPoint(g, c), valueText(m_nUnitType, v));
    }
}

void CRwLegend::drawMarks(Pellix::CPainter* painter, const Geometry& g, unsigned linePen) const
{
    for (size_t j = 0; j < m_vMarks.size(); ++j) {
        const double v = m_vMarks[j];
        const double c = v * m_dScale + m_dOffset;
        painter->setPenColor(j < m_vMarkColors.size() ? painter->addPenColor(Pellix::CRGB(m_vMarkColors[j]), 0, 0)
                                                      : linePen);
        drawRule(painter, g, c, m_bMinorTicks ? 4 * g.px : 0.0, false, m_bMarkLines);
        if (!m_bMarkValues && !m_bMarkTexts) continue;
        CString text;
        if (m_bMarkTexts && j < m_vMarkTexts.size()) text += m_vMarkTexts[j];
        if (m_bMarkValues) text += valueText(m_nUnitType, v);
        drawLabel(painter, labelPoint(g, c), text);
    }
}

bool CRwLegend::drawLabel(Pellix::CPainter* painter, const CPoint2d& pt, const CString& text) const
{
    const double w = text.GetLength() * m_font.GetWidth() * m_dPixel;
    const double h = m_font.GetHeight() * m_dPixel;
    Pellix::CRectDouble& f = m_rcFree;
    const double left = pt.x - f.x0, right = f.x1 - pt.x - w;
    const double up = f.y1 - pt.y, down = pt.y - h - f.y0;
    bool fits = false;
    if (left >= 0 && right >= 0) {
        if (left > right) f.x1 = pt.x;
        else f.x0 = pt.x + w;
        fits = true;
    }
    if (up >= 0 && down >= 0) {
        if (up > down) f.y0 = pt.y;
        else f.y1 = pt.y - h;
        fits = true;
    }
    if (fits) painter->textOut(pt, text);
    return fits;
}

} // namespace NVorel
