#include "areascale/GridAreaScale.h"

#include <gtest/gtest.h>

using Item = CGridAreaScale::CGridAreaScaleItem;

namespace {
constexpr double pi = 3.141592653589793;

// Each test runs in its own process; the diameter list starts empty there.
void setList(std::vector<double> vals, std::vector<CString> names)
{
    Item::SetDiamList(&vals, &names);
}
} // namespace

TEST(AreaScaleGrid, IsAGridWindow)
{
    static_assert(std::is_base_of_v<CGXGridWnd, CGridAreaScale>);
    static_assert(std::is_base_of_v<CObject, CGridAreaScale::CGridAreaScaleItem>);
    CGridAreaScale grid;
    CWnd parent;
    ASSERT_TRUE(parent.CreateEx(0, nullptr, L"host", WS_POPUP | WS_VISIBLE, CRect(0, 0, 200, 100), nullptr, 0));
    EXPECT_TRUE(grid.Create(WS_CHILD | WS_VISIBLE, CRect(0, 0, 200, 100), &parent, 7));
    EXPECT_TRUE(grid.IsInitialized());
    EXPECT_EQ(grid.GetDlgCtrlID(), 7);
    grid.DestroyWindow();
    parent.DestroyWindow();
}

TEST(AreaScaleItem, DefaultsAndCopies)
{
    Item item;
    EXPECT_EQ(item.GetDimValue(1), 0.01);
    EXPECT_EQ(item.GetDimValue(2), 0.0);
    EXPECT_EQ(item.GetSValue(), 0.01);
    EXPECT_EQ(item.GetAmin(), 0.0);
    EXPECT_EQ(item.GetAmax(), 0.0);
    EXPECT_EQ(item.GetColor(), 0x00FFFFFFu);
    EXPECT_EQ(item.GetAutoColor(), 1);
    EXPECT_EQ(item.GetVisibility(), 1);

    item.SetDimValue(2, 0.012);
    item.SetAmin(0.5);
    item.SetColor(0x123456);
    item.SetAutoColor(0);
    item.SetVisibility(0);
    Item copy(item), assigned, copied;
    assigned = item;
    copied.Copy(item);
    for (const Item* c : {&copy, &assigned, &copied}) {
        EXPECT_EQ(c->GetDimValue(2), 0.012);
        EXPECT_EQ(c->GetAmax(), item.GetAmax());
        EXPECT_EQ(c->GetAmin(), 0.5);
        EXPECT_EQ(c->GetColor(), 0x123456u);
        EXPECT_EQ(c->GetAutoColor(), 0);
        EXPECT_EQ(c->GetVisibility(), 0);
    }
}

