#pragma once
// Model points compared within a tolerance, as computed coordinates must be.
#include "painter/Geometry2d.h"

#include <gtest/gtest.h>

namespace testsupport {

inline void expectPoint(const Pellix::CPoint2d& actual, double x, double y, double tolerance = 1e-9)
{
    EXPECT_NEAR(actual.x, x, tolerance);
    EXPECT_NEAR(actual.y, y, tolerance);
}

} // namespace testsupport
