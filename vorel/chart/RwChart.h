#pragma once
// CRwChart: a result curve along a position axis (the painter's y) with values
// along x, and the value scale drawn under it.
//
// Drawing beyond the classic contract: values that are not finite take no part
// in the range and their lines are not drawn; a range of zero span (all values
// equal) is widened to reach zero from twice the value, or to -1..1 around zero;
// a range that stays unusable (a fixed range that is not finite) draws nothing.
#include "chart/ChartZone.h"
#include "chart/RwLegend.h"

#include <vector>

namespace NVorel {

class CRwChart : public std::vector<CChartZone> {
public:
    CRwChart();
    virtual ~CRwChart();

    bool GetExtremeValues(double* pMin, double* pMax) const;
    bool GetInterpolatedValue(double pos, double* pValue) const;
    virtual void draw(Pellix::CPainter* painter) const;

    double m_dRangeFactor = 1.4;
    COLORREF m_crLine = 0x00FF0000;
    bool m_bFixedOrigin = false;
    double m_dOrigin = 0.0;
    bool m_bFixedRange = false;
    double m_dMin = 0.0;
    double m_dMax = 100.0;
    mutable CRwLegend m_legend;

private:
    bool valueRange(double& lo, double& hi) const;
};

namespace chart {
// The rounded value range of a chart for values lo..hi: factor, extension to
// zero, outward rounding to the step. False when no usable range results.
bool roundedRange(double& lo, double& hi, double factor);
} // namespace chart

} // namespace NVorel
