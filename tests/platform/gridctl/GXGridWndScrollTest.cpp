#include "InputGrid.h"

#include <climits>

using platform::desktop;

namespace {

// As many rows as a host likes, each cell's text made on request: nothing is
// kept per row.
class TallGrid : public CGXGridWnd {
public:
    ROWCOL m_nRows = 1000;
    ROWCOL m_nCols = 3;
    ROWCOL m_nHugeCol = 99; // a column the host says is INT_MAX pixels wide

    using CGXGridWnd::ShownCols;

    int GetColWidth(ROWCOL nCol) override { return nCol == m_nHugeCol ? INT_MAX : CGXGridWnd::GetColWidth(nCol); }
    ROWCOL GetRowCount() override { return m_nRows; }
    ROWCOL GetColCount() override { return m_nCols; }
    BOOL GetStyleRowCol(ROWCOL nRow, ROWCOL nCol, CGXStyle& style, GXModifyType mt, int nType) override
    {
        if (mt == gxRemove || nType != 0)
            return FALSE;
        style.SetValue((std::to_wstring(nRow) + L"," + std::to_wstring(nCol)).c_str());
        return TRUE;
    }
};

// The grid at the desktop's (10, 10), 300 x 200 pixels, rows of 20 and
// columns of 70. With more rows than fit, a bar of 16 pixels runs down the
// right edge (client x 284..299): arrows at y 0..15 and 184..199, the track
// between them (168 pixels); 180 pixels under the header row show 9 rows.
class GridScroll : public testsupport::GridOnDesktop<TallGrid> {
protected:
    GridScroll() { m_gridRect = CRect(0, 0, 300, 200); }
    static CPoint at(int x, int y) { return CPoint(10 + x, 10 + y); }
    void click(int x, int y) { desktop().click(at(x, y)); }
    // The thumb's top edge on the vertical bar: its highlight line, found
    // down the bar's middle column between the arrows.
    int thumbTop()
    {
        for (int y = 16; y < 184; ++y)
            if (pixel(287, y) == GetSysColor(COLOR_BTNHIGHLIGHT)) return y;
        return -1;
    }
    // The view's first scrolled row and the current cell.
    std::string view() { return std::to_string(grid.GetTopRow()) + " " + CurrentCell(grid); }

};

} // namespace

TEST_F(GridScroll, ABarAppearsOnlyWhenTheRowsDoNotFit)
{
    grid.m_nRows = 9; // rows 1..9 fill the 180 pixels exactly
    paint();
    EXPECT_EQ(grid.GetGridRect(), CRect(0, 0, 300, 200));
    EXPECT_EQ(Colours({{292, 100}}), "w");

    grid.m_nRows = 10;
    paint();
    EXPECT_EQ(grid.GetGridRect(), CRect(0, 0, 284, 200));
    // The up arrow: a raised button with a black triangle, tip at the top;
    // the down arrow's tip at the bottom.
    EXPECT_EQ(Colours({{284, 0}, {299, 15}, {292, 6}, {292, 5}, {289, 9}, {288, 9}}), "wskfkf");
    EXPECT_EQ(Colours({{292, 193}, {292, 194}, {289, 190}}), "kfk");
    // 9 of 10 rows shown: the thumb fills 151 of the 168 track pixels from the top.
    EXPECT_EQ(thumbTop(), 16);
    EXPECT_EQ(Colours({{292, 100}, {292, 170}}), "ft");
    // No cell is drawn under the bar.
    EXPECT_EQ(grid.HitTest(CPoint(290, 30), nullptr, nullptr), GX_NOHIT);
}

TEST_F(GridScroll, ArrowTrackAndWheelScrollALineAPageAndThreeRowsANotch)
{
    click(292, 8); // up, at the top already
    EXPECT_EQ(grid.GetTopRow(), 1ul);
    click(292, 192);
    EXPECT_EQ(grid.GetTopRow(), 2ul);
    // The thumb (8 pixels: the shortest) sits at the top; below it, a page of 9 rows.
    click(292, 150);
    EXPECT_EQ(grid.GetTopRow(), 11ul);
    click(292, 16); // the track's first pixel, just above the thumb (now at 17)
    EXPECT_EQ(grid.GetTopRow(), 2ul);
    // The rows shown follow: the first row under the header is row 2.
    ROWCOL r = 0, c = 0;
    EXPECT_EQ(grid.HitTest(CPoint(100, 30), &r, &c), GX_CELLHIT);
    EXPECT_EQ(r, 2ul);

    // Half notches of the wheel add up.
    click(100, 30); // the focus
    for (const auto& [delta, top] : {std::pair{-WHEEL_DELTA, 5ul}, {-2 * WHEEL_DELTA, 11ul}, {WHEEL_DELTA / 2, 11ul},
                                     {WHEEL_DELTA / 2, 8ul}, {10 * WHEEL_DELTA, 1ul}}) {
        desktop().turnWheel(delta);
        EXPECT_EQ(grid.GetTopRow(), top) << delta;
    }
}

