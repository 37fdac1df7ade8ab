#pragma once
// One piece of a chart's curve: from its position to the next piece's position
// the value runs linearly from the start value to the end value.
namespace NVorel {

class CChartZone {
public:
    CChartZone() = default;
    CChartZone(double dPos, double dStart, double dEnd) : m_arVal{dPos, dStart, dEnd} {}

    double m_arVal[3] = {0.0, 0.0, 0.0}; // position, start value, end value
};

} // namespace NVorel