TEST(AreaScaleItem, AreaAndSpacingFollowEachOther)
{
    Item item;
    item.SetDimValue(1, 0.02);
    item.SetSValue(0.15);
    EXPECT_NEAR(item.GetAmax(), 0.0020943951, 5e-11); // 20.94 cm²/m
    item.SetDimValue(2, 0.016);
    item.SetSValue(0.2);
    EXPECT_DOUBLE_EQ(item.GetAmax(), (0.0004 + 0.000256) * 0.5 * 0.25 * pi / 0.2);

    // Not above epsilon: the other value stays as it was.
    const double area = item.GetAmax();
    item.SetSValue(0.0);
    EXPECT_EQ(item.GetAmax(), area);
    item.SetSValue(0.2);
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

TEST(AreaScaleItem, SnappingToTheTables)
{
    EXPECT_EQ(Item::GetNearestValue(0.017, CGridAreaScale::DIM_ASTM), 0.015875);
    EXPECT_EQ(Item::GetNearestValue(0.017, CGridAreaScale::DIM_CSA), 0.016);
    EXPECT_EQ(Item::GetNearestValue(0.017, CGridAreaScale::DIM_METRIC), 0.017);
    EXPECT_EQ(Item::GetNearestValue(-1.0, CGridAreaScale::DIM_ASTM), -1.0);
    EXPECT_EQ(Item::GetNearestValue(0.017, CGridAreaScale::DIM_LIST_NAME), 0.017); // no list
    EXPECT_EQ(Item::GetNearestValue(0.017, (CGridAreaScale::eGridAreaScaleDimType)9), 0.017);
    EXPECT_EQ(Item::GetNearestValue(5.0, CGridAreaScale::DIM_ASTM), 0.0573278);
}

TEST(AreaScaleItem, TablePositionsWithoutAList)
{
    Item item;
    item.SetDimValueIndex(1, CGridAreaScale::DIM_ASTM, 2);
    EXPECT_EQ(item.GetDimValue(1), 0.0127);
    EXPECT_EQ(item.GetDimValueIndex(1, CGridAreaScale::DIM_ASTM), 2u);
    EXPECT_EQ(item.GetDimValueIndex(1, CGridAreaScale::DIM_CSA), 1u); // 0.0127 is nearest CSA "10"
    item.SetDimValueIndex(1, CGridAreaScale::DIM_CSA, 20);
    EXPECT_EQ(item.GetDimValue(1), 0.0);
    item.SetDimValueIndex(2, CGridAreaScale::DIM_ASTM, 12); // one past the ASTM table
    EXPECT_EQ(item.GetDimValue(2), 0.0);
    item.SetDimValueIndex(2, CGridAreaScale::DIM_METRIC, 8); // positions of other kinds use CSA
    EXPECT_EQ(item.GetDimValue(2), 0.0564);
    EXPECT_EQ(item.GetDimValueIndex(2, CGridAreaScale::DIM_LIST_VALUE), 8u);
}

TEST(AreaScaleItem, ChoiceListsFromTheTables)
{
    EXPECT_EQ(Item::GetChoiseList(CGridAreaScale::DIM_ASTM, 0),
              L"#3\n#4\n#5\n#6\n#7\n#8\n#9\n#10\n#11\n#14\n#18");
    EXPECT_EQ(Item::GetChoiseList(CGridAreaScale::DIM_CSA, 1), L"\n10\n15\n20\n25\n30\n35\n45\n55");
    EXPECT_EQ(Item::GetChoiseList(CGridAreaScale::DIM_LIST_NAME, 0), L"10\n15\n20\n25\n30\n35\n45\n55");
    // Metric: eleven diameters as unit text, the no-bar line first when asked.
    const CString metric = Item::GetChoiseList(CGridAreaScale::DIM_METRIC, 1);
    int lines = 0;
    for (int pos = 0; (pos = metric.Find(L'\n', pos)) >= 0; ++pos) ++lines;
    EXPECT_EQ(lines, 11);
    EXPECT_EQ(metric[0], L'\n');
    EXPECT_EQ(metric[1], L'5'); // 0.005 m shown in the diameter unit
}

TEST(AreaScaleItem, DiameterListGetsANoBarPositionAndIsShared)
{
    setList({0.01, 0.012}, {L"first", L"second"});
    ASSERT_TRUE(Item::IsDiamList());
    EXPECT_EQ(Item::m_vDiamVals, (std::vector<double>{0.0, 0.01, 0.012}));
    EXPECT_EQ(Item::m_vDiamNames, (std::vector<CString>{L"", L"first", L"second"}));
    EXPECT_EQ(Item::GetChoiseList(CGridAreaScale::DIM_LIST_NAME, 0), L"first\nsecond");
    EXPECT_EQ(Item::GetChoiseList(CGridAreaScale::DIM_ASTM, 0), L"first\nsecond"); // names for every other kind
    const CString values = Item::GetChoiseList(CGridAreaScale::DIM_LIST_VALUE, 1);
    EXPECT_EQ(values.Left(1), L"\n");
    EXPECT_EQ(values.Find(L'\n', 1) > 1, true);
    EXPECT_EQ(values.Find(L"first"), -1);

    // Every item sees the list: positions and snapping use it for any kind.
    Item a, b;
    a.SetDimValueIndex(1, CGridAreaScale::DIM_ASTM, 2);
    EXPECT_EQ(a.GetDimValue(1), 0.012);
    b.SetDimValue(1, 0.0104);
    EXPECT_EQ(b.GetDimValueIndex(1, CGridAreaScale::DIM_CSA), 1u);
    EXPECT_EQ(Item::GetNearestValue(0.0104, CGridAreaScale::DIM_LIST_VALUE), 0.01);
    EXPECT_EQ(Item::GetNearestValue(0.0104, CGridAreaScale::DIM_METRIC), 0.0104);
    a.SetDimValueIndex(1, CGridAreaScale::DIM_LIST_NAME, 3);
    EXPECT_EQ(a.GetDimValue(1), 0.0);

    // A list that starts at 0 is kept as it is.
    setList({0.0, 0.02}, {L"none", L"big"});
    EXPECT_EQ(Item::m_vDiamVals, (std::vector<double>{0.0, 0.02}));
    EXPECT_EQ(Item::GetChoiseList(CGridAreaScale::DIM_LIST_NAME, 1), L"\nbig");

    // Exactly half-way between two bars snaps to the smaller one (binary-exact values).
    setList({0.25, 0.5}, {L"a", L"b"});
    EXPECT_EQ(Item::GetNearestValue(0.375, CGridAreaScale::DIM_LIST_NAME), 0.25);
    b.SetDimValue(1, 0.375);
    EXPECT_EQ(b.GetDimValueIndex(1, CGridAreaScale::DIM_ASTM), 1u);

    // Sizes that differ: no list, the tables serve again.
    setList({0.01, 0.02}, {L"one"});
    EXPECT_FALSE(Item::IsDiamList());
    EXPECT_EQ(Item::GetNearestValue(0.017, CGridAreaScale::DIM_LIST_NAME), 0.017);
    setList({}, {});
    EXPECT_FALSE(Item::IsDiamList());
}
