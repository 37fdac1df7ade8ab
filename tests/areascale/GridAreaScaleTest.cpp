#include "AreaScaleHost.h"

#include "gridctl/GXSysData.h"

using platform::desktop;

namespace {

CGridAreaScale::CGridAreaScaleItem layout(double d, double s)
{
    CGridAreaScale::CGridAreaScaleItem item;
    item.SetDimValue(1, d);
    item.SetSValue(s);
    return item;
}

// A scale as AutoScale leaves it: top row, ranges, zero row.
Items scaleOf(std::initializer_list<double> rangeSpacings)
{
    Items items;
    for (double s : rangeSpacings)
        items.push_back(layout(0.02, s));
    items.insert(items.begin(), items.front());
    items.push_back(items.back());
    items.back().SetAmax(0.0, 0);
    return items;
}

} // namespace

TEST_F(AreaScaleEditor, TheFirstAutomaticScaleShowsItsFourRowsAsTheUserSeesThem)
{
    grid.AutoScale(1, 0);
    ASSERT_EQ(grid.GetRowCount(), 4ul);
    // Spacings in cm, areas in cm²/m, as the user's units show them.
    const wchar_t* expected[4][3] = {{L"15.0", L"---", L">20.94"},
                                     {L"15.0", L"20.94", L">6.68"},
                                     {L"47.0", L"6.68", L">0.00"},
                                     {L"---", L"0.00", L"---"}};
    for (ROWCOL r = 1; r <= 4; ++r)
        for (ROWCOL c = 4; c <= 6; ++c)
            EXPECT_EQ(text(r, c), expected[r - 1][c - 4]) << "row " << r << " column " << c;
    // The top and zero rows are greyed in the layout columns, the lower bound everywhere.
    const COLORREF face = GXGetSysData()->GetSysColor(COLOR_BTNFACE) | 0xEF000000;
    for (ROWCOL c : {2ul, 3ul, 4ul}) {
        for (ROWCOL r : {1ul, 4ul}) {
            EXPECT_FALSE(style(r, c).GetEnabled()) << r << "," << c;
            EXPECT_EQ(style(r, c).GetInterior(), face);
        }
        EXPECT_TRUE(style(2, c).GetEnabled()) << c;
    }
    for (ROWCOL r = 1; r <= 4; ++r)
        EXPECT_FALSE(style(r, 6).GetEnabled());
    EXPECT_EQ(text(4, 2), L"---");
    EXPECT_EQ(text(4, 3), L"---");
    // Metric bars are typed or chosen as text; no second bar is an empty cell.
    EXPECT_EQ(style(2, 2).GetControl(), GX_IDS_CTRL_COMBOBOX);
    EXPECT_EQ(text(2, 2), L"20.0");
    EXPECT_EQ(text(2, 3), L"");
    // The colours run from dark red down to the light blue zero row.
    const std::vector<unsigned long> colours{0x0000007F, 0x000000DF, 0x003F7FFF, 0x00FFC800};
    for (size_t i = 0; i < 4; ++i)
        EXPECT_EQ(grid.GetItems()[i].GetColor(), colours[i]);
    EXPECT_EQ(style(1, 1).GetControl(), CGridAreaScale::IDC_COLOR_CELL);
    EXPECT_EQ(style(3, 1).GetDWordValue(), 0x003F7FFFu);
    EXPECT_EQ(text(3, 7), L"1");
    EXPECT_EQ(style(3, 7).GetControl(), GX_IDS_CTRL_CHECKBOX);
}

TEST_F(AreaScaleEditor, TheFirstRedrawOfANewGridBuildsTheTwoRangeScale)
{
    EXPECT_EQ(grid.GetRowCount(), 0ul);
    grid.Redraw();
    ASSERT_EQ(grid.GetRowCount(), 4ul);
    expectSpacings({0.01, 0.01, 0.01 * 15, 0.01 * 15});
    EXPECT_EQ(text(2, 5), L"314.16");
    EXPECT_EQ(text(3, 5), L"20.94");

    // With no positive maximum only the zero row is left.
    HostGrid empty;
    ASSERT_TRUE(empty.Create(WS_CHILD | WS_VISIBLE, CRect(0, 0, 300, 100), &host, 2));
    empty.SetAreaMax(0.0);
    ASSERT_EQ(empty.GetRowCount(), 1ul);
    EXPECT_EQ(empty.GetItems()[0].GetAmax(), 0.0);
    EXPECT_EQ(empty.GetItems()[0].GetColor(), 0x00FFC800u);
    empty.DestroyWindow();
}

