#include "areascale/AutoScale.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

namespace {

using Type = CGridAreaScale::eGridAreaScaleType;
constexpr Type arithmetic = CGridAreaScale::SCALE_ARITHMETIC, geometric = CGridAreaScale::SCALE_GEOMETRIC;

// A row as printed: spacing in cm, upper and lower bound, each figure checked
// to the digits it is printed with. Rows are new 20 mm layouts otherwise.
struct Row {
    double spacingSteps;
    const char *amax, *amin;
};

void expectFigure(double actual, const std::string& printed, const std::string& what)
{
    const size_t dot = printed.find('.'), decimals = dot == std::string::npos ? 0 : printed.size() - dot - 1;
    EXPECT_NEAR(actual, std::stod(printed), 0.5 * std::pow(10.0, -(int)decimals)) << what << " printed " << printed;
}

void expectRows(const AreaScaleItems& items, const std::vector<Row>& rows)
{
    ASSERT_EQ(items.size(), rows.size());
    for (size_t i = 0; i < rows.size(); ++i) {
        const std::string at = "row " + std::to_string(i);
        EXPECT_EQ(items[i].GetSValue(), 0.01 * rows[i].spacingSteps) << at;
        expectFigure(items[i].GetAmax(), rows[i].amax, at + " Amax");
        expectFigure(items[i].GetAmin(), rows[i].amin, at + " Amin");
        EXPECT_EQ(items[i].GetDimValue(1), 0.02) << at;
        EXPECT_TRUE(items[i].GetDimValue(2) == 0 && items[i].GetColor() == 0x00FFFFFFu &&
                    items[i].GetAutoColor() == 1 && items[i].GetVisibility() == 1)
            << at;
    }
}

// The grid's arithmetic rule, through the steps it shares with the free form.
AreaScaleItems gridScale(unsigned int n, Type type, int removeScale = 0)
{
    AreaScaleItems items;
    const auto bounds = areascale::scaleBounds(0, 0.004, n, removeScale, type, areascale::ArithmeticRule::Grid);
    areascale::buildScaleItems(0.02, 0.01, 0.004, bounds, items);
    return items;
}

AreaScaleItems freeScale(double aMin, double aMax, unsigned int n, Type type, int removeScale = 0, double d = 0.02,
                         double grid = 0.01)
{
    AreaScaleItems items(3); // replaced whole
    AutoScale(d, grid, aMin, aMax, n, items, removeScale, type);
    return items;
}

} // namespace

TEST(AutoScale, WorkedExamples)
{
    expectRows(gridScale(2, arithmetic), {{15, "0.0020943951", "0.0020943951"},
                                          {15, "0.0020943951", "0.00066842397"},
                                          {47, "0.00066842397", "0"},
                                          {47, "0", "0"}});
    const std::vector<Row> geometricRows{{18, "0.0017453293", "0.0017453293"},
                                         {18, "0.0017453293", "0.00058177642"},
                                         {54, "0.00058177642", "0"},
                                         {54, "0", "0"}};
    expectRows(gridScale(2, geometric), geometricRows);
    expectRows(freeScale(0, 0.004, 2, geometric), geometricRows);
    expectRows(freeScale(0, 0.004, 2, (Type)7), geometricRows); // any non-zero kind is geometric
    expectRows(gridScale(3, arithmetic), {{13, "0.0024166097", "0.0024166097"},
                                          {13, "0.0024166097", "0.001013417"},
                                          {31, "0.001013417", "0.00033421198"},
                                          {94, "0.00033421198", "0"},
                                          {94, "0", "0"}});
    expectRows(freeScale(0, 0.004, 2, arithmetic), {{15, "0.0020943951", "0.0020943951"},
                                                    {15, "0.0020943951", "0.001013417"},
                                                    {31, "0.001013417", "0"},
                                                    {31, "0", "0"}});
    const std::vector<Row> twoRange{{1, "0.031415927", "0.031415927"},
                                    {1, "0.031415927", "0.0020943951"},
                                    {15, "0.0020943951", "0"},
                                    {15, "0", "0"}};
    expectRows(freeScale(0, 0.004, 2, arithmetic, 1), twoRange);
    expectRows(gridScale(9, geometric, 1), twoRange); // tested before the kind
}

