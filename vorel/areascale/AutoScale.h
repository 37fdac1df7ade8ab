#pragma once
// Automatic area scales.
//
// AutoScale (free form here, member form on the grid)
//   -> scaleBounds: the bound areas B for the kind of scale
//   -> buildScaleItems: each bound, last to first, becomes a bar layout whose
//      spacing is a whole number of grid steps; the first layout twice, then a
//      zero row; each row's lower bound is the next row's upper bound.
#include "areascale/AreaScaleColors.h"

// Replaces items with a scale for bar diameter dDiam [m] on spacing grid
// dGridSize [m] over the areas dAreaMin..dAreaMax [m²/m]. Section counts above
// kMaxSections are treated as kMaxSections.
void AutoScale(double dDiam, double dGridSize, double dAreaMin, double dAreaMax, unsigned int nSections,
               AreaScaleItems& items, int bRemoveScale, CGridAreaScale::eGridAreaScaleType eType);

namespace areascale {

constexpr unsigned int kMaxSections = 10000;

// The arithmetic scale's increments: the grid's own rule (step divisor n(n+1),
// increments 2i steps) or the free function's (divisor 2n, increments i steps).
enum class ArithmeticRule { Grid, Free };

std::vector<double> scaleBounds(double dAreaMin, double dAreaMax, unsigned int nSections, int bRemoveScale,
                                CGridAreaScale::eGridAreaScaleType eType, ArithmeticRule rule);
void buildScaleItems(double dDiam, double dGridSize, double dAreaMax, const std::vector<double>& bounds,
                     AreaScaleItems& items);

} // namespace areascale
