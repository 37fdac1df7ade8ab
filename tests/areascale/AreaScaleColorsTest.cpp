#include "areascale/AreaScaleColors.h"

#include <gtest/gtest.h>

#include <cmath>

TEST(ColorRamp, ReferenceColours)
{
    EXPECT_EQ(GetColorForItem(1.0), 0x0000007Fu);
    EXPECT_EQ(GetColorForItem(0.75), 0x000000DFu);
    EXPECT_EQ(GetColorForItem(0.6666666666666667), 0x000000FEu);
    EXPECT_EQ(GetColorForItem(0.6666666666666666), 0x003F60FFu);
    EXPECT_EQ(GetColorForItem(0.5), 0x003F7FFFu);
    EXPECT_EQ(GetColorForItem(0.25), 0x003FAEFFu);
    EXPECT_EQ(GetColorForItem(0.0), 0x003FDDFFu);
    EXPECT_EQ(GetColorForItem(-0.1), 0x0000FFFFu);
    EXPECT_EQ(GetColorForItem(1.5), 0x000000FFu);
    EXPECT_EQ(GetColorForItem(std::nan("")), 0x000000FFu);
}

TEST(ColorRamp, FillColoursOnlyAutomaticRows)
{
    AreaScaleItems items(4);
    FillItemsColor(items);
    EXPECT_EQ(items[0].GetColor(), 0x0000007Fu);
    EXPECT_EQ(items[1].GetColor(), 0x000000DFu);
    EXPECT_EQ(items[2].GetColor(), 0x003F7FFFu);
    EXPECT_EQ(items[3].GetColor(), 0x00FFC800u);

    items[1].SetAutoColor(0);
    items[1].SetColor(0x00123456);
    items[3].SetAutoColor(0);
    items[3].SetColor(0x00ABCDEF);
    items[0].SetColor(0);
    FillItemsColor(items);
    EXPECT_EQ(items[0].GetColor(), 0x0000007Fu);
    EXPECT_EQ(items[1].GetColor(), 0x00123456u);
    EXPECT_EQ(items[3].GetColor(), 0x00ABCDEFu);

    AreaScaleItems one(1);
    FillItemsColor(one);
    EXPECT_EQ(one[0].GetColor(), 0x00FFC800u);
    AreaScaleItems none;
    FillItemsColor(none);
    EXPECT_TRUE(none.empty());
}
