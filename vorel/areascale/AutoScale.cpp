#include "areascale/AutoScale.h"

#include <climits>
#include <cmath>

using Item = CGridAreaScale::CGridAreaScaleItem;

namespace areascale {

namespace {

// Divisors are computed in double: the same values for every count a grid
// uses, and no integer overflow for large ones.
std::vector<double> geometricBounds(double aMin, double aMax, unsigned int n)
{
    const double divisor = std::trunc(std::pow(2.0, (double)n + 1.0) - 1.0);
    const double step = (aMax - aMin) / divisor;
    std::vector<double> b;
    b.reserve(n);
    double power = 1.0;
    for (unsigned int i = 0; i < n; ++i, power *= 2.0)
        b.push_back((i == 0 ? aMin : b.back()) + step * power);
    return b;
}

std::vector<double> arithmeticBounds(double aMin, double aMax, unsigned int n, ArithmeticRule rule)
{
    const double divisor = rule == ArithmeticRule::Grid ? (double)n * ((double)n + 1.0) : 2.0 * n;
    const double step = (aMax - aMin) / divisor;
    const double increment = rule == ArithmeticRule::Grid ? 2.0 : 1.0;
    std::vector<double> b;
    b.reserve(n);
    if (n > 0) b.push_back(aMin + step);
    for (unsigned int i = 1; i < n; ++i) b.push_back(b.back() + increment * i * step);
    return b;
}

// The spacing that gives area A with bars of area a, in whole grid steps, at least one.
double gridSpacing(double area, double barArea, double grid)
{
    const double q = (1.0 / (area / barArea)) / grid;
    const bool usable = std::isfinite(q) && q >= (double)INT_MIN && q < (double)INT_MAX + 1.0;
    const int count = usable ? std::max((int)q, 1) : 1;
    return grid * count;
}

} // namespace

std::vector<double> scaleBounds(double aMin, double aMax, unsigned int n, int bRemoveScale,
                                CGridAreaScale::eGridAreaScaleType eType, ArithmeticRule rule)
{
    n = std::min(n, kMaxSections);
    if (bRemoveScale) return {aMin + (aMax - aMin) / 2, aMin};
    if (eType != CGridAreaScale::SCALE_ARITHMETIC) return geometricBounds(aMin, aMax, n);
    return arithmeticBounds(aMin, aMax, n, rule);
}

void buildScaleItems(double d, double grid, double aMax, const std::vector<double>& bounds, AreaScaleItems& items)
{
    items.clear();
    const double barArea = (kPi * (d / 2)) * (d / 2);
    for (auto it = bounds.rbegin(); it != bounds.rend(); ++it) {
        Item item;
        item.SetDimValue(1, d);
        item.SetDimValue(2, 0.0);
        item.SetSValue(gridSpacing(*it, barArea, grid));
        if (!(aMax > 0)) continue;
        if (items.empty()) items.push_back(item);
        items.push_back(item);
    }
    Item zero = items.empty() ? Item() : items.back();
    zero.SetAmin(0.0);
    zero.SetAmax(0.0, 0);
    items.push_back(zero);
    for (size_t i = 0; i + 1 < items.size(); ++i) items[i].SetAmin(items[i + 1].GetAmax());
}

} // namespace areascale

void AutoScale(double dDiam, double dGridSize, double dAreaMin, double dAreaMax, unsigned int nSections,
               AreaScaleItems& items, int bRemoveScale, CGridAreaScale::eGridAreaScaleType eType)
{
    using namespace areascale;
    const auto bounds = scaleBounds(dAreaMin, dAreaMax, nSections, bRemoveScale, eType, ArithmeticRule::Free);
    buildScaleItems(dDiam, dGridSize, dAreaMax, bounds, items);
}