TEST_F(GridScroll, DraggingTheThumbScrollsInProportion)
{
    // 1000 rows, the last page starts at row 992: positions 0..991 over the
    // 160 pixels the 8-pixel thumb can travel.
    ASSERT_EQ(thumbTop(), 16);
    desktop().moveMouse(at(292, 20));
    desktop().pressButton();
    desktop().moveMouse(at(292, 100)); // 80 pixels: half way
    EXPECT_EQ(grid.GetTopRow(), 497ul);    // 1 + round(80 * 991 / 160)
    EXPECT_EQ(thumbTop(), 96);
    desktop().moveMouse(at(292, 400)); // far below the bar: the end
    EXPECT_EQ(grid.GetTopRow(), 992ul);
    desktop().moveMouse(at(40, -300)); // far above: the start
    EXPECT_EQ(grid.GetTopRow(), 1ul);
    desktop().moveMouse(at(292, 60));
    desktop().releaseButton();
    EXPECT_EQ(grid.GetTopRow(), 249ul); // 1 + round(40 * 991 / 160)
    // Released: the mouse moves nothing any more.
    desktop().moveMouse(at(292, 150));
    EXPECT_EQ(grid.GetTopRow(), 249ul);
}

TEST_F(GridScroll, PageKeysMoveAPageAndCtrlEndAndCtrlHomeReachTheLastAndFirstOfTenMillionRows)
{
    click(100, 30); // cell (1, 1)
    std::string views; // End and Home stay in the row
    for (UINT vk : {VK_NEXT, VK_NEXT, VK_PRIOR, VK_END, VK_HOME}) {
        desktop().pressKey(vk);
        views += view() + "; ";
    }
    EXPECT_EQ(views, "10 10,1; 19 19,1; 10 10,1; 10 10,3; 10 10,1; ");

    grid.m_nRows = 10000000;
    grid.HideCols(3, 3);
    testsupport::pressWith(VK_CONTROL, VK_END);
    EXPECT_EQ(view(), "9999992 10000000,2"); // column 3 is hidden
    EXPECT_EQ(thumbTop(), 176);              // the shortest thumb at the end of the track
    click(292, 192);                         // down: nothing further
    EXPECT_EQ(grid.GetTopRow(), 9999992ul);

    // Half way down the track is half way through the records.
    testsupport::drag(at(292, 180), at(292, 100));
    EXPECT_EQ(grid.GetTopRow(), 4999997ul); // 1 + round(80 * 9999991 / 160)

    testsupport::pressWith(VK_CONTROL, VK_HOME);
    EXPECT_EQ(view(), "1 1,1");
}

TEST_F(GridScroll, ColumnsScrollWithABarAlongTheBottom)
{
    grid.m_nRows = 5;
    grid.m_nCols = 10; // 770 pixels of columns
    paint();
    // Only the columns overflow: the bar runs the whole width at y 184..199.
    EXPECT_EQ(grid.GetGridRect(), CRect(0, 0, 300, 184));
    EXPECT_EQ(Colours({{292, 192}}), "k"); // the right arrow's tip region
    click(292, 192);
    EXPECT_EQ(grid.GetLeftCol(), 2ul);
    ROWCOL r = 0, c = 0;
    grid.HitTest(CPoint(100, 30), &r, &c);
    EXPECT_EQ(c, 2ul);

    // With rows that overflow too, both bars; the corner between them is plain.
    grid.m_nRows = 50;
    paint();
    EXPECT_EQ(grid.GetGridRect(), CRect(0, 0, 284, 184));
    EXPECT_EQ(Colours({{292, 192}}), "f");
    click(292, 192);
    EXPECT_EQ(grid.GetLeftCol(), 2ul);
    EXPECT_EQ(grid.GetTopRow(), 1ul);
}

TEST_F(GridScroll, AColumnOfIntMaxPixelsIsLaidOutAsTheWidestLineAndScrolledPast)
{
    grid.m_nRows = 5;
    grid.m_nCols = 4;
    grid.m_nHugeCol = 2;
    paint();
    // The huge column fills the rest of the view; nothing after it is placed.
    const auto shown = [&] {
        std::string s;
        for (const auto& line : grid.ShownCols())
            s += std::to_string(line.n) + " ";
        return s;
    };
    EXPECT_EQ(shown(), "0 1 2 ");
    auto cols = grid.ShownCols();
    EXPECT_EQ(cols[2].start, cols[1].start + cols[1].size);
    EXPECT_EQ(cols[2].size, CGXGridWnd::GX_MAX_LINE_SIZE);

    // Moving right past it shows the last two columns beside the header.
    click(cols[1].start + 5, 30);
    for (int i = 0; i < 3; ++i)
        desktop().pressKey(VK_RIGHT);
    EXPECT_EQ(CurrentCell(grid), "1,4");
    EXPECT_EQ(shown(), "0 3 4 ");
    cols = grid.ShownCols();
    EXPECT_LE(cols[2].start + cols[2].size, grid.GetGridRect().Width());
}
