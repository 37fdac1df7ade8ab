#pragma once
// Pellix value types: points, displacements, rectangles and colours of the
// painter's global (model) space, where y grows upward.
#include "win/kernel/WinTypes.h"

#include <algorithm>
#include <limits>

namespace Pellix {

class CPoint2d {
public:
    CPoint2d() = default;
    CPoint2d(double x0, double y0) : x(x0), y(y0) {}
    static CPoint2d createC(double x0, double y0) { return CPoint2d(x0, y0); }
    bool operator==(const CPoint2d&) const = default;

    double x = 0.0;
    double y = 0.0;
};

class CVector2d {
public:
    CVector2d() = default;
    CVector2d(double dx0, double dy0) : dx(dx0), dy(dy0) {}
    bool operator==(const CVector2d&) const = default;

    double dx = 0.0;
    double dy = 0.0;
};

// Corners (x0, y0) low and (x1, y1) high. A default rectangle is empty: it
// holds no point, and the first extend makes it that point.
class CRectDouble {
public:
    CRectDouble() = default;
    CRectDouble(double ax0, double ay0, double ax1, double ay1) : x0(ax0), y0(ay0), x1(ax1), y1(ay1) {}

    bool empty() const { return !(x0 <= x1 && y0 <= y1); }
    void extend(const CPoint2d& p)
    {
        x0 = std::min(x0, p.x);
        y0 = std::min(y0, p.y);
        x1 = std::max(x1, p.x);
        y1 = std::max(y1, p.y);
    }
    double width() const { return empty() ? 0.0 : x1 - x0; }
    double height() const { return empty() ? 0.0 : y1 - y0; }
    CVector2d size() const { return CVector2d(width(), height()); }
    bool operator==(const CRectDouble&) const = default;

    double x0 = std::numeric_limits<double>::infinity();
    double y0 = std::numeric_limits<double>::infinity();
    double x1 = -std::numeric_limits<double>::infinity();
    double y1 = -std::numeric_limits<double>::infinity();
};

class CRGB {
public:
    CRGB() = default;
    explicit CRGB(COLORREF c) : m_cr(c & 0x00FFFFFF) {}
    COLORREF colorref() const { return m_cr; }
    bool operator==(const CRGB&) const = default;

private:
    COLORREF m_cr = 0;
};

} // namespace Pellix