TEST_F(AreaScaleEditor, ParametersWithinEpsilonNeitherRescaleNorRedraw)
{
    grid.SetItems(scaleOf({0.1, 0.2}));
    grid.SetAreaMax(0.004 + 1e-8);
    grid.SetAreaMin(1e-8);
    grid.SetDim(0.02 - 1e-8);
    grid.SetGridSize(0.01);
    grid.SetSectionCount(2);
    grid.SetScaleType(CGridAreaScale::SCALE_ARITHMETIC);
    expectSpacings({0.1, 0.1, 0.2, 0.2});
    // A real change regenerates: three sections of the grid's arithmetic rule.
    grid.SetSectionCount(3);
    expectSpacings({0.01 * 13, 0.01 * 13, 0.01 * 31, 0.01 * 94, 0.01 * 94});
    grid.SetScaleType(CGridAreaScale::SCALE_GEOMETRIC);
    grid.SetSectionCount(2);
    expectSpacings({0.01 * 18, 0.01 * 18, 0.01 * 54, 0.01 * 54});
}

TEST_F(AreaScaleEditor, ADisplayOnlyGridShowsColoursAndBoundsAsTheHostGaveThem)
{
    grid.SetGridType(CGridAreaScale::GRID_DISPLAY);
    grid.OnGridUpdate(nullptr, 0, nullptr);
    EXPECT_EQ(grid.GetRowCount(), 0ul); // nothing generated
    for (ROWCOL c : {2ul, 3ul, 4ul, 7ul})
        EXPECT_TRUE(grid.IsColHidden(c)) << c;
    for (ROWCOL c : {1ul, 5ul, 6ul})
        EXPECT_FALSE(grid.IsColHidden(c)) << c;

    // Rows out of order stay as given: no sorting, no merging, no recolouring.
    Items items = scaleOf({0.2, 0.1});
    items[1].SetColor(RGB(1, 2, 3));
    items[1].SetAmin(0.0005);
    grid.SetItems(items);
    grid.Redraw();
    expectSpacings((std::vector<double>{0.2, 0.2, 0.1, 0.1}));
    EXPECT_EQ(grid.GetItems()[1].GetColor(), RGB(1, 2, 3));
    EXPECT_EQ(text(2, 5), L"15.71");
    EXPECT_EQ(text(2, 6), L"5.00");
    EXPECT_FALSE(style(2, 5).GetEnabled());
    EXPECT_TRUE(text(0, 5).Find(L"Max\n") == 0);
    EXPECT_TRUE(text(0, 6).Find(L"Min\n") == 0);

    // Insert, Delete, the right button and a click on a colour change nothing.
    const Items before = grid.GetItems();
    grid.SetFocus();
    selectRows({2});
    desktop().pressKey(VK_INSERT);
    desktop().pressKey(VK_DELETE);
    clickCell(2, 5, platform::MouseButton::Right);
    clickCell(2, 1);
    EXPECT_EQ(grid.GetItems().size(), before.size());
    EXPECT_TRUE(platform::user().prompts().empty());
    EXPECT_EQ(host.take(), 0u);
    // Back to editing, the columns come back and the rows are normalised.
    grid.SetGridType(CGridAreaScale::GRID_EDIT);
    grid.OnGridUpdate(nullptr, 0, nullptr);
    EXPECT_FALSE(grid.IsColHidden(4));
    expectSpacings((std::vector<double>{0.1, 0.1, 0.2, 0.2}));
}

TEST_F(AreaScaleEditor, TheDiameterListOfOneGridServesEveryGridOfTheProcess)
{
    HostGrid other;
    ASSERT_TRUE(other.Create(WS_CHILD | WS_VISIBLE, CRect(0, 320, 640, 390), &host, 2));
    other.SetDimType(CGridAreaScale::DIM_ASTM);
    other.AutoScale(1, 0);
    grid.AutoScale(1, 0);
    EXPECT_EQ(style(2, 2).GetChoiceList().Left(4), L"5.0\n"); // metric diameters in mm
    CGXStyle astm;
    other.ComposeStyleRowCol(2, 2, &astm);
    EXPECT_EQ(astm.GetChoiceList().Left(3), L"#3\n");

    // Refused: sizes that differ, an empty name.
    grid.SetDiamList({0.01, 0.012}, {L"T10"});
    grid.SetDiamList({0.01, 0.012}, {L"T10", L""});
    EXPECT_FALSE(CGridAreaScale::CGridAreaScaleItem::IsDiamList());
    EXPECT_EQ(grid.GetDimType(), CGridAreaScale::DIM_METRIC);

    grid.SetDiamList({0.01, 0.012}, {L"T10", L"T12"});
    EXPECT_EQ(grid.GetDimType(), CGridAreaScale::DIM_LIST_NAME);
    EXPECT_EQ(other.GetDimType(), CGridAreaScale::DIM_ASTM);
    grid.Redraw();
    EXPECT_EQ(style(2, 2).GetChoiceList(), L"T10\nT12");
    EXPECT_EQ(style(2, 3).GetChoiceList(), L"\nT10\nT12");
    other.ComposeStyleRowCol(2, 2, &astm);
    EXPECT_EQ(astm.GetChoiceList(), L"T10\nT12");
    // The rows keep their diameters; the list only names them: 20 mm is
    // nearest to T12, position 2.
    EXPECT_EQ(grid.GetItems()[1].GetDimValue(1), 0.02);
    EXPECT_EQ(text(2, 2), L"2");
    EXPECT_EQ(grid.GetCopyTextRowCol(2, 2), L"T12");

    // A host changing its own vectors afterwards changes nothing here.
    std::vector<double> vals{0.016};
    std::vector<CString> names{L"T16"};
    grid.SetDiamList(vals, names);
    vals[0] = 0.04;
    names[0] = L"T40";
    EXPECT_EQ(style(2, 2).GetChoiceList(), L"T16");
    // Two empty lists are accepted and clear the list.
    other.SetDiamList({}, {});
    EXPECT_FALSE(CGridAreaScale::CGridAreaScaleItem::IsDiamList());
    EXPECT_EQ(other.GetDimType(), CGridAreaScale::DIM_LIST_NAME);
    other.DestroyWindow();
}

