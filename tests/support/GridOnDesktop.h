#pragma once
// A host frame at the desktop's (10, 10), 400 x 300 pixels, with a grid window
// in it: the set-up of every test that looks at a grid or drives it as a user.
// A fixture that wants another grid rectangle sets m_gridRect in its
// constructor.
#include "gridctl/GXGridWnd.h"
#include "win/desktop/Desktop.h"

#include <gtest/gtest.h>

namespace testsupport {

template <class Grid, class Frame = CWnd> class GridOnDesktop : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(frame.CreateEx(0, nullptr, L"", WS_POPUP | WS_VISIBLE, CRect(10, 10, 410, 310), nullptr, 0));
        ASSERT_TRUE(grid.Create(WS_VISIBLE, m_gridRect, &frame, 1));
        platform::desktop().processMessages();
    }

    void paint()
    {
        grid.Redraw();
        platform::desktop().processMessages();
    }
    // A pixel of the frame's client area, as the screen shows it.
    static COLORREF pixel(int x, int y) { return platform::desktop().screen().pixel(10 + x, 10 + y); }
    // The middle of a cell, on the screen.
    CPoint cellPoint(ROWCOL r, ROWCOL c)
    {
        CRect cell = grid.CalcRectFromRowCol(r, c, r, c);
        grid.ClientToScreen(&cell);
        return cell.CenterPoint();
    }
    void clickCell(ROWCOL r, ROWCOL c, platform::MouseButton button = platform::MouseButton::Left)
    {
        platform::desktop().click(cellPoint(r, c), button);
    }
    // The covered block a cell belongs to, or the cell itself.
    CGXRange blockOf(ROWCOL r, ROWCOL c)
    {
        CGXRange block(r, c);
        grid.GetCellRangeRowCol(r, c, block);
        return block;
    }

    CRect m_gridRect{0, 0, 360, 200};
    Frame frame;
    Grid grid;
};

} // namespace testsupport
