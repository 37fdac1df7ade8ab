#include "areascale/AreaScaleColors.h"

#include <gtest/gtest.h>

#include <cmath>

TEST(ColorRamp, ReferenceColours)
{
    const std::pair<double, unsigned long> ramp[] = {{1.0, 0x7F},
                                                     {0.75, 0xDF},
                                                     {0.6666666666666667, 0xFE},
                                                     {0.6666666666666666, 0x3F60FF},
                                                     {0.5, 0x3F7FFF},
                                                     {0.25, 0x3FAEFF},
                                                     {0.0, 0x3FDDFF},
                                                     {-0.1, 0xFFFF},
                                                     {1.5, 0xFF},
                                                     {std::nan(""), 0xFF}};
    for (auto [t, colour] : ramp) EXPECT_EQ(GetColorForItem(t), colour) << t;
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
