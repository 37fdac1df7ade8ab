// The area-scale grid as it shows and normalises its rows.
#include "AreaScaleHost.h"

#include "gridctl/GXSysData.h"

using platform::desktop;

TEST_F(AreaScaleEditor, TheFirstAutomaticScaleShowsItsFourRowsAsTheUserSeesThem)
{
    grid.AutoScale(1, 0);
    ASSERT_EQ(grid.GetRowCount(), 4ul);
    // Bars in mm, spacings in cm, areas in cm²/m, as the user's units show them.
    const wchar_t* expected[4][5] = {{nullptr, nullptr, L"15.0", L"---", L">20.94"},
                                     {L"20.0", L"", L"15.0", L"20.94", L">6.68"},
                                     {L"20.0", L"", L"47.0", L"6.68", L">0.00"},
                                     {L"---", L"---", L"---", L"0.00", L"---"}};
    // The top and zero rows are greyed in the layout columns, the lower bound everywhere.
    const COLORREF face = GXGetSysData()->GetSysColor(COLOR_BTNFACE) | 0xEF000000;
    for (ROWCOL r = 1; r <= 4; ++r) {
        for (ROWCOL c = 2; c <= 6; ++c) {
            if (expected[r - 1][c - 2]) EXPECT_EQ(text(r, c), expected[r - 1][c - 2]) << r << "," << c;
            const bool greyed = c == 6 || (c <= 4 && (r == 1 || r == 4));
            if (c != 5) EXPECT_EQ(style(r, c).GetEnabled(), !greyed) << r << "," << c;
            if (greyed && c < 6) EXPECT_EQ(style(r, c).GetInterior(), face);
        }
    }
    // Metric bars are typed or chosen as text; the colour and visibility cells.
    EXPECT_EQ(style(2, 2).GetControl(), GX_IDS_CTRL_COMBOBOX);
    EXPECT_EQ(style(1, 1).GetControl(), CGridAreaScale::IDC_COLOR_CELL);
    EXPECT_EQ(style(3, 1).GetDWordValue(), grid.GetItems()[2].GetColor());
    EXPECT_EQ(style(3, 7).GetControl(), GX_IDS_CTRL_CHECKBOX);
    EXPECT_EQ(text(3, 7), L"1");
}

TEST_F(AreaScaleEditor, ALoneRowIsTheLastRowFirstAndShowsAnAreaOfZero)
{
    grid.SetItems({layout(0.02, 0.15)});
    ASSERT_EQ(grid.GetRowCount(), 1ul);
    EXPECT_EQ(text(1, 5), L"0.00"); // the last row's rule before the top row's "---"
    EXPECT_EQ(text(1, 4), L"---");
}

TEST_F(AreaScaleEditor, TheFirstRedrawOfANewGridBuildsTheTwoRangeScale)
{
    EXPECT_EQ(grid.GetRowCount(), 0ul);
    grid.Redraw();
    expectSpacings({0.01, 0.01, 0.01 * 15, 0.01 * 15});
    EXPECT_EQ(text(2, 5), L"314.16");
    grid.SetAreaMax(0.0); // with no positive maximum only the zero row is left
    ASSERT_EQ(grid.GetRowCount(), 1ul);
    EXPECT_EQ(grid.GetItems()[0].GetAmax(), 0.0);
    EXPECT_EQ(grid.GetItems()[0].GetColor(), 0x00FFC800u);
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
    grid.SetSectionCount(3); // a real change regenerates, with the grid's arithmetic rule
    expectSpacings({0.01 * 13, 0.01 * 13, 0.01 * 31, 0.01 * 94, 0.01 * 94});
}

TEST_F(AreaScaleEditor, ADisplayOnlyGridShowsColoursAndBoundsAsTheHostGaveThem)
{
    grid.SetGridType(CGridAreaScale::GRID_DISPLAY);
    grid.OnGridUpdate(nullptr, 0, nullptr);
    EXPECT_EQ(grid.GetRowCount(), 0ul); // nothing generated
    for (ROWCOL c = 1; c <= 7; ++c) EXPECT_EQ(grid.IsColHidden(c), c != 1 && c != 5 && c != 6) << c;

    // Rows out of order stay as given: no sorting, no merging, no recolouring.
    Items items = scaleOf({0.2, 0.1});
    items[1].SetColor(RGB(1, 2, 3));
    items[1].SetAmin(0.0005);
    grid.SetItems(items);
    grid.Redraw();
    EXPECT_EQ(describe(grid.GetItems()), describe(items));
    EXPECT_EQ(text(2, 5), L"15.71");
    EXPECT_EQ(text(2, 6), L"5.00");
    EXPECT_FALSE(style(2, 5).GetEnabled());

    // Insert, Delete, the right button and a click on a colour change nothing.
    grid.SetFocus();
    selectRows({2});
    desktop().pressKey(VK_INSERT);
    desktop().pressKey(VK_DELETE);
    clickCell(2, 5, platform::MouseButton::Right);
    clickCell(2, 1);
    EXPECT_EQ(describe(grid.GetItems()), describe(items));
    EXPECT_TRUE(platform::user().prompts().empty());
    EXPECT_EQ(host.take(), 0u);
    // Back to editing, the columns come back and the rows are normalised.
    grid.SetGridType(CGridAreaScale::GRID_EDIT);
    grid.OnGridUpdate(nullptr, 0, nullptr);
    EXPECT_FALSE(grid.IsColHidden(4));
    expectSpacings({0.1, 0.1, 0.2, 0.2});
}

