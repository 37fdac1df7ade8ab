#include "AreaScaleHost.h"

using Item = CGridAreaScale::CGridAreaScaleItem;
using Dim = CGridAreaScale::eGridAreaScaleDimType;
constexpr Dim astm = CGridAreaScale::DIM_ASTM, csa = CGridAreaScale::DIM_CSA, metric = CGridAreaScale::DIM_METRIC,
              byName = CGridAreaScale::DIM_LIST_NAME, byValue = CGridAreaScale::DIM_LIST_VALUE;

namespace {
// Each test runs in its own process; the diameter list starts empty there.
void setList(std::vector<double> vals, std::vector<CString> names)
{
    Item::SetDiamList(&vals, &names);
}
} // namespace

TEST(AreaScaleItem, DefaultsAndCopies)
{
    Item item;
    EXPECT_EQ(describe({item}), "0.01/0/0.01/0/0/16777215/1; ");
    EXPECT_EQ(item.GetAutoColor(), 1);
    item.SetDimValue(2, 0.012);
    item.SetAmin(0.5);
    item.SetColor(0x123456);
    item.SetAutoColor(0);
    item.SetVisibility(0);
    Item copy(item), assigned, copied;
    assigned = item;
    copied.Copy(item);
    for (const Item* c : {&copy, &assigned, &copied}) {
        EXPECT_EQ(describe({*c}), describe({item}));
        EXPECT_EQ(c->GetAutoColor(), 0);
    }
}

TEST(AreaScaleItem, AreaAndSpacingFollowEachOther)
{
    Item item = layout(0.02, 0.15);
    EXPECT_NEAR(item.GetAmax(), 0.0020943951, 5e-11); // 20.94 cm²/m
    item.SetDimValue(2, 0.016);                       // two bars count with the mean of their areas
    item.SetSValue(0.2);
    EXPECT_NEAR(item.GetAmax(), 0.0012881, 5e-8); // 12.88 cm²/m

    // An area not above epsilon leaves the spacing as it was.
    item.SetAmax(0.0, 1);
    EXPECT_EQ(item.GetSValue(), 0.2);

    item.SetDimValue(2, 0.0);
    item.SetAmax(0.0020943951, 1);
    EXPECT_NEAR(item.GetSValue(), 0.15, 1e-9);
    item.SetAmax(1.0, 0); // without recomputing the spacing
    EXPECT_NEAR(item.GetSValue(), 0.15, 1e-9);
    item.SetColor(0); // the colour alone, the flag stays
    EXPECT_EQ(item.GetAutoColor(), 1);
}

TEST(AreaScaleItem, TablesWithoutAList)
{
    // Kinds as numbers: 9 is no kind, which an enum object may not hold.
    const std::tuple<double, int, double> nearest[] = {
        {0.017, astm, 0.015875}, {0.017, csa, 0.016}, {0.017, metric, 0.017}, {-1.0, astm, -1.0},
        {0.017, byName, 0.017},  {0.017, 9, 0.017},   {5.0, astm, 0.0573278}};
    for (auto [d, kind, snapped] : nearest)
        EXPECT_EQ(Item::GetNearestValue(d, (Dim)kind), snapped) << d << " " << kind;

    Item item;
    item.SetDimValueIndex(1, astm, 2);
    EXPECT_EQ(item.GetDimValue(1), 0.0127);
    EXPECT_EQ(item.GetDimValueIndex(1, astm), 2u);
    EXPECT_EQ(item.GetDimValueIndex(1, csa), 1u); // 0.0127 is nearest CSA "10"
    item.SetDimValueIndex(1, csa, 20);
    EXPECT_EQ(item.GetDimValue(1), 0.0);
    item.SetDimValueIndex(2, astm, 12); // one past the ASTM table
    EXPECT_EQ(item.GetDimValue(2), 0.0);
    item.SetDimValueIndex(2, metric, 8); // positions of other kinds use CSA
    EXPECT_EQ(item.GetDimValue(2), 0.0564);
    EXPECT_EQ(item.GetDimValueIndex(2, byValue), 8u);

    EXPECT_EQ(Item::GetChoiseList(astm, 0), L"#3\n#4\n#5\n#6\n#7\n#8\n#9\n#10\n#11\n#14\n#18");
    EXPECT_EQ(Item::GetChoiseList(csa, 1), L"\n10\n15\n20\n25\n30\n35\n45\n55");
    EXPECT_EQ(Item::GetChoiseList(byName, 0), L"10\n15\n20\n25\n30\n35\n45\n55");
    EXPECT_EQ(Item::GetChoiseList(metric, 1).Left(2), L"\n5"); // 5 mm in the diameter unit, no-bar line first
}

TEST(AreaScaleItem, DiameterListGetsANoBarPositionAndIsShared)
{
    setList({0.01, 0.012}, {L"first", L"second"});
    ASSERT_TRUE(Item::IsDiamList());
    EXPECT_EQ(Item::m_vDiamVals, (std::vector<double>{0.0, 0.01, 0.012}));
    EXPECT_EQ(Item::m_vDiamNames, (std::vector<CString>{L"", L"first", L"second"}));
    EXPECT_EQ(Item::GetChoiseList(byName, 0), L"first\nsecond");
    EXPECT_EQ(Item::GetChoiseList(astm, 0), L"first\nsecond"); // names for every other kind
    const CString values = Item::GetChoiseList(byValue, 1);
    EXPECT_TRUE(values.Left(1) == L"\n" && values.Find(L'\n', 1) > 1 && values.Find(L"first") == -1);

    // Every item sees the list: positions and snapping use it for any kind.
    Item a, b;
    a.SetDimValueIndex(1, astm, 2);
    EXPECT_EQ(a.GetDimValue(1), 0.012);
    b.SetDimValue(1, 0.0104);
    EXPECT_EQ(b.GetDimValueIndex(1, csa), 1u);
    EXPECT_EQ(Item::GetNearestValue(0.0104, byValue), 0.01);
    EXPECT_EQ(Item::GetNearestValue(0.0104, metric), 0.0104);
    a.SetDimValueIndex(1, byName, 3);
    EXPECT_EQ(a.GetDimValue(1), 0.0);

    // A list that starts at 0 is kept as it is.
    setList({0.0, 0.02}, {L"none", L"big"});
    EXPECT_EQ(Item::m_vDiamVals, (std::vector<double>{0.0, 0.02}));
    EXPECT_EQ(Item::GetChoiseList(byName, 1), L"\nbig");

    // Exactly half-way between two bars snaps to the smaller one (binary-exact values).
    setList({0.25, 0.5}, {L"a", L"b"});
    EXPECT_EQ(Item::GetNearestValue(0.375, byName), 0.25);
    b.SetDimValue(1, 0.375);
    EXPECT_EQ(b.GetDimValueIndex(1, astm), 1u);

    // Sizes that differ: no list, the tables serve again.
    setList({0.01, 0.02}, {L"one"});
    EXPECT_FALSE(Item::IsDiamList());
    EXPECT_EQ(Item::GetNearestValue(0.017, byName), 0.017);
}
