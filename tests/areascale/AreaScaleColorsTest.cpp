#include "areascale/AreaScaleColors.h"

#include <gtest/gtest.h>

#include <cmath>

TEST(ColorRamp, ReferenceColours)
{
    // Along the ramp from 1 down to 0; beyond it plain yellow or, above it and for NaN, red.
    const double t[] = {1.0, 0.75, 0.6666666666666667, 0.6666666666666666, 0.5, 0.25, 0.0, -0.1, 1.5, std::nan("")};
    const unsigned long colour[] = {0x7F, 0xDF, 0xFE, 0x3F60FF, 0x3F7FFF, 0x3FAEFF, 0x3FDDFF, 0xFFFF, 0xFF, 0xFF};
    for (int i = 0; i < 10; ++i) EXPECT_EQ(GetColorForItem(t[i]), colour[i]) << t[i];
}

