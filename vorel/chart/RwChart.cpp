#include "chart/RwChart.h"

#include <cmath>
#include <vector>

namespace NVorel {

namespace {
constexpr double kFloatEpsilon = 1.1920928955078125e-7;
constexpr double kDoubleEpsilon = 2.220446049250313e-16;
} // namespace

CRwChart::CRwChart()
{
    m_legend.m_nSide = 4;
    m_legend.m_bUnitAtStart = true;
    m_legend.m_bUnitAtEnd = false;
}

CRwChart::~CRwChart() = default;

bool CRwChart::GetExtremeValues(double* pMin, double* pMax) const
{
    if (!pMin || !pMax || empty()) return false;
    *pMin = *pMax = front().m_arVal[1];
    for (const CChartZone& z : *this) {
        for (double v : {z.m_arVal[1], z.m_arVal[2]}) {
            if (*pMin > v) *pMin = v;
            else if (v > *pMax) *pMax = v;
        }
    }
    return true;
}

bool CRwChart::GetInterpolatedValue(double pos, double* pValue) const
{
    if (!pValue) return false;
    for (size_t i = 0; i + 1 < size(); ++i) {
        const double a = (*this)[i].m_arVal[0], b = (*this)[i + 1].m_arVal[0];
        if (!((a >= pos && pos >= b) || (pos >= a && b >= pos))) continue;
        const double start = (*this)[i].m_arVal[1], end = (*this)[i].m_arVal[2];
        *pValue = std::fabs(a - b) < kFloatEpsilon ? start : start + (pos - a) * (end - start) / (b - a);
        return true;
    }
    return false;
}

// The pieces' extreme values among the finite ones, or the fixed range.
bool CRwChart::valueRange(double& lo, double& hi) const
{
    if (m_bFixedRange) {
        lo = m_dMin;
        hi = m_dMax;
        return std::isfinite(lo) && std::isfinite(hi);
    }
    bool any = false;
    for (const CChartZone& z : *this) {
        for (double v : {z.m_arVal[1], z.m_arVal[2]}) {
            if (!std::isfinite(v)) continue;
            lo = any ? std::min(lo, v) : v;
            hi = any ? std::max(hi, v) : v;
            any = true;
        }
    }
    return any;
}

namespace chart {

bool roundedRange(double& lo, double& hi, double factor)
{
    lo *= factor;
    hi *= factor;
    double span = hi - lo;
    if (lo > 0 && span > lo) lo = 0;
    if (hi < 0 && span > -hi) hi = 0;
    span = hi - lo;
    if (span == 0) { // all values equal: no step can be taken from a zero span
        if (lo == 0) {
            lo = -1;
            hi = 1;
        } else {
            lo = std::min(0.0, 2 * lo);
            hi = std::max(0.0, 2 * hi);
        }
        span = hi - lo;
    }
    if (!(span > 0) || !std::isfinite(span)) return false;
    double step = std::pow(10.0, std::floor(std::log10(span)));
    if (span / step < 2.0) step /= 10.0;
    lo = std::floor(lo / step) * step;
    hi = std::ceil(hi / step) * step;
    return std::isfinite(lo) && std::isfinite(hi);
}

} // namespace chart

void CRwChart::draw(Pellix::CPainter* painter) const
{
    if (!painter || empty()) return;
    const Pellix::CRectDouble r = painter->getGlobalRect();
    const double width = r.x1 - r.x0;
    const unsigned pen = painter->addPenColor(Pellix::CRGB(m_crLine), 2, 0);
    double lo = 0, hi = 0;
    if (!valueRange(lo, hi) || !chart::roundedRange(lo, hi, m_dRangeFactor)) return;
    double span = hi - lo;
    if (span < kDoubleEpsilon) span = 1.0;
    const double scale = width / span;
    const double offset = m_bFixedOrigin ? m_dOrigin : r.x0 - (lo / span) * width;
    const auto x = [&](double v) { return offset + scale * v; };

    painter->setPenColor(pen);
    // Each piece's line ends where the next begins (after the step between
    // them, where the values jump): the curve is one polyline.
    std::vector<Pellix::CPoint2d> curve;
    curve.reserve(2 * size());
    curve.emplace_back(x((*this)[0].m_arVal[1]), (*this)[0].m_arVal[0]);
    for (size_t i = 1; i < size(); ++i) {
        const CChartZone& prev = (*this)[i - 1];
        const CChartZone& cur = (*this)[i];
        curve.emplace_back(x(prev.m_arVal[2]), cur.m_arVal[0]);
        if (cur.m_arVal[1] != prev.m_arVal[2])
            curve.emplace_back(x(cur.m_arVal[1]), cur.m_arVal[0]);
    }
    painter->drawPolyline(curve);
    m_legend.m_dOffset = offset;
    m_legend.m_dScale = scale;
    m_legend.m_nBandWidth = 20;
    m_legend.draw(painter, nullptr);
}

} // namespace NVorel
