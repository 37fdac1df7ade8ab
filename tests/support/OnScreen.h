#pragma once
// What the desktop's screen shows: its pixels, and where windows are on it.
#include "win/desktop/Desktop.h"
#include "win/user/Window.h"

#include <climits>
#include <ostream>

// Rectangles print as (left, top)-(right, bottom) in failure messages.
inline void PrintTo(const CRect& r, std::ostream* os)
{
    *os << "(" << r.left << ", " << r.top << ")-(" << r.right << ", " << r.bottom << ")";
}

namespace testsupport {

inline COLORREF screenAt(CPoint p) { return platform::desktop().screen().pixel(p.x, p.y); }
inline COLORREF screenAt(int x, int y) { return platform::desktop().screen().pixel(x, y); }

// The pixels of the colour inside r (clipped to the screen).
inline int screenCount(COLORREF c, CRect r = CRect(0, 0, INT_MAX, INT_MAX))
{
    r.IntersectRect(r, platform::desktop().screen().bounds());
    int n = 0;
    for (int y = r.top; y < r.bottom; ++y)
        for (int x = r.left; x < r.right; ++x) n += screenAt(x, y) == c;
    return n;
}

// The smallest rectangle holding every pixel of the colour inside r; empty
// when there is none.
inline CRect screenInkBox(COLORREF c, CRect r)
{
    r.IntersectRect(r, platform::desktop().screen().bounds());
    CRect box(INT_MAX, INT_MAX, INT_MIN, INT_MIN);
    for (int y = r.top; y < r.bottom; ++y)
        for (int x = r.left; x < r.right; ++x)
            if (screenAt(x, y) == c) box.UnionRect(box, CRect(x, y, x + 1, y + 1));
    return box.left == INT_MAX ? CRect() : box;
}

// The rectangle that the colour fills exactly, with no pixel of it elsewhere
// on the screen; empty when its pixels make no whole rectangle.
inline CRect screenFill(COLORREF c)
{
    const CRect box = screenInkBox(c, platform::desktop().screen().bounds());
    return screenCount(c, box) == box.Width() * box.Height() ? box : CRect();
}

// A window's rectangle in screen coordinates.
inline CRect screenRectOf(HWND h)
{
    CRect r;
    GetWindowRect(h, &r);
    return r;
}

} // namespace testsupport
