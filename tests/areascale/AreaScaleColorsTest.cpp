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

TEST(ColorRamp, FillColoursOnlyAutomaticRows)
{
    AreaScaleItems items(4);
    items[1].SetAutoColor(0);
    items[1].SetColor(0x00123456);
    items[3].SetAutoColor(0);
    items[3].SetColor(0x00ABCDEF);
    items[0].SetColor(0);
    FillItemsColor(items); // 1 - i / n down the ramp, a zero row light blue
    const std::vector<unsigned long> colours{0x7F, 0x123456, 0x3F7FFF, 0xABCDEF};
    for (size_t i = 0; i < 4; ++i) EXPECT_EQ(items[i].GetColor(), colours[i]) << i;
    AreaScaleItems one(1), none;
    FillItemsColor(one);
    FillItemsColor(none);
    EXPECT_EQ(one[0].GetColor(), 0x00FFC800u);
}