TEST(AutoScale, DegenerateRangesGiveTheZeroRowOnly)
{
    for (auto [aMax, n] : {std::pair{0.0, 2u}, {-0.001, 2u}, {0.004, 0u}}) {
        const auto items = freeScale(0, aMax, n, arithmetic);
        ASSERT_EQ(items.size(), 1u) << aMax;
        EXPECT_EQ(items[0].GetAmax(), 0.0);
        EXPECT_EQ(items[0].GetAmin(), 0.0);
        EXPECT_EQ(items[0].GetDimValue(1), 0.01); // a default item
    }
}

TEST(AutoScale, EqualAndReversedRanges)
{
    // Amin = Amax: every bound is Amin, so every produced row has the same layout.
    const auto equal = freeScale(0.002, 0.002, 3, arithmetic);
    ASSERT_EQ(equal.size(), 5u);
    for (size_t i = 0; i < 4; ++i) EXPECT_EQ(equal[i].GetSValue(), 0.15) << i;

    // Amin > Amax: the bounds fall, and the rows come out smallest area first.
    const auto reversed = freeScale(0.003, 0.001, 2, arithmetic);
    ASSERT_EQ(reversed.size(), 4u);
    EXPECT_LT(reversed[1].GetAmax(), reversed[2].GetAmax());

    // Two-range scale with Amin > 0: the minimum's row twice, then the middle's.
    // The zero row keeps the last layout.
    const auto two = freeScale(0.001, 0.003, 2, arithmetic, 1);
    ASSERT_EQ(two.size(), 4u);
    EXPECT_TRUE(two[0].GetSValue() == two[1].GetSValue() && two[3].GetSValue() == two[2].GetSValue());
    EXPECT_LT(two[1].GetAmax(), two[2].GetAmax());
}

TEST(AutoScale, ZeroDiameterOrGridKeepTheItemDefaults)
{
    const auto noBar = freeScale(0, 0.004, 2, arithmetic, 0, 0.0);
    EXPECT_EQ(noBar.size(), 4u);
    for (const auto& item : noBar) EXPECT_EQ(item.GetAmax(), 0.0);

    // The area stays the one computed for the default spacing 0.01 when the diameter was stored.
    const auto noGrid = freeScale(0, 0.004, 2, arithmetic, 0, 0.02, 0.0);
    ASSERT_EQ(noGrid.size(), 4u);
    for (size_t i = 0; i + 1 < noGrid.size(); ++i) EXPECT_NEAR(noGrid[i].GetAmax(), 0.031415927, 5e-10) << i;
}

TEST(AutoScale, LargeSectionCountsAreBoundedAndWellDefined)
{
    for (Type type : {arithmetic, geometric}) {
        const auto items = freeScale(0, 0.004, 4000000000u, type);
        EXPECT_EQ(items.size(), areascale::kMaxSections + 2);
        for (const auto& item : items) EXPECT_TRUE(item.GetSValue() >= 0.01 && std::isfinite(item.GetAmax()));
    }
    // 31 sections: the geometric divisor 2^32 - 1 no longer fits 32 bits; the
    // bounds keep the rule of small counts (the largest is (2^n - 1) / (2^(n+1) - 1) of the range).
    const auto bounds = areascale::scaleBounds(0, 0.004, 31, 0, geometric, areascale::ArithmeticRule::Free);
    ASSERT_EQ(bounds.size(), 31u);
    EXPECT_NEAR(bounds.back(), 0.004 * (std::pow(2.0, 31) - 1) / (std::pow(2.0, 32) - 1), 1e-15);
}