TEST_F(AreaScaleEditor, TheDiameterListOfOneGridServesEveryGridOfTheProcess)
{
    CGridAreaScale other;
    ASSERT_TRUE(other.Create(WS_CHILD | WS_VISIBLE, CRect(0, 320, 640, 390), &host, 2));
    other.SetDimType(CGridAreaScale::DIM_ASTM);
    grid.AutoScale(1, 0);
    // Refused: sizes that differ, an empty name.
    grid.SetDiamList({0.01, 0.012}, {L"T10"});
    grid.SetDiamList({0.01, 0.012}, {L"T10", L""});
    EXPECT_EQ(style(2, 2).GetChoiceList().Left(4), L"5.0\n"); // metric diameters in mm
    EXPECT_EQ(grid.GetDimType(), CGridAreaScale::DIM_METRIC);

    std::vector<double> vals{0.01, 0.012};
    std::vector<CString> names{L"T10", L"T12"};
    grid.SetDiamList(vals, names);
    vals[0] = 0.04; // a host changing its own vectors afterwards changes nothing here
    names[0] = L"T40";
    EXPECT_EQ(grid.GetDimType(), CGridAreaScale::DIM_LIST_NAME);
    EXPECT_EQ(other.GetDimType(), CGridAreaScale::DIM_ASTM);
    grid.Redraw();
    other.AutoScale(1, 0);
    CGXStyle astm;
    other.ComposeStyleRowCol(2, 3, &astm);
    EXPECT_EQ(style(2, 2).GetChoiceList(), L"T10\nT12");
    EXPECT_EQ(astm.GetChoiceList(), L"\nT10\nT12");
    // The rows keep their diameters; the list only names them: 20 mm is nearest to T12, position 2.
    EXPECT_EQ(grid.GetItems()[1].GetDimValue(1), 0.02);
    EXPECT_EQ(text(2, 2), L"2");
    EXPECT_EQ(grid.GetCopyTextRowCol(2, 2), L"T12");
    other.SetDiamList({}, {}); // two empty lists are accepted and clear the list
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
    expectSpacings({0.1, 0.1, 0.3, 0.3});
    // Every lower bound is the next row's area; the top row copies row 2.
    const Items& rows = grid.GetItems();
    EXPECT_TRUE(rows[0].GetAmax() == rows[1].GetAmax() && rows[0].GetAmin() == rows[1].GetAmax());
    EXPECT_NEAR(rows[1].GetAmin(), rows[2].GetAmax(), 1e-7); // the merged row's area
    EXPECT_TRUE(rows[2].GetAmin() == 0 && rows[3].GetAmax() == 0);

    // A spacing typed so that a row's area grows past the row above moves it up.
    grid.AutoScale(1, 0); // 0.15, 0.15, 0.47, 0.47
    typeInto(3, 4, L"10");
    expectSpacings({0.1, 0.1, 0.15, 0.15});
    EXPECT_EQ(text(2, 5), L"31.42");
    EXPECT_EQ(text(2, 6), L">20.94");
    EXPECT_EQ(text(3, 6), L">0.00");
}

TEST_F(AreaScaleEditor, TheHeaderShowsUnitsAndTheDiameterPictures)
{
    grid.AutoScale(1, 0);
    EXPECT_EQ(style(0, 2).GetControl(), CGridAreaScale::IDC_BITMAP_HEADER);
    grid.SetDimType(CGridAreaScale::DIM_ASTM);
    EXPECT_EQ(text(0, 3), L"(#)");
    grid.SetDimType(CGridAreaScale::DIM_CSA);
    EXPECT_EQ(text(0, 3), L"(No)");
    desktop().processMessages();
    // The 14 x 13 picture sits centred in the upper half of the header cell,
    // its white drawn transparent.
    for (ROWCOL c : {2ul, 3ul}) {
        CRect cell = grid.CalcRectFromRowCol(0, c, 0, c);
        grid.ClientToScreen(&cell);
        const int x0 = cell.left + (cell.Width() - 1 - 14) / 2, y0 = cell.top + (cell.Height() - 1) / 2 - 13;
        int black = 0;
        for (int y = y0; y < y0 + 13; ++y)
            for (int x = x0; x < x0 + 14; ++x) black += screenPixel(CPoint(x, y)) == RGB(0, 0, 0);
        EXPECT_GT(black, 20) << c;
        EXPECT_EQ(screenPixel(CPoint(x0, y0)), GetSysColor(COLOR_BTNFACE)) << c;
        EXPECT_EQ(screenPixel(CPoint(x0 + 9, y0 + 1)), RGB(0, 0, 0)) << c; // the stroke of the sign
    }
}