TEST_F(AreaScaleEditor, NormalisationSortsChainsAndMergesTheRows)
{
    // A row within epsilon of the next is merged; a middle row of area 0
    // equals the zero row and goes.
    Items items = scaleOf({0.1, 0.2, 0.3});
    items[2].SetAmax(items[3].GetAmax() + 1e-8, 0);
    items.insert(items.end() - 1, layout(0.02, 0.3));
    items[4].SetAmax(0.0, 0);
    grid.SetItems(items);
    grid.Redraw();
    ASSERT_EQ(grid.GetRowCount(), 4ul);
    expectSpacings((std::vector<double>{0.1, 0.1, 0.3, 0.3}));
    // Every lower bound is the next row's area; the top row copies row 2.
    const Items& rows = grid.GetItems();
    EXPECT_EQ(rows[0].GetAmax(), rows[1].GetAmax());
    EXPECT_EQ(rows[0].GetAmin(), rows[1].GetAmax());
    EXPECT_NEAR(rows[1].GetAmin(), rows[2].GetAmax(), 1e-7); // the merged row's area
    EXPECT_EQ(rows[2].GetAmin(), 0.0);
    EXPECT_EQ(rows[3].GetAmax(), 0.0);

    // A spacing typed so that a row's area grows past the row above moves it up.
    grid.AutoScale(1, 0); // 0.15, 0.15, 0.47, 0.47
    typeInto(3, 4, L"10");
    expectSpacings((std::vector<double>{0.1, 0.1, 0.15, 0.15}));
    EXPECT_EQ(text(2, 5), L"31.42");
    EXPECT_EQ(text(2, 6), L">20.94");
    EXPECT_EQ(text(3, 6), L">0.00");
}

TEST_F(AreaScaleEditor, TheHeaderShowsTitlesUnitsAndTheDiameterPictures)
{
    grid.AutoScale(1, 0);
    EXPECT_EQ(text(0, 1), L"Colour");
    EXPECT_EQ(text(0, 4).Left(8), L"Spacing\n");
    EXPECT_EQ(text(0, 5).Left(8), L"Maximum\n");
    EXPECT_EQ(text(0, 7), L"Visible");
    EXPECT_EQ(style(0, 2).GetControl(), CGridAreaScale::IDC_BITMAP_HEADER);
    EXPECT_EQ(style(0, 2).GetVerticalAlignment(), (DWORD)DT_BOTTOM);
    grid.SetDimType(CGridAreaScale::DIM_ASTM);
    EXPECT_EQ(text(0, 2), L"(#)");
    EXPECT_EQ(text(0, 3), L"(#)");
    grid.SetDimType(CGridAreaScale::DIM_CSA);
    EXPECT_EQ(text(0, 3), L"(No)");
    desktop().processMessages();

    // The 14 x 13 picture sits centred in the upper half of the header cell.
    for (ROWCOL c : {2ul, 3ul}) {
        CRect cell = grid.CalcRectFromRowCol(0, c, 0, c);
        grid.ClientToScreen(&cell);
        const int x0 = cell.left + (cell.Width() - 1 - 14) / 2, y0 = cell.top + (cell.Height() - 1) / 2 - 13;
        int black = 0;
        for (int y = y0; y < y0 + 13; ++y)
            for (int x = x0; x < x0 + 14; ++x)
                black += screenPixel(CPoint(x, y)) == RGB(0, 0, 0);
        EXPECT_GT(black, 20) << c;
        EXPECT_EQ(screenPixel(CPoint(x0, y0)), GetSysColor(COLOR_BTNFACE)) << c; // white drawn transparent
        EXPECT_EQ(screenPixel(CPoint(x0 + 9, y0 + 1)), RGB(0, 0, 0)) << c;       // the stroke of the sign
    }
}
